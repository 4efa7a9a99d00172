// The program's look on Linux: the Windows font names the layouts use mapped
// to installed CJK faces, the classic style that draws group boxes with the
// caption in the frame line, and the default GUI font all controls start from.
#pragma once

#include <QFont>
#include <QString>

namespace quillo::platform {

inline const QString kYaHei = QStringLiteral("微软雅黑");
inline const QString kSimSun = QStringLiteral("宋体");
inline const QString kSimSunLatin = QStringLiteral("SimSun");

// A font by family and height in pixels, as the layouts give them.
QFont fontOf(const QString &family, int pixelSize);

// The default GUI font: a Song face at 12 pixels, as 9 points are at 96 DPI.
QFont guiFont();

// Call once, after the application object exists and before any widget.
void prepareLook();

} // namespace quillo::platform
