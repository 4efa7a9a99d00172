// A push button of one flat colour with a caption of another. At rest it has
// no frame; under the pointer it shows a raised one-pixel border, and a
// sunken one while pressed. It never draws a focus rectangle.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace quillo::platform {

class FlatColourButton : public QAbstractButton
{
    Q_OBJECT

public:
    FlatColourButton(const QString &caption, const QColor &background, const QColor &captionColour,
                     QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    const QColor m_background;
    const QColor m_captionColour;
    bool m_hovered = false;
};

} // namespace quillo::platform
