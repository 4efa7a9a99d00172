#include "update/version_check.h"

#include "app/makers_site.h"
#include "app/program_texts.h"
#include "platform/fetch_helper.h"
#include "update/version_text.h"

namespace quillo::update {

std::string fetchVersionPage(const std::string &fetchHelper, std::string_view address)
{
    return platform::fetchBodyWithHelper(fetchHelper,
                                         {.address = address, .userAgent = kUserAgent});
}

void checkVersion(ProgramTexts &texts, const FetchPage &fetch,
                  const std::function<void()> &openNotice)
{
    texts.pageText = pageTextFrom(fetch(kProductPage.view()));
    texts.latestVersion = latestVersionIn(texts.pageText);
    if (!isOwnVersion(texts.latestVersion) && openNotice)
        openNotice();
}

} // namespace quillo::update
