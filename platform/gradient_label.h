// A label on a horizontal gradient through evenly spaced colour stops,
// computed column by column in whole numbers so every pixel is known.
#pragma once

#include "platform/control_table.h"

#include <QWidget>

#include <span>
#include <vector>

namespace quillo::platform {

// The colour of column x in a gradient `width` pixels wide.
Rgb gradientColumn(int x, int width, std::span<const Rgb> stops);

class GradientLabel : public QWidget
{
    Q_OBJECT

public:
    GradientLabel(const QString &text, std::span<const Rgb> stops, const QColor &textColour,
                  QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QString m_text;
    const std::vector<Rgb> m_stops;
    const QColor m_textColour;
};

} // namespace quillo::platform
