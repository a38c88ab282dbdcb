// The palette window offscreen: where every shape stands and how a page is drawn, the paging
// buttons that stop at the ends, the read-only help panel, and a fresh start at every load.

#include "palette/shapepage.h"

#include "shapeicons.h"
#include "twips.h"

#include "support/program.h"

#include <QClipboard>
#include <QDrag>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {
Shapes *palette() { return Shapes::existing(); }
QPushButton *button(const char *name) { return palette()->findChild<QPushButton *>(QLatin1String(name)); }
QPlainTextEdit *helpText() { return palette()->findChild<QPlainTextEdit *>("HelpText"); }
bool helpShown() { return helpText() && helpText()->isVisible(); }

// The one page that is shown, or -1 when none or more than one is.
int shownPage()
{
    int shown = -1;
    for (ShapePage *frame : palette()->findChildren<ShapePage *>()) {
        if (frame->isVisibleTo(palette()))
            shown = shown < 0 ? frame->index() : 99;
    }
    return shown < 6 ? shown : -1;
}

// Counts the key presses that reach a widget, those the widget below it did not take, but for
// Shift, Ctrl, Alt and Meta by themselves, which type nothing.
struct KeysReaching : QObject {
    int presses = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)->key() : 0;
        presses += key != 0 && (key < Qt::Key_Shift || key > Qt::Key_Alt);
        return false;
    }
};
} // namespace

