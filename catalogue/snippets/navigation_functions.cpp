// Group box "导航函数": navigation menus, from the plain call to a walker class.
#include "catalogue/snippets/snippet_tables.h"

#include <array>

namespace quillo::snippets {

namespace {

constexpr int kGroup = 2;

// clang-format off
constexpr std::array kEntries{
    snippet(kGroup, 15, "默认导航", {15, 25, 80, 16}, ""),
    snippet(kGroup, 16, "指定的导航菜单", {119, 25, 112, 16}, ""),
    snippet(kGroup, 17, "基于分类的导航", {247, 25, 104, 16}, ""),
    snippet(kGroup, 18, "自定义导航类", {383, 25, 96, 16}, ""),
};
// clang-format on

} // namespace

std::span<const SnippetEntry> navigationFunctions()
{
    return kEntries;
}

} // namespace quillo::snippets
