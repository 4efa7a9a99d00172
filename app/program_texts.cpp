#include "app/program_texts.h"

namespace quillo {

void ProgramTexts::release()
{
    std::string().swap(pageText);
    std::string().swap(latestVersion);
}

} // namespace quillo
