// The update notice's controls, top of the stacking order last. Places are
// inside the parent's client area; the panel sits at (-1, -1) and overhangs
// the client area, which clips its right and bottom edges.
#pragma once

#include "platform/control_table.h"

#include <array>

namespace quillo::update_notice {

using platform::ControlKind;
using platform::ControlRow;
using platform::kBrandBlue;
using platform::kLightBlue;
using platform::kWhite;

// Outer size, the raised dialog frame included.
inline constexpr int kWidth = 380;
inline constexpr int kHeight = 250;
// Two raised lines and one line of the dialog face.
inline constexpr int kFrame = 3;

inline constexpr std::string_view kPanel = "图片框1";
inline constexpr std::string_view kHeader = "标签1";
inline constexpr std::string_view kDivider = "图片框2";
inline constexpr std::string_view kMessage = "标签2";
inline constexpr std::string_view kUpdate = "按钮1";
inline constexpr std::string_view kClose = "关闭";

inline constexpr std::array kHeaderGradient{kBrandBlue, kBrandBlue, kLightBlue};

// clang-format off
inline constexpr std::array kControls{
    ControlRow{kPanel, ControlKind::PictureBox, platform::kWindowParent, -1, -1, 378, 248,
               {.fill = kWhite}},
    ControlRow{kDivider, ControlKind::PictureBox, kPanel, 0, 31, 340, 1,
               {.fill = {233, 233, 233}}},
    ControlRow{kHeader, ControlKind::GradientLabel, kPanel, 0, 0, 60, 32,
               {.text = "更新", .textColour = kWhite, .font = {"微软雅黑", 12},
                .gradient = kHeaderGradient}},
    ControlRow{kClose, ControlKind::ImageButton, kPanel, 347, 6, 24, 24,
               {.images = {":/images/notice_close.png", ":/images/notice_close_hover.png",
                           ":/images/notice_close_pressed.png"}}},
    ControlRow{kMessage, ControlKind::Label, kPanel, 89, 89, 192, 64,
               {.text = "Quillo盒子有新版本啦！", .fill = kWhite, .textColour = {255, 0, 0},
                .centred = true}},
    ControlRow{kUpdate, ControlKind::PushButton, kPanel, 129, 177, 120, 32,
               {.text = "点击更新"}},
};
// clang-format on

} // namespace quillo::update_notice
