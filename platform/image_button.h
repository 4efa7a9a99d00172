// A button drawn from images: normal, pointer over and pressed. It fires
// clicked() only when the left button is released inside it, so a press that
// slides off and is released elsewhere does nothing.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace quillo::platform {

class ImageButton : public QWidget
{
    Q_OBJECT

public:
    enum class State { Normal, Hover, Pressed };

    // An empty hover or pressed image means the normal image in that state.
    ImageButton(const QPixmap &normal, const QPixmap &hover, const QPixmap &pressed,
                QWidget *parent);

    State state() const { return m_state; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setState(State state);
    const QPixmap &imageFor(State state) const;

    const QPixmap m_normal;
    const QPixmap m_hover;
    const QPixmap m_pressed;
    State m_state = State::Normal;
};

} // namespace quillo::platform
