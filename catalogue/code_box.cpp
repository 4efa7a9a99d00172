#include "catalogue/code_box.h"

#include "platform/look.h"

namespace quillo {

namespace {

constexpr int kFontPixelSize = 12; // 9 points at 96 DPI
constexpr qreal kTabStopPixels = 48; // half an inch, as rich edit boxes keep them

} // namespace

CodeBox::CodeBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setFont(platform::fontOf(platform::kSimSun, kFontPixelSize));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setTabStopDistance(kTabStopPixels);
    setTabChangesFocus(false);

    // The selection shows only while the box has the focus.
    QPalette look = palette();
    look.setColor(QPalette::Inactive, QPalette::Highlight, look.color(QPalette::Inactive, QPalette::Base));
    look.setColor(QPalette::Inactive, QPalette::HighlightedText,
                  look.color(QPalette::Inactive, QPalette::Text));
    setPalette(look);
}

void CodeBox::setSnippet(const QString &text)
{
    setPlainText(text);
}

} // namespace quillo
