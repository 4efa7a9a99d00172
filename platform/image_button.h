// A button drawn from images: normal, pointer over and pressed. It fires
// clicked() only when the left button is released inside it, so a press that
// slides off and is released elsewhere does nothing. Each image may come at
// several pixel densities; the button paints the one that fits its screen.
#pragma once

#include <QIcon>
#include <QWidget>

namespace quillo::platform {

class ImageButton : public QWidget
{
    Q_OBJECT

public:
    enum class State { Normal, Hover, Pressed };

    // An empty hover or pressed image means the normal image in that state.
    ImageButton(const QIcon &normal, const QIcon &hover, const QIcon &pressed, QWidget *parent);

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
    const QIcon &imageFor(State state) const;

    const QIcon m_normal;
    const QIcon m_hover;
    const QIcon m_pressed;
    State m_state = State::Normal;
};

// The image at path together with its "@2x" twin when one exists beside it
// (close.png and close@2x.png); empty when path is empty or unreadable. Qt
// itself only looks for the twin when the whole program runs at twice the
// density, which misses a window moved to a denser screen.
QIcon loadImage(const QString &path);

} // namespace quillo::platform
