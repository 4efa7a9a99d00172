#include "platform/look.h"

#include <QApplication>
#include <QStyleFactory>

namespace quillo::platform {

namespace {

// First installed face wins; the setup script installs them all.
const QStringList kHeiFaces{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                            QStringLiteral("Noto Sans CJK SC")};
const QStringList kSongFaces{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};

constexpr int kGuiPixelSize = 12;

} // namespace

QFont fontOf(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferDefault);
    return font;
}

QFont guiFont()
{
    return fontOf(kSimSun, kGuiPixelSize);
}

void prepareLook()
{
    QFont::insertSubstitutions(kYaHei, kHeiFaces);
    QFont::insertSubstitutions(kSimSun, kSongFaces);
    QFont::insertSubstitutions(kSimSunLatin, kSongFaces);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setFont(guiFont());
}

} // namespace quillo::platform
