#include "platform/control_table.h"

#include "platform/flat_colour_button.h"
#include "platform/gradient_label.h"
#include "platform/hyperlink_label.h"
#include "platform/image_button.h"
#include "platform/look.h"

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QPushButton>

namespace quillo::platform {

QColor Rgb::toColor() const
{
    return QColor(red, green, blue);
}

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

namespace {

void setTextColour(QWidget *widget, const Rgb &colour)
{
    QPalette palette = widget->palette();
    // Disabled labels keep their colour: they are disabled only so presses
    // fall through them.
    palette.setColor(QPalette::All, QPalette::WindowText, colour.toColor());
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colour.toColor());
    widget->setPalette(palette);
}

void setFill(QWidget *widget, const Rgb &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour.toColor());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel *makeLabel(const ControlRow &row, QWidget *parent)
{
    auto *label = new QLabel(toQString(row.look.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(row.look.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(false);
    setTextColour(label, row.look.textColour);
    return label;
}

QWidget *makeControl(const ControlRow &row, QWidget *parent, const BuildServices &services)
{
    const Look &look = row.look;
    switch (row.kind) {
    case ControlKind::PictureBox: {
        auto *box = new QWidget(parent);
        setFill(box, look.fill);
        return box;
    }
    case ControlKind::TransparentLabel: {
        QLabel *label = makeLabel(row, parent);
        label->setEnabled(false);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    }
    case ControlKind::Label: {
        QLabel *label = makeLabel(row, parent);
        setFill(label, look.fill);
        return label;
    }
    case ControlKind::GradientLabel:
        return new GradientLabel(toQString(look.text), look.gradient, look.textColour.toColor(),
                                 parent);
    case ControlKind::ImageButton:
        return new ImageButton(loadImage(toQString(look.images.normal)),
                               loadImage(toQString(look.images.hover)),
                               loadImage(toQString(look.images.pressed)), parent);
    case ControlKind::FlatColourButton:
        return new FlatColourButton(toQString(look.text), look.fill.toColor(),
                                    look.textColour.toColor(), parent);
    case ControlKind::PushButton: {
        auto *button = new QPushButton(toQString(look.text), parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::HyperlinkLabel:
        return new HyperlinkLabel(toQString(look.text), toQString(look.address), services.openUrl,
                                  services.fallbackOpenUrl, parent);
    case ControlKind::Custom:
        return services.custom ? services.custom(row, parent) : nullptr;
    }
    return nullptr;
}

} // namespace

std::vector<QWidget *> buildControls(QWidget *window, std::span<const ControlRow> rows,
                                     const BuildServices &services)
{
    QHash<QString, QWidget *> byName;
    std::vector<QWidget *> built;
    built.reserve(rows.size());
    for (const ControlRow &row : rows) {
        QWidget *parent = row.parent == kWindowParent ? window : byName.value(toQString(row.parent));
        Q_ASSERT_X(parent, "buildControls", "a parent row must come before its children");
        QWidget *control = makeControl(row, parent, services);
        Q_ASSERT_X(control, "buildControls", "no widget for a row");
        const QString name = toQString(row.name);
        control->setObjectName(name);
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (!row.look.font.family.empty())
            control->setFont(fontOf(toQString(row.look.font.family), row.look.font.pixelSize));
        control->setAccessibleName(toQString(!row.look.tooltip.empty() ? row.look.tooltip
                                             : !row.look.text.empty()  ? row.look.text
                                                                       : row.name));
        byName.insert(name, control);
        built.push_back(control);
    }
    return built;
}

} // namespace quillo::platform
