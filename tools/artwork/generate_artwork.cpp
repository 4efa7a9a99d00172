// Draws the program's PNG artwork into resources/. The images are small and
// pixel-exact, so they are drawn pixel by pixel rather than scaled; a scale
// factor draws the same picture for high-density screens (name@2x.png). The
// program icon is drawn afresh at every size a desktop theme asks for.
//
//   quillo-artwork <resources dir>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kButton = 24;

struct Cross {
    QColor background;
    QColor core;
    QColor edge;
    int first; // first and last logical column and row the cross spans
    int last;
    int right = 0; // columns moved right, rows staying where they are
};

QImage blank(int scale, const QColor &fill)
{
    QImage image(kButton * scale, kButton * scale, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Logical coordinates of a device pixel's centre, in logical pixel units.
double logical(int device, int scale)
{
    return (device + 0.5) / scale - 0.5;
}

QImage cross(const Cross &c, int scale)
{
    QImage image = blank(scale, c.background);
    const double low = c.first - 0.5;
    const double high = c.last + 0.5;
    for (int py = 0; py < image.height(); ++py) {
        for (int px = 0; px < image.width(); ++px) {
            const double x = logical(px, scale) - c.right;
            const double y = logical(py, scale);
            if (x < low || x > high || y < low || y > high)
                continue;
            const double down = std::abs((x - c.first) - (y - c.first)) / std::sqrt(2.0);
            const double up = std::abs((x - c.first) - (c.last - y)) / std::sqrt(2.0);
            const double d = std::min(down, up);
            if (d < 0.36)
                image.setPixelColor(px, py, c.core);
            else if (d < 0.75)
                image.setPixelColor(px, py, c.edge);
        }
    }
    return image;
}

// Draws with a one-logical-pixel pen, without anti-aliasing.
QImage lines(int scale, const QColor &fill, const std::function<void(QPainter &)> &draw)
{
    QImage image = blank(scale, fill);
    QPainter painter(&image);
    painter.scale(scale, scale);
    draw(painter);
    return image;
}

QImage feedback(int scale, const QColor &ink)
{
    return lines(scale, QColor(3, 155, 229), [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const auto dot = [&](int x, int y) { p.drawRect(x, y, 1, 1); };
        const auto line = [&](int x0, int y0, int x1, int y1) {
            const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
            for (int i = 0; i <= steps; ++i)
                dot(x0 + (x1 - x0) * i / std::max(steps, 1), y0 + (y1 - y0) * i / std::max(steps, 1));
        };
        // A pencil at 45 degrees, point at the lower left, on a base line.
        line(7, 15, 8, 12);   // point, upper side
        line(7, 15, 10, 14);  // point, lower side
        line(8, 12, 14, 6);   // upper edge of the body
        line(10, 14, 16, 8);  // lower edge of the body
        line(14, 6, 16, 8);   // the end
        line(8, 12, 10, 14);  // where the point meets the body
        line(7, 16, 17, 16);  // base line
    });
}

QImage minimize(int scale, const QColor &bar, const QColor &shade)
{
    return lines(scale, QColor(3, 155, 229), [&](QPainter &p) {
        p.fillRect(6, 12, 13, 1, bar);
        p.fillRect(6, 13, 13, 1, shade);
    });
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 108, 245));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QPen pen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath w;
    w.moveTo(3.2, 4.8);
    w.lineTo(5.4, 11.2);
    w.lineTo(8.0, 6.2);
    w.lineTo(10.6, 11.2);
    w.lineTo(12.8, 4.8);
    p.drawPath(w);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 84, 108));
    p.drawEllipse(QRectF(11.6, 11.6, 3.4, 3.4));
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources dir>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("images"));
    out.mkpath(QStringLiteral("icons"));

    const QColor blue(3, 155, 229);
    const QColor white(255, 255, 255);
    const QColor paleBlue(134, 199, 233);
    bool ok = true;
    for (const int scale : {1, 2}) {
        const auto image = [&](const char *name, const QImage &picture) {
            const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
            const QString file = QStringLiteral("images/%1%2.png").arg(QLatin1String(name), suffix);
            ok = save(picture, out.filePath(file)) && ok;
        };
        image("feedback", feedback(scale, white));
        image("feedback_hover", feedback(scale, paleBlue));
        image("minimize", minimize(scale, white, QColor(53, 175, 234)));
        image("minimize_hover", minimize(scale, paleBlue, QColor(29, 164, 230)));
        image("close", cross({blue, QColor(233, 246, 253), QColor(65, 180, 235), 6, 16}, scale));
        image("close_hover",
              cross({blue, QColor(233, 220, 152), QColor(65, 180, 235), 6, 16}, scale));
        image("close_pressed",
              cross({blue, QColor(223, 107, 144), QColor(63, 142, 206), 6, 16}, scale));
        image("notice_close",
              cross({white, QColor(24, 186, 246), QColor(192, 236, 253), 6, 16}, scale));
        image("notice_close_hover",
              cross({white, QColor(243, 92, 109), QColor(252, 211, 216), 6, 16, 1}, scale));
        image("notice_close_pressed",
              cross({white, QColor(243, 71, 110), QColor(252, 206, 216), 6, 16, 1}, scale));
    }
    // The windows' own icon, built into the program.
    ok = save(icon(16), out.filePath(QStringLiteral("icons/quillo.png"))) && ok;
    // The sizes of the hicolor theme; the build installs them under the
    // application id.
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        ok = save(icon(size), out.filePath(QStringLiteral("icons/quillo-%1.png").arg(size))) && ok;
    return ok ? 0 : 1;
}
