// A one-line link. The left button's press opens its address; when the
// desktop refuses, the fallback opener is tried. The caption turns dark red
// once the address has been opened, and back when a later attempt fails.
#pragma once

#include "platform/url_opener.h"

#include <QColor>
#include <QWidget>

namespace quillo::platform {

class HyperlinkLabel : public QWidget
{
    Q_OBJECT

public:
    HyperlinkLabel(const QString &caption, const QString &address, OpenUrl open,
                   OpenUrl fallback, QWidget *parent);

    bool isVisited() const { return m_visited; }
    bool isHovered() const { return m_hovered; }
    QColor captionColour() const;

    static inline const QColor kNormalColour{3, 155, 229};
    static inline const QColor kHoverColour{51, 153, 255};
    static inline const QColor kVisitedColour{128, 0, 0};

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setHovered(bool hovered);

    const QString m_caption;
    const QString m_address;
    const OpenUrl m_open;
    const OpenUrl m_fallback;
    bool m_hovered = false;
    bool m_visited = false;
};

} // namespace quillo::platform
