// The code box TXT: plain text that wraps at the box's width, editable,
// in the Song face at 9 points, with no limit on its length.
#pragma once

#include <QPlainTextEdit>

namespace quillo {

class CodeBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CodeBox(QWidget *parent);

    // Replaces the whole content; the caret and scroll position stay
    // wherever the replacement leaves them.
    void setSnippet(const QString &text);
};

} // namespace quillo
