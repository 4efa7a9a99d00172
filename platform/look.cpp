#include "platform/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QStyleFactory>

#include <algorithm>
#include <utility>

namespace quillo::platform {

namespace {

// First installed face wins; the setup script installs them all.
const QStringList kHeiFaces{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                            QStringLiteral("Noto Sans CJK SC")};
const QStringList kSongFaces{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};

constexpr int kGuiPixelSize = 12;

// Each Windows name's installed face, as prepareLook() found it.
QHash<QString, QString> &installedFaces()
{
    static QHash<QString, QString> faces;
    return faces;
}

} // namespace

QFont fontOf(const QString &family, int pixelSize)
{
    // Asked for by a name it only stands in for, a face costs Qt a sort of
    // every installed font for fallbacks at its first use (some 3 ms a name,
    // before the main window can show); by its own name it costs none.
    QFont font(installedFaces().value(family, family));
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
    const QStringList installed = QFontDatabase::families();
    for (const auto &[name, faces] : {std::pair{kYaHei, kHeiFaces}, std::pair{kSimSun, kSongFaces},
                                      std::pair{kSimSunLatin, kSongFaces}}) {
        const auto face = std::find_if(faces.begin(), faces.end(),
                                       [&installed](const QString &f) { return installed.contains(f); });
        if (face != faces.end())
            installedFaces().insert(name, *face);
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setFont(guiFont());
}

} // namespace quillo::platform
