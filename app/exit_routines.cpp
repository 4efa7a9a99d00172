#include "app/exit_routines.h"

#include <algorithm>

namespace quillo {

void ExitRoutines::add(const void *key, std::function<void()> routine)
{
    const bool listed = std::any_of(m_routines.begin(), m_routines.end(),
                                    [key](const auto &entry) { return entry.first == key; });
    if (!listed)
        m_routines.emplace_back(key, std::move(routine));
}

void ExitRoutines::run()
{
    if (m_ran)
        return;
    m_ran = true;
    for (const auto &[key, routine] : m_routines)
        routine();
}

} // namespace quillo
