// The two program-wide texts: the version page as read at start-up and the
// latest version found on it. Empty until the version check sets them; the
// exit routine releases them.
#pragma once

#include <string>

namespace quillo {

struct ProgramTexts {
    std::string pageText;      // GBK
    std::string latestVersion; // GBK

    void release();
};

} // namespace quillo
