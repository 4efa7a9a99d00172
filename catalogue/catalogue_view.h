// The tab control that holds the catalogue: three headers over a white page
// area, and the seven group boxes with their entries' radio buttons as its
// own children, shown page by page. A click on an entry either hands its
// text to snippetChosen() or opens its address.
#pragma once

#include "catalogue/snippet_entry.h"
#include "platform/url_opener.h"

#include <QWidget>

class QGroupBox;
class QTabBar;

namespace quillo {

class CatalogueView : public QWidget
{
    Q_OBJECT

public:
    CatalogueView(platform::OpenUrl openUrl, QWidget *parent);

    QTabBar *tabBar() const { return m_tabBar; }
    int currentPage() const; // 1 to 3

Q_SIGNALS:
    void snippetChosen(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showPage(int index);
    void activate(const SnippetEntry &entry);

    const platform::OpenUrl m_openUrl;
    QTabBar *const m_tabBar;
    struct PageGroup {
        QGroupBox *box;
        int page;
    };
    QList<PageGroup> m_groups;
};

} // namespace quillo
