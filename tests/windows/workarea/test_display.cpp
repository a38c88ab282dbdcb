// The work-area window offscreen: the grid, drags and presses through its events, the undo dialog,
// every way to lose the model. Questions get Yes or No; closing one otherwise is No (its own test).

#include "workareapainter.h"

#include "support/dialogscript.h"
#include "support/program.h"

#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QPushButton>

using D = DialogScript;

namespace {
const QColor kGreen(0, 128, 0);

QPushButton *button(WorkArea::Display *d, const char *name) { return d->findChild<QPushButton *>(QLatin1String(name)); }
QColor pixel(WorkArea::Display *d, int x, int y) { return d->grab().toImage().pixelColor(x, y); }

// Drags `data` to `at` and lets go: whether the window let the drag in, let it stay there and took
// the drop. The drop is sent whatever the window said before: it must refuse a bad one itself.
QList<bool> drag(WorkArea::Display *d, QPoint at, const QByteArray &data, const QString &format = Shapes::kMimeType)
{
    QMimeData mime;
    mime.setData(format, data);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    for (QEvent *event : std::initializer_list<QEvent *>{&enter, &move, &drop})
        QCoreApplication::sendEvent(d, event);
    return {enter.isAccepted(), move.isAccepted(), drop.isAccepted()};
}

enum Way { Clear, Exit, CloseFrame };

// A model with unsaved changes: two drops.
void makeChanges(WorkArea::Display *d)
{
    d->PicTarget_DragDrop(3, true, 10);
    d->PicTarget_DragDrop(4, true, 11);
}

bool modelIntact()
{
    const MGLOBAL &g = MGLOBAL::instance();
    return g.CellShape[3][2] == 10 && g.CellShape[4][2] == 11 && g.ModelChanged == 1 && g.UndoCount == 2;
}
} // namespace

