// One catalogue entry: a captioned radio button in a group box, and what a
// click on it does. The rows live in catalogue/snippets/, one table per group
// box; the group boxes and pages they refer to live in catalogue_layout.h.
#pragma once

#include <string_view>

namespace quillo {

struct Place {
    int left;
    int top;
    int width;
    int height;
};

enum class EntryKind {
    Snippet, // a click writes the text into the code box
    Link,    // a click opens the text, an address
};

struct SnippetEntry {
    int number;               // 1 to 99; also the radio button's name 单选框N
    std::string_view caption; // UTF-8
    int group;                // 1 to 7
    Place place;              // inside the group box
    EntryKind kind;
    // UTF-8 with "\n" between lines. Empty for an entry whose text is not
    // written yet: a click on it leaves the code box alone.
    std::string_view text;
};

} // namespace quillo

namespace quillo {

constexpr SnippetEntry snippet(int group, int number, std::string_view caption, Place place,
                               std::string_view text)
{
    return {number, caption, group, place, EntryKind::Snippet, text};
}

} // namespace quillo