class TestShapes : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }

    void everyLoadStartsBesideTheWorkAreaAtPageOne()
    {
        Program program(Program::InWorkArea);
        QCOMPARE(palette()->frameGeometry().topLeft(), QPoint(487, 33));
        QCOMPARE(shownPage(), 0);
        button("NextFrame")->click();
        button("Help1")->click();
        WorkArea::Display::existing()->Exit1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Shapes::existing());
        program.create();
        QCOMPARE(MGLOBAL::instance().PalettePage, 0);
        QCOMPARE(shownPage(), 0);
        QVERIFY(!helpShown());
        QCOMPARE(button("Help1")->text(), QStringLiteral("&Help"));
    }

    // Ten down a column, four columns a page; above the first row is the caption, with no shape.
    void shapesRunDownTheColumns()
    {
        Program program(Program::InWorkArea);
        using Place = std::array<int, 4>; // shape, page, column, row
        for (const auto &[shape, page, column, row] : {Place{1, 0, 0, 0}, {10, 0, 0, 9}, {11, 0, 1, 0}, {40, 0, 3, 9}, {41, 1, 0, 0},
                                                       {240, 5, 3, 9}}) {
            auto *frame = palette()->findChild<ShapePage *>(QStringLiteral("IconFrame%1").arg(page));
            const QRect where = Twips::rect(30 + 510 * column, 240 + 510 * row, 510, 510);
            QCOMPARE(frame->imageRect(shape), where);
            QCOMPARE(frame->shapeAt(where.center()), shape);
            QCOMPARE(frame->shapeAt(QPoint(where.center().x(), 5)), 0);
        }
    }

    // A page as drawn: a grey border from half-way down the caption, white lines between the
    // shapes that stop at the border, every shape in its box.
    void pagesAsDrawn()
    {
        Program program(Program::InWorkArea);
        for (int page : {0, 5}) {
            auto *frame = palette()->findChild<ShapePage *>(QStringLiteral("IconFrame%1").arg(page));
            const QImage drawn = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int middle = frame->fontMetrics().height() / 2, right = drawn.width() - 1, bottom = drawn.height() - 1;
            QCOMPARE(drawn.pixel(0, middle - 1), qRgb(0, 0, 0));
            QCOMPARE(drawn.pixel(0, middle), qRgb(0x80, 0x80, 0x80));
            QCOMPARE(drawn.pixel(right, bottom), qRgb(0x80, 0x80, 0x80));
            QCOMPARE(drawn.pixel(Twips::toPx(300), bottom), qRgb(0x80, 0x80, 0x80)); // no row line on the border
            for (int y = Twips::toPx(240) + 1; y < Twips::toPx(750); ++y) // nothing past the last column
                QCOMPARE(drawn.pixel(right, y), qRgb(0x80, 0x80, 0x80));
            for (const QPoint &onLine : {QPoint(Twips::toPx(540), bottom), QPoint(Twips::toPx(1560), bottom),
                                         QPoint(right - 1, Twips::toPx(240)), QPoint(right - 1, Twips::toPx(240 + 510 * 9))})
                QCOMPARE(drawn.pixel(onLine), qRgb(255, 255, 255));
            for (int shape = 40 * page + 1; shape <= 40 * page + 40; shape += 13) {
                QImage icon(ShapeIcons::image(shape).size(), QImage::Format_RGB32);
                icon.fill(Qt::black);
                QPainter(&icon).drawImage(0, 0, ShapeIcons::image(shape));
                // Its top row and left column lie under the lines.
                const QRect inner(1, 1, icon.width() - 1, icon.height() - 1);
                QCOMPARE(drawn.copy(inner.translated(frame->imageRect(shape).topLeft())), icon.copy(inner));
            }
        }
    }

    void pagingStopsAtBothEnds()
    {
        Program program(Program::InWorkArea);
        button("PrevFrame")->click();
        QCOMPARE(shownPage(), 0);
        for (int page = 1; page <= 6; ++page) {
            button("NextFrame")->click();
            QCOMPARE(int(MGLOBAL::instance().PalettePage), std::min(page, 5));
            QCOMPARE(shownPage(), std::min(page, 5));
        }
        QTest::keyClick(button("PrevFrame"), Qt::Key_Return); // Enter presses the focused button
        QCOMPARE(shownPage(), 4);
    }

    // The panel shows its five paragraphs at once, over the page, and stays over other pages. It
    // is read only: every character typed, with Ctrl or Alt too, is taken (with a beep) and goes no
    // further. Shift+End still selects, Tab and Shift+Tab leave it, Alt+C is still "&Close".
    void helpPanel()
    {
        Program program(Program::InWorkArea);
        button("Help1")->click();
        QCOMPARE(button("Help1")->text(), QStringLiteral("&Close"));
        QVERIFY(helpShown());
        const QString text = helpText()->toPlainText();
        QCOMPARE(text, "Click Left mouse button and hold down on any shape in 'Shapes', then drag to box in the main work "
                       "area and release it.\n\nTo delete a shape in a work area box, Right click on it or click 'Undo' "
                       "button.\n\nTwo parts can be put in the same box, the first one goes to the back and the second "
                       "one on top of it.\n\nClick << or >> button to select pages 1 to 6.\n\nLeft click on 'Shapes' "
                       "title bar and drag it to a new position.");
        QCOMPARE(helpText()->verticalScrollBar()->maximum(), 0);
        QCOMPARE(palette()->childAt(helpText()->geometry().center()), helpText()->viewport()); // over the page
        button("NextFrame")->click();
        QVERIFY(helpShown());

        palette()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(palette()));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        KeysReaching beyond;
        palette()->installEventFilter(&beyond);
        helpText()->setFocus();
        QTest::keyClick(helpText(), Qt::Key_End, Qt::ShiftModifier);
        const QString selected = helpText()->textCursor().selectedText();
        QVERIFY(!selected.isEmpty());
        for (const auto &[key, modifiers] : {std::pair{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
                                             {Qt::Key_Q, Qt::AltModifier}, {Qt::Key_X, Qt::NoModifier},
                                             {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier}})
            QTest::keyClick(helpText(), key, modifiers);
        QCOMPARE(helpText()->textCursor().selectedText(), selected);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(beyond.presses, 0);
        palette()->removeEventFilter(&beyond);
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            helpText()->setFocus();
            QTest::keyClick(helpText(), key);
            QVERIFY(palette()->focusWidget() != helpText());
        }
        QCOMPARE(helpText()->toPlainText(), text);
        helpText()->setFocus();
        QTest::keyClick(helpText(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!helpShown());
        QCOMPARE(button("Help1")->text(), QStringLiteral("&Help"));
    }

    // The pointer becomes the shape's picture, with nothing dragged beside it.
    void aDragShowsTheShapeAsThePointer()
    {
        Program program(Program::InWorkArea);
        auto *frame = palette()->findChild<ShapePage *>(QStringLiteral("IconFrame0"));
        QTest::mousePress(frame, Qt::LeftButton, {}, frame->imageRect(7).center());
        auto *drag = palette()->findChild<QDrag *>();
        QVERIFY(drag);
        QCOMPARE(drag->pixmap().size(), QSize(1, 1));
        QCOMPARE(drag->pixmap().toImage().pixelColor(0, 0).alpha(), 0);
        QCOMPARE(drag->dragCursor(Qt::CopyAction).toImage(), QPixmap::fromImage(ShapeIcons::image(7)).toImage());
    }

    // A window manager may minimize the palette, which has no minimize box: it comes back at once.
    void aMinimizedPaletteComesBackUnlessTheFrameWentToo()
    {
        for (const bool frameDown : {false, true}) {
            Program program(Program::InWorkArea);
            if (frameDown)
                program.frame->setWindowState(Qt::WindowMinimized);
            palette()->setWindowState(Qt::WindowMinimized);
            QCOMPARE(QTest::qWaitFor([&] { return !palette()->isMinimized(); }, 1000), !frameDown);
        }
    }
};

QTEST_MAIN(TestShapes)
#include "test_shapes.moc"