class TestDisplay : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }

    void opensEmptyAndReady()
    {
        Program program;
        MGLOBAL::instance().UndoCount = 9;
        WorkArea::Display *d = program.create();
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.GridState, 1);
        QCOMPARE(g.LastCell, 246);
        QCOMPARE(g.UndoCount, 0);
        QVERIFY(!MainMenu::existing());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9 "));
        QCOMPARE(d->size(), QSize(634, 455)); // activating it moves it, and keeps its size
        QCOMPARE(Program::formPosition(d), QPoint(-4, -4));
        QVERIFY(Shapes::existing()->isVisible());
        QCOMPARE(d->pictures(), BoxPictures{});
        QVERIFY(d->font().bold() && !button(d, "ClearAll")->font().bold()); // the window's own font, not its buttons'
        // The strip behind the buttons has a label's own light button face, in the frame's dark border.
        for (const QPoint at : {QPoint(5, 440), QPoint(625, 428), QPoint(200, 453)})
            QCOMPARE(pixel(d, at.x(), at.y()), QLabel().palette().color(QPalette::Window));
        QCOMPARE(program.frame->area()->grab().toImage().pixelColor(631, 100), QColor(0x40, 0x40, 0x40));
        // In a frame taller than 8500 twips it stands lower.
        program.frame->resize(700, 600);
        QCOMPARE(MGLOBAL::instance().FrameSize, 8670);
        QCOMPARE(Program::formPosition(d), QPoint(0, 40));
        program.frame->resize(634, 455);
        QCOMPARE(Program::formPosition(d), QPoint(-4, -4));
    }

    void theGridButtonHidesLinesAndPalette()
    {
        Program program;
        WorkArea::Display *d = program.create();
        // The last vertical line, the last horizontal one, the bottom end of a vertical line; inside
        // a box, the background.
        QCOMPARE(pixel(d, 619, 100), kGreen);
        QCOMPARE(pixel(d, 300, 421), kGreen);
        QCOMPARE(pixel(d, 43, 421), kGreen);
        QCOMPARE(pixel(d, 20, 20), QColor(Qt::black));
        // A window manager may minimize the palette although it has no minimize box; showing it
        // again brings it back.
        Shapes::existing()->setWindowState(Qt::WindowMinimized);
        for (const bool shown : {false, true}) {
            button(d, "HideShowGrids")->click();
            QCOMPARE(button(d, "HideShowGrids")->text(), QString(shown ? "&Hide Grid - Shapes" : "Show &Grid - Shapes"));
            QCOMPARE(MGLOBAL::instance().GridState, shown ? 1 : 2);
            QCOMPARE(pixel(d, 11, 5), shown ? kGreen : QColor(Qt::black));
            QCOMPARE(pixel(d, 619, 421), shown ? kGreen : QColor(Qt::black)); // the corners
            QCOMPARE(Shapes::existing()->isVisible(), shown);
        }
        QVERIFY(!Shapes::existing()->isMinimized());
        // A background colour clears the surface, lines and all, until they are drawn again.
        d->setBackColor(Qt::white);
        QCOMPARE(pixel(d, 11, 5), QColor(Qt::white));
        d->setBackColor(Qt::black);
        QCOMPARE(pixel(d, 11, 5), QColor(Qt::black));
        d->DrawGrids();
        QCOMPARE(pixel(d, 11, 5), kGreen);
    }

    // On the first box, with the first shape: where an edge slips by one, it shows.
    void dragsShowTheShapeAndPressesTakeItOut()
    {
        Program program;
        WorkArea::Display *d = program.create();
        const QRect box = WorkAreaPainter::boxRect(0);
        QCOMPARE(drag(d, box.center(), "1"), (QList<bool>{true, true, true}));
        QCOMPARE(drag(d, box.topLeft(), "40"), (QList<bool>{true, true, true}));
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.CellShape[0], (MGLOBAL::CellRow{0, 40, 1, 0}));
        QCOMPARE(d->pictures().PicTarget2[0], 1);
        QCOMPARE(d->pictures().PicTarget[0], 40);
        QCOMPARE(d->grab().toImage().copy(box).convertToFormat(QImage::Format_RGB32),
                 WorkAreaPainter::renderModel(d->pictures(), Qt::black, true).copy(box).convertToFormat(QImage::Format_RGB32));

        QTest::mousePress(d, Qt::LeftButton, {}, box.center());
        QCOMPARE(g.CellShape[0][1], 40);
        QTest::mousePress(d, Qt::RightButton, {}, box.center());
        QCOMPARE(g.CellShape[0], (MGLOBAL::CellRow{0, 0, 1, 0}));
        QTest::mousePress(d, Qt::MiddleButton, {}, box.bottomRight());
        QCOMPARE(g.UndoCount, 0);
        QCOMPARE(g.ModelChanged, 0);
        QCOMPARE(d->pictures(), BoxPictures{});
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void dragsThatChangeNothing_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("entered"); // let in to look for a box
        const QRect box = WorkAreaPainter::boxRect(18);
        QTest::newRow("text onto a box") << "text/plain" << QByteArray("17") << box.center() << false;
        for (const char *none : {"241", "0", "x", ""})
            QTest::addRow("shape \"%s\" onto a box", none) << Shapes::kMimeType << QByteArray(none) << box.center() << false;
        QTest::newRow("a shape right of the last column") << Shapes::kMimeType << QByteArray("12")
                                                          << QPoint(box.right() + 1, box.top()) << true;
    }
    void dragsThatChangeNothing()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, data);
        QFETCH(QPoint, at);
        QFETCH(bool, entered);
        Program program;
        WorkArea::Display *d = program.create();
        QCOMPARE(drag(d, at, data, format), (QList<bool>{entered, false, false}));
        QCOMPARE(d->pictures(), BoxPictures{});
        QCOMPARE(MGLOBAL::instance().UndoCount, 0);
        QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
    }

    void minimizingTheFrameHidesTheShownPalette()
    {
        Program program;
        WorkArea::Display *d = program.create();
        program.frame->showMinimized();
        QVERIFY(!Shapes::existing()->isVisible());
        program.frame->showNormal();
        QVERIFY(Shapes::existing()->isVisible());

        button(d, "HideShowGrids")->click();
        program.frame->showMinimized();
        program.frame->showNormal();
        QVERIFY(!Shapes::existing()->isVisible());
    }

    void undoDialogTakesBackTheLatestDrops()
    {
        Program program;
        WorkArea::Display *d = program.create();
        MGLOBAL &g = MGLOBAL::instance();
        g.UndoDepth = 3;
        for (int cell = 0; cell < 5; ++cell)
            d->PicTarget_DragDrop(int16_t(cell), true, int16_t(cell + 1));
        DialogScript script({D::click("UndoCmd")});
        button(d, "ClearAll")->click();
        QVERIFY(script.allAnswered());
        QCOMPARE(g.UndoCount, 2);
        QCOMPARE(d->pictures().PicTarget2[1], 2);
        QCOMPARE(d->pictures().PicTarget2[2], 0);
        QCOMPARE(g.ModelChanged, 1);
    }

    void closingTheUndoDialogIsCancel()
    {
        Program program;
        WorkArea::Display *d = program.create();
        makeChanges(d);
        MGLOBAL::instance().UndoChoice = 2; // left over from an earlier clear
        DialogScript script({D::closeBox()});
        QTest::keyClick(button(d, "ClearAll"), Qt::Key_Return); // Enter presses the focused button
        QVERIFY(script.allAnswered());
        QVERIFY(modelIntact());
    }

    // Every way of losing unsaved changes asks first; Yes keeps everything as it was, even the
    // caption. No empties both layers and forgets the name, and the third column stays.
    void losingChangesAsksFirst_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("yes");
        const char *const ways[] = {"clear all cells", "exit to menu", "close the frame"};
        for (const int way : {Clear, Exit, CloseFrame})
            for (const bool yes : {true, false})
                QTest::addRow("%s, %s", ways[way], yes ? "yes" : "no") << way << yes;
    }
    void losingChangesAsksFirst()
    {
        QFETCH(int, way);
        QFETCH(bool, yes);
        Program program;
        WorkArea::Display *d = program.create();
        makeChanges(d);
        MGLOBAL &g = MGLOBAL::instance();
        g.CellShape[3][3] = 55;
        g.ModelFileName = QStringLiteral("M.Pic");
        program.frame->updateCaption();
        const auto escape = [](QDialog &d) { // no answer: only the two buttons answer
            d.show();
            QTest::keyClick(d.findChild<QPushButton *>("AllYes"), Qt::Key_Escape);
            QVERIFY(d.isVisible());
        };
        std::vector<D::Answer> answers{D::inspect(escape, yes ? D::yes() : D::no())};
        if (way == Clear)
            answers.insert(answers.begin(), D::click("ClearCmd"));
        DialogScript script(answers);
        bool closed = false;
        if (way == CloseFrame)
            closed = program.frame->close();
        else
            button(d, way == Clear ? "ClearAll" : "Exit1")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // One question, also while the window closes.
        QVERIFY(script.allAnswered());
        QCOMPARE(script.asked.back(), QStringLiteral("AllYesNo: Changes made, do you wish save model before ")
                                          + (way == Clear ? "erasing." : "exiting."));
        QCOMPARE(g.FileChoice, 0);
        QCOMPARE(closed, way == CloseFrame && !yes);
        if (yes) {
            QVERIFY(modelIntact());
            QCOMPARE(WorkArea::Display::existing(), d);
            QVERIFY(Shapes::existing()->isVisible());
            QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9  [M.Pic]"));
            return;
        }
        QCOMPARE(g.ModelChanged, 0);
        QCOMPARE(g.CellShape[3], (MGLOBAL::CellRow{0, 0, 0, 55}));
        QCOMPARE(g.ModelFileName, QString());
        QCOMPARE(bool(WorkArea::Display::existing()), way == Clear);
        QCOMPARE(bool(Shapes::existing()), way == Clear);
        if (way == Clear) {
            QCOMPARE(d->pictures(), BoxPictures{});
            QCOMPARE(g.UndoCount, 0);
            QVERIFY(Shapes::existing()->isVisible());
            QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9 "));
        } else if (way == Exit) {
            QVERIFY(MainMenu::existing());
            QCOMPARE(g.GridState, 0);
            QCOMPARE(program.frame->area()->subWindowList().size(), 1);
        }
    }

    void exitWithoutChangesGoesStraightBack()
    {
        Program program(Program::InWorkArea);
        DialogScript script;
        button(WorkArea::Display::existing(), "Exit1")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(script.allAnswered());
        QVERIFY(MainMenu::existing());
        // And the work area opens again empty.
        QCOMPARE(program.create()->pictures(), BoxPictures{});
        QCOMPARE(MGLOBAL::instance().GridState, 1);
    }
};

QTEST_MAIN(TestDisplay)
#include "test_display.moc"
