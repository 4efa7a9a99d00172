// The frame the entries live in: the tab control's pages and the seven group
// boxes. Places of group boxes are measured from the tab control's top-left
// corner, header strip included.
#pragma once

#include "catalogue/snippet_entry.h"

#include <array>
#include <span>
#include <string_view>

namespace quillo {

struct CataloguePage {
    std::string_view caption;
    std::string_view tooltip; // empty: no tooltip
};

struct GroupBox {
    int number; // 1 to 7; also the name 分组框N
    std::string_view caption;
    int page; // 1 to 3
    Place place;
    std::span<const SnippetEntry> entries;
};

inline constexpr int kHeaderStripHeight = 20;

inline constexpr std::array<CataloguePage, 3> kCataloguePages{{
    {"基础标签", "常用全局标签，整站都可以用"},
    {"拓展标签", ""},
    {"基础功能", ""},
}};

// The seven group boxes in number order, each with its table of entries.
std::span<const GroupBox> catalogueGroups();

// Entry N (1 to 99), or nullptr for any other number.
const SnippetEntry *catalogueEntry(int number);

} // namespace quillo
