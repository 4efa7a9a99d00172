// The tables of entries, one per group box. Each .cpp in this folder defines
// one of them; catalogue_layout.cpp ties them to their group boxes.
#pragma once

#include "catalogue/snippet_entry.h"

#include <span>

namespace quillo::snippets {

std::span<const SnippetEntry> headerFunctions();      // group 1, entries 1-14
std::span<const SnippetEntry> navigationFunctions();  // group 2, entries 15-18
std::span<const SnippetEntry> templateFunctions();    // group 3, entries 19-48
std::span<const SnippetEntry> conditionalTags();      // group 4, entries 49-61
std::span<const SnippetEntry> siteStatistics();       // group 5, entries 62-71
std::span<const SnippetEntry> siteOptimisation();     // group 6, entries 72-81
std::span<const SnippetEntry> themeExtensions();      // group 7, entries 82-99

} // namespace quillo::snippets
