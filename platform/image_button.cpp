#include "platform/image_button.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

namespace quillo::platform {

namespace {

// Without its own interface the button would reach screen readers as a
// nameless-looking panel; this one is a button that can be pressed.
class AccessibleImageButton : public QAccessibleWidget
{
public:
    explicit AccessibleImageButton(QWidget *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            Q_EMIT static_cast<ImageButton *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *accessibleImageButton(const QString &className, QObject *object)
{
    if (className == QLatin1String(ImageButton::staticMetaObject.className())
        && object->isWidgetType())
        return new AccessibleImageButton(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ImageButton::ImageButton(const QIcon &normal, const QIcon &hover, const QIcon &pressed,
                         QWidget *parent)
    : QWidget(parent)
    , m_normal(normal)
    , m_hover(hover)
    , m_pressed(pressed)
{
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleImageButton);
        return true;
    }();
    Q_UNUSED(accessible);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    // At twice the density the @2x image lands pixel for pixel; scaling the
    // plain one up would blur the cross.
    QPainter painter(this);
    painter.drawPixmap(0, 0, imageFor(m_state).pixmap(size(), devicePixelRatioF()));
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    setState(event->buttons() & Qt::LeftButton ? State::Pressed : State::Hover);
}

void ImageButton::leaveEvent(QEvent *)
{
    setState(State::Normal);
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!rect().contains(event->position().toPoint()))
        setState(State::Normal);
    else
        setState(event->buttons() & Qt::LeftButton ? State::Pressed : State::Hover);
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setState(State::Pressed);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    setState(State::Normal);
    if (inside)
        Q_EMIT clicked();
}

void ImageButton::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    update();
}

const QIcon &ImageButton::imageFor(State state) const
{
    switch (state) {
    case State::Hover:
        return m_hover.isNull() ? m_normal : m_hover;
    case State::Pressed:
        return m_pressed.isNull() ? m_normal : m_pressed;
    case State::Normal:
        break;
    }
    return m_normal;
}

QIcon loadImage(const QString &path)
{
    QIcon image;
    const QPixmap plain(path);
    if (plain.isNull())
        return image;
    image.addPixmap(plain);
    const QFileInfo file(path);
    // Qt reads the density from the "@2x" in the name.
    const QPixmap twice(file.path() + QLatin1Char('/') + file.completeBaseName()
                        + QStringLiteral("@2x.") + file.suffix());
    if (!twice.isNull())
        image.addPixmap(twice);
    return image;
}

} // namespace quillo::platform
