#include "catalogue/snippet_radio_button.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace quillo {

namespace {

constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

} // namespace

SnippetRadioButton::SnippetRadioButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
}

QRect SnippetRadioButton::captionRect() const
{
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
    return rect().adjusted(indicator + spacing, 0, 0, 0);
}

void SnippetRadioButton::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QPainter painter(this);

    const int indicatorWidth = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    const int indicatorHeight = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this);
    QStyleOptionButton indicator = option;
    indicator.rect = QRect(0, (height() - indicatorHeight) / 2, indicatorWidth, indicatorHeight);
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &indicator, &painter, this);

    const QRect area = captionRect();
    painter.setPen(palette().color(QPalette::WindowText));
    QRect used;
    painter.drawText(area, kCaptionFlags, text(), &used);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = used.adjusted(-1, 0, 1, 0).intersected(rect());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool SnippetRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace quillo
