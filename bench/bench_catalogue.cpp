// In-process benchmarks of the two widget jobs a user waits on: building the
// catalogue view (start-up) and filling the code box after a click. Run by
// bench/run.sh on the offscreen platform; not a test, asserts no times.
#include "catalogue/catalogue_layout.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/code_box.h"
#include "platform/control_table.h"
#include "platform/look.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <memory>
#include <vector>

using namespace quillo;

namespace {

// Every block wrapped into lines at the box's width, as painting needs it.
int layOut(const CodeBox &box)
{
    QTextDocument *const document = box.document();
    QAbstractTextDocumentLayout *const layout = document->documentLayout();
    int lines = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block);
        lines += block.layout()->lineCount();
    }
    return lines;
}

} // namespace

class BenchCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void buildCatalogue();
    void entry98IntoCodeBox();
};

void BenchCatalogue::initTestCase()
{
    platform::prepareLook();
}

void BenchCatalogue::buildCatalogue()
{
    // As in the main window: under a hidden panel, polished before it shows.
    QWidget panel;
    panel.resize(800, 680);
    std::vector<std::unique_ptr<CatalogueView>> built;
    QBENCHMARK {
        auto view = std::make_unique<CatalogueView>(nullptr, &panel);
        view->setGeometry(8, 56, 800, 392);
        view->ensurePolished();
        built.push_back(std::move(view));
    }
    // What was timed is the whole catalogue, not a part of it.
    const CatalogueView &view = *built.front();
    QCOMPARE(view.findChildren<QRadioButton *>().size(), 99);
    QCOMPARE(view.findChildren<QGroupBox *>().size(), 7);
    QCOMPARE(view.tabBar()->count(), 3);
}

void BenchCatalogue::entry98IntoCodeBox()
{
    const SnippetEntry *const entry = catalogueEntry(98);
    QVERIFY(entry);
    if (entry->text.empty())
        QSKIP("entry 98 has no text yet: nothing to measure");
    const auto breaks = std::count(entry->text.begin(), entry->text.end(), '\n');
    // A final line break ends the last line; the document still has an empty
    // block after it.
    const auto lines = breaks + (entry->text.back() == '\n' ? 0 : 1);
    qInfo("entry 98: %lld lines", static_cast<long long>(lines));

    // The code box where the main window has it, on screen.
    QWidget window;
    window.resize(790, 679);
    CodeBox box(&window);
    box.setGeometry(0, 448, 790, 168);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    int wrapped = 0;
    QBENCHMARK {
        // What a click does: the entry's text as a QString into the box.
        box.setSnippet(platform::toQString(entry->text));
        wrapped = layOut(box);
    }
    QCOMPARE(box.document()->blockCount(), breaks + 1);
    QVERIFY(wrapped >= lines);
}

QTEST_MAIN(BenchCatalogue)
#include "bench_catalogue.moc"
