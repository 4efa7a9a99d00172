#include "platform/gradient_label.h"

#include <QPainter>

namespace quillo::platform {

Rgb gradientColumn(int x, int width, std::span<const Rgb> stops)
{
    if (stops.empty())
        return {0, 0, 0};
    const int segments = static_cast<int>(stops.size()) - 1;
    const int length = segments > 0 ? width / segments : 0;
    if (length <= 0)
        return stops.front();
    const int segment = x / length;
    if (segment >= segments)
        return stops.back();
    const Rgb from = stops[segment];
    const Rgb to = stops[segment + 1];
    const int along = x % length;
    const auto mix = [&](int a, int b) { return a + (b - a) * along / length; };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

GradientLabel::GradientLabel(const QString &text, std::span<const Rgb> stops,
                             const QColor &textColour, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
    , m_stops(stops.begin(), stops.end())
    , m_textColour(textColour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int x = 0; x < width(); ++x)
        painter.fillRect(x, 0, 1, height(), gradientColumn(x, width(), m_stops).toColor());
    painter.setPen(m_textColour);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_text);
}

} // namespace quillo::platform
