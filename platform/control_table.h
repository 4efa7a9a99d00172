// Window layouts as data. A window describes its controls in a table of rows
// (name, kind, parent, place, look); buildControls() turns the table into
// widgets in one loop, in table order, which is also the stacking order
// (later rows lie above earlier ones with the same parent).
#pragma once

#include "platform/url_opener.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

class QColor;

namespace quillo::platform {

struct Rgb {
    int red;
    int green;
    int blue;
    QColor toColor() const;
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr Rgb kBrandBlue{3, 155, 229};
inline constexpr Rgb kLightBlue{62, 191, 253};
inline constexpr Rgb kWhite{255, 255, 255};

enum class ControlKind {
    PictureBox,       // solid fill; a drag surface in windows that move
    TransparentLabel, // text on whatever lies below; presses fall through
    Label,            // text on its own background
    GradientLabel,    // text on a horizontal gradient
    ImageButton,
    FlatColourButton,
    PushButton,
    HyperlinkLabel,
    Custom, // made by the window's own factory (tab control, code box)
};

struct ImageSet {
    std::string_view normal = {};  // resource path
    std::string_view hover = {};   // empty: the normal image
    std::string_view pressed = {}; // empty: the normal image
};

struct FontSpec {
    std::string_view family = {}; // empty: the default GUI font
    int pixelSize = 0;       // 0: the family's default size
};

struct Look {
    std::string_view text = {};
    Rgb fill = {255, 255, 255};
    Rgb textColour = {0, 0, 0};
    FontSpec font = {};
    ImageSet images = {};
    std::string_view tooltip = {};
    std::string_view address = {};      // hyperlink label
    std::span<const Rgb> gradient = {}; // gradient label: evenly spaced stops
    bool centred = false;     // text centred; otherwise left and vertically centred
};

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view parent; // a row's name, or kWindowParent
    int left;
    int top;
    int width;
    int height;
    Look look = {};
};

inline constexpr std::string_view kWindowParent = "";

// What some kinds need from outside the table.
struct BuildServices {
    OpenUrl openUrl;         // hyperlink labels
    OpenUrl fallbackOpenUrl; // hyperlink labels, when openUrl fails
    // Makes the widget of a Custom row under the given parent.
    std::function<QWidget *(const ControlRow &, QWidget *parent)> custom;
};

// Builds every row's widget, named after the row, and returns them in table
// order. Parents must come before their children.
std::vector<QWidget *> buildControls(QWidget *window, std::span<const ControlRow> rows,
                                     const BuildServices &services = {});

QString toQString(std::string_view utf8);

// The control a window's table named, by its kind.
template <typename T>
T *control(const QWidget *window, std::string_view name)
{
    return window->findChild<T *>(toQString(name));
}

} // namespace quillo::platform
