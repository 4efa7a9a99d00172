// A catalogue entry's radio button. Qt's radio button keeps its caption on
// one line; several entries are two or three lines tall, so this one wraps
// its caption in the space its place gives it.
#pragma once

#include <QRadioButton>

namespace quillo {

class SnippetRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    SnippetRadioButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect captionRect() const;
};

} // namespace quillo
