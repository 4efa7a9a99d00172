// The main window's controls, top of the stacking order last. Places are
// inside the parent's client area; the panel sits at (-8, 0), so its
// children lie 8 pixels further left on screen than their places say.
#pragma once

#include "app/makers_site.h"
#include "platform/control_table.h"

#include <array>

namespace quillo::main_window {

using platform::ControlKind;
using platform::ControlRow;
using platform::kBrandBlue;
using platform::kLightBlue;
using platform::kWhite;

inline constexpr int kWidth = 790;
inline constexpr int kHeight = 679;
inline constexpr auto kTitle = "Quillo - Tessaly";

inline constexpr std::string_view kPanel = "图片框2";
inline constexpr std::string_view kFeedback = "反馈";
inline constexpr std::string_view kMinimize = "最小化";
inline constexpr std::string_view kClose = "关闭";
inline constexpr std::string_view kCatalogue = "高级选择夹1";
inline constexpr std::string_view kCodeBox = "TXT";
inline constexpr std::string_view kSubmitCode = "超级按钮1";
inline constexpr std::string_view kJoinUs = "超级链接框1";

// clang-format off
inline constexpr std::array kControls{
    ControlRow{kPanel, ControlKind::PictureBox, platform::kWindowParent, -8, 0, 800, 680,
               {.fill = kBrandBlue}},
    ControlRow{"透明标签2", ControlKind::TransparentLabel, kPanel, 14, 14, 338, 24,
               {.text = kTitleText.view(), .textColour = kWhite, .font = {"微软雅黑", 14}}},
    ControlRow{kFeedback, ControlKind::ImageButton, kPanel, 695, 13, 24, 24,
               {.images = {":/images/feedback.png", ":/images/feedback_hover.png", ""},
                .tooltip = "反馈"}},
    ControlRow{"图片框4", ControlKind::PictureBox, kPanel, 724, 18, 1, 14,
               {.fill = kLightBlue}},
    ControlRow{kMinimize, ControlKind::ImageButton, kPanel, 733, 13, 24, 24,
               {.images = {":/images/minimize.png", ":/images/minimize_hover.png", ""},
                .tooltip = "最小化"}},
    ControlRow{kClose, ControlKind::ImageButton, kPanel, 763, 13, 24, 24,
               {.images = {":/images/close.png", ":/images/close_hover.png",
                           ":/images/close_pressed.png"},
                .tooltip = "关闭"}},
    ControlRow{kCatalogue, ControlKind::Custom, kPanel, 8, 56, 800, 392},
    ControlRow{kCodeBox, ControlKind::Custom, platform::kWindowParent, 0, 448, 790, 168},
    ControlRow{"透明标签1", ControlKind::TransparentLabel, kPanel, 16, 633, 64, 16,
               {.text = "版本：1.0", .textColour = kWhite, .font = {"微软雅黑", 12}}},
    ControlRow{kSubmitCode, ControlKind::FlatColourButton, kPanel, 280, 632, 200, 24,
               {.text = "提交更多代码，一起完善Quillo盒子", .fill = kBrandBlue,
                .textColour = {255, 0, 0}}},
    ControlRow{kJoinUs, ControlKind::HyperlinkLabel, kPanel, 716, 633, 60, 16,
               {.text = "加入我们", .font = {"微软雅黑", 12},
                .address = kChatGroupInvitation.view()}},
};
// clang-format on

} // namespace quillo::main_window
