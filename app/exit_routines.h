// Routines that run once at the end, in the order they were added. Adding a
// routine under a key that is already listed changes nothing.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace quillo {

class ExitRoutines
{
public:
    void add(const void *key, std::function<void()> routine);
    // Runs every routine once; later calls do nothing.
    void run();

private:
    std::vector<std::pair<const void *, std::function<void()>>> m_routines;
    bool m_ran = false;
};

} // namespace quillo
