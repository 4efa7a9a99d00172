// The bare Qt window Quillo's start-up is measured against: frameless,
// 790 x 679, painted once with Chinese text in the faces Quillo's fonts map
// to. It links Qt Widgets and nothing of ours, so it is the floor any Qt
// Widgets program of that size starts from. It ends when its window closes.
#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QWidget>

namespace {

QFont face(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

class BareWindow : public QWidget
{
public:
    BareWindow()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setWindowTitle(QStringLiteral("baseline"));
        setFixedSize(790, 679);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(3, 155, 229));
        painter.setPen(Qt::white);
        // The Hei face of the title and the Song face of the catalogue and
        // the code box, as Quillo's substitutions resolve them.
        painter.setFont(face(QStringLiteral("WenQuanYi Micro Hei"), 14));
        painter.drawText(QRect(14, 14, 338, 24), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("基础标签 拓展标签 基础功能"));
        painter.setFont(face(QStringLiteral("AR PL UMing CN"), 12));
        painter.drawText(QRect(14, 60, 700, 24), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("常用全局标签，整站都可以用"));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
