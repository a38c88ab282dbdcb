// The palette window offscreen: its pages and captions, where every shape stands, the paging
// buttons that stop at the ends, the help panel, and a fresh start at every load.

#include "palette/iconframe.h"
#include "platform/twips.h"
#include "forms/uifont.h"
#include "platform/winhelp.h"
#include "support/program.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {
Shapes *palette() { return Shapes::existing(); }
QPushButton *button(const char *name) { return palette()->findChild<QPushButton *>(QLatin1String(name)); }
QPlainTextEdit *helpText() { return palette()->findChild<QPlainTextEdit *>("HelpText"); }
bool helpShown() { return helpText() && helpText()->isVisible(); }

// The one page frame that is shown.
IconFrame *shownPage()
{
    IconFrame *shown = nullptr;
    for (IconFrame *frame : palette()->findChildren<IconFrame *>()) {
        if (frame->isVisibleTo(palette())) {
            if (shown)
                return nullptr; // two pages at once is a fault
            shown = frame;
        }
    }
    return shown;
}
} // namespace

class TestShapes : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }

    void loadsBesideTheWorkAreaAtPageOne()
    {
        Program program;
        program.create();
        QVERIFY(palette()->isVisible());
        QCOMPARE(palette()->windowTitle(), QStringLiteral("Shapes"));
        QCOMPARE(palette()->size(), Twips::size(2100, 5715));
        QCOMPARE(palette()->frameGeometry().topLeft(), QPoint(487, 33));
        QVERIFY(palette()->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(shownPage()->caption(), QStringLiteral("Mechanical Parts    1"));
        QCOMPARE(button("Help1")->text(), QStringLiteral("&Help"));
        QVERIFY(!helpShown());
    }

    void shapesRunDownTheColumns_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("1 top left") << 1 << 0 << 0 << 0;
        QTest::newRow("10 bottom left") << 10 << 0 << 0 << 9;
        QTest::newRow("11 top of column 2") << 11 << 0 << 1 << 0;
        QTest::newRow("17") << 17 << 0 << 1 << 6;
        QTest::newRow("40 bottom right") << 40 << 0 << 3 << 9;
        QTest::newRow("41 top left of page 2") << 41 << 1 << 0 << 0;
        QTest::newRow("240 bottom right of page 6") << 240 << 5 << 3 << 9;
    }
    void shapesRunDownTheColumns()
    {
        QFETCH(int, shape);
        QFETCH(int, page);
        QFETCH(int, column);
        QFETCH(int, row);
        Program program;
        program.create();
        IconFrame *frame = palette()->findChild<IconFrame *>(QStringLiteral("IconFrame%1").arg(page));
        const QRect where = Twips::rect(30 + 510 * column, 240 + 510 * row, 510, 510);
        QCOMPARE(frame->imageRect(shape), where);
        QCOMPARE(frame->shapeAt(where.center()), shape);
        // Above the first row is the caption: no image there, and so no shape 0 to drag.
        QCOMPARE(frame->shapeAt(QPoint(where.center().x(), 5)), 0);
    }

    void pagingStopsAtBothEnds()
    {
        Program program;
        program.create();
        const auto &captions = Shapes::pageCaptions();
        button("PrevFrame")->click();
        QCOMPARE(MGLOBAL::instance().PalettePage, 0);
        for (int page = 1; page <= 5; ++page) {
            button("NextFrame")->click();
            QCOMPARE(int(MGLOBAL::instance().PalettePage), page);
            QCOMPARE(shownPage()->caption(), captions[page]);
        }
        QCOMPARE(shownPage()->caption(), QStringLiteral("Misc.                     6"));
        button("NextFrame")->click();
        QCOMPARE(MGLOBAL::instance().PalettePage, 5);
        QCOMPARE(shownPage()->index(), 5);
        button("PrevFrame")->click();
        QCOMPARE(shownPage()->caption(), QStringLiteral("Kid's Fun Shapes    5"));
    }

    void helpPanelOpensAndCloses()
    {
        Program program;
        program.create();
        button("Help1")->click();
        QCOMPARE(button("Help1")->text(), QStringLiteral("&Close"));
        QVERIFY(helpShown());
        const QString text = helpText()->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("Click Left mouse button and hold down on any shape in 'Shapes'")));
        QVERIFY(text.endsWith(QStringLiteral("drag it to a new position.")));
        QCOMPARE(text.count(QStringLiteral("\n\n")), 4); // five paragraphs
        // All of it at once, in the program's font: no scroll bar, and the last line inside.
        QCOMPARE(helpText()->font(), UiFont::sansSerif(8.25));
        QCOMPARE(helpText()->verticalScrollBar()->maximum(), 0);
        // Paging leaves the panel open over the new page; typing changes nothing.
        button("NextFrame")->click();
        QVERIFY(helpShown());
        helpText()->setFocus();
        QTest::keyClicks(helpText(), QStringLiteral("xyz"));
        QCOMPARE(helpText()->toPlainText(), text);
        button("Help1")->click();
        QCOMPARE(button("Help1")->text(), QStringLiteral("&Help"));
        QVERIFY(!helpShown());
    }

    void theHelpTextJoinsParagraphsWithBlankLines()
    {
        const QString text = Shapes::helpText();
        QCOMPARE(text.count(QStringLiteral("\r\n\r\n")), 4);
        QVERIFY(!text.endsWith(QStringLiteral("\r\n")));
        QVERIFY(text.contains(QStringLiteral("Click << or >> button to select pages 1 to 6.")));
    }

    void everyLoadStartsAtPageOneWithThePanelClosed()
    {
        Program program;
        program.create();
        button("NextFrame")->click();
        button("NextFrame")->click();
        button("Help1")->click();
        WorkArea::Display::existing()->Exit1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Shapes::existing());
        program.create();
        QCOMPARE(MGLOBAL::instance().PalettePage, 0);
        QCOMPARE(shownPage()->index(), 0);
        QVERIFY(!helpShown());
        QCOMPARE(button("Help1")->text(), QStringLiteral("&Help"));
    }

    void aDragCarriesTheShapeNumber()
    {
        QMimeData data;
        QCOMPARE(Shapes::shapeOfDrag(&data), 0);
        data.setData(QLatin1String(Shapes::kMimeType), "17");
        QCOMPARE(Shapes::shapeOfDrag(&data), 17);
        for (const char *bad : {"0", "241", "-1", "x"}) {
            data.setData(QLatin1String(Shapes::kMimeType), bad);
            QCOMPARE(Shapes::shapeOfDrag(&data), 0);
        }
        data.setText(QStringLiteral("17"));
        data.removeFormat(QLatin1String(Shapes::kMimeType));
        QCOMPARE(Shapes::shapeOfDrag(&data), 0);
    }

    void f1OpensTheTopicOfTheWindowWithTheFocus()
    {
        QStringList topics;
        WinHelp::setLauncher([&](const QString &, const QStringList &args, const QString &) {
            topics << args.value(2);
            return true;
        });
        Program program;
        program.create();
        palette()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(palette()));
        QTest::keyClick(button("NextFrame"), Qt::Key_F1);
        program.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program.frame));
        QTest::keyClick(WorkArea::Display::existing()->findChild<QPushButton *>("HideShowGrids"), Qt::Key_F1);
        WinHelp::setLauncher(nullptr);
        QCOMPARE(topics, QStringList({"5", "4"}));
    }
};

QTEST_MAIN(TestShapes)
#include "test_shapes.moc"
