#include "catalogue/catalogue_layout.h"

#include "catalogue/snippets/snippet_tables.h"

namespace quillo {

std::span<const GroupBox> catalogueGroups()
{
    static const std::array<GroupBox, 7> groups{{
        {1, "头部常用函数", 1, {10, 30, 774, 66}, snippets::headerFunctions()},
        {2, "导航函数", 1, {9, 107, 774, 49}, snippets::navigationFunctions()},
        {3, "模板函数", 1, {8, 168, 774, 224}, snippets::templateFunctions()},
        {4, "判断标签", 2, {9, 32, 774, 120}, snippets::conditionalTags()},
        {5, "网站统计功能", 2, {8, 160, 774, 80}, snippets::siteStatistics()},
        {6, "网站优化", 3, {8, 32, 774, 96}, snippets::siteOptimisation()},
        {7, "主题开发常用拓展功能", 3, {8, 144, 774, 232}, snippets::themeExtensions()},
    }};
    return groups;
}

const SnippetEntry *catalogueEntry(int number)
{
    for (const GroupBox &group : catalogueGroups()) {
        for (const SnippetEntry &entry : group.entries) {
            if (entry.number == number)
                return &entry;
        }
    }
    return nullptr;
}

} // namespace quillo
