// The work-area window offscreen: its layout, the grid surface, drops and removals through its
// events, and every way the user can lose the model, each question answered Yes, No or by
// closing it.

#include "files/allyesno.h"
#include "palette/shapeicons.h"
#include "palette/shapes.h"
#include "platform/twips.h"
#include "support/dialogscript.h"
#include "support/program.h"
#include "workarea/workareapainter.h"

#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QPushButton>

using D = DialogScript;

namespace {
const QColor kGreen(0, 128, 0);

QPushButton *button(WorkArea::Display *d, const char *name) { return d->findChild<QPushButton *>(QLatin1String(name)); }

void dropShape(WorkArea::Display *d, int cell, int shape, const char *format = Shapes::kMimeType)
{
    QMimeData mime;
    mime.setData(QLatin1String(format), QByteArray::number(shape));
    const QPoint at = WorkAreaPainter::boxRect(cell).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(d, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(d, &drop);
}

void rightClick(WorkArea::Display *d, int cell)
{
    QTest::mousePress(d, Qt::RightButton, {}, WorkAreaPainter::boxRect(cell).center());
}

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

    void loadPreparesTheWorkArea()
    {
        Program program;
        MGLOBAL::instance().UndoCount = 9;
        WorkArea::Display *d = program.create();
        QVERIFY(d);
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.GridState, 1);
        QCOMPARE(g.LastCell, 246);
        QCOMPARE(g.UndoCount, 0);
        QCOMPARE(int(g.CellShape.size()), 301);
        QVERIFY(!MainMenu::existing());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9 "));
        QCOMPARE(d->size(), QSize(634, 455));
        QCOMPARE(Program::formPosition(d), QPoint(-4, -4));
        QVERIFY(Shapes::existing() && Shapes::existing()->isVisible());
        QCOMPARE(d->pictures(), BoxPictures{});
    }

    void buttonsStandWhereDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("exit") << "Exit1" << "E&xit to Menu" << QRect(180, 6450, 1300, 325);
        QTest::newRow("undo") << "ClearAll" << "&Undo" << QRect(1740, 6450, 1000, 325);
        QTest::newRow("print") << "PrintAll" << "&Print" << QRect(3090, 6450, 1000, 325);
        QTest::newRow("grid") << "HideShowGrids" << "&Hide Grid - Shapes" << QRect(4530, 6450, 1845, 330);
        QTest::newRow("save") << "FileSave" << "&Save File" << QRect(6750, 6450, 1050, 325);
        QTest::newRow("open") << "FileOpen" << "&Open File" << QRect(8160, 6450, 1050, 325);
    }
    void buttonsStandWhereDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        Program program;
        WorkArea::Display *d = program.create();
        auto *b = d->findChild<QPushButton *>(name);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->geometry(), Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    void tabOrderRunsFromTheGridButton()
    {
        Program program;
        WorkArea::Display *d = program.create();
        QStringList order;
        QWidget *w = button(d, "HideShowGrids");
        for (int i = 0; i < 6; ++i, w = w->nextInFocusChain()) {
            while (!qobject_cast<QPushButton *>(w))
                w = w->nextInFocusChain();
            order << w->objectName();
        }
        QCOMPARE(order, QStringList({"HideShowGrids", "FileSave", "FileOpen", "PrintAll", "ClearAll", "Exit1"}));
    }

    void gridButtonTogglesLinesAndPalette()
    {
        Program program;
        WorkArea::Display *d = program.create();
        const auto pixel = [d](int x, int y) { return d->grab().toImage().pixelColor(x, y); };
        // Corners of the grid, and the bottom end of a vertical line.
        QCOMPARE(pixel(11, 5), kGreen);
        QCOMPARE(pixel(619, 421), kGreen);
        QCOMPARE(pixel(43, 421), kGreen);
        QCOMPARE(pixel(20, 20), QColor(Qt::black));

        button(d, "HideShowGrids")->click();
        QCOMPARE(button(d, "HideShowGrids")->text(), QStringLiteral("Show &Grid - Shapes"));
        QCOMPARE(MGLOBAL::instance().GridState, 2);
        QCOMPARE(pixel(11, 5), QColor(Qt::black));
        QCOMPARE(pixel(619, 421), QColor(Qt::black));
        QVERIFY(!Shapes::existing()->isVisible());

        button(d, "HideShowGrids")->click();
        QCOMPARE(button(d, "HideShowGrids")->text(), QStringLiteral("&Hide Grid - Shapes"));
        QCOMPARE(MGLOBAL::instance().GridState, 1);
        QCOMPARE(pixel(11, 5), kGreen);
        QVERIFY(Shapes::existing()->isVisible());
    }

    void backColourClearsTheSurface()
    {
        Program program;
        WorkArea::Display *d = program.create();
        d->setBackColor(Qt::white);
        QCOMPARE(d->grab().toImage().pixelColor(11, 5), QColor(Qt::white));
        d->setBackColor(Qt::black);
        // The lines stay gone until the grid is drawn again.
        QCOMPARE(d->grab().toImage().pixelColor(11, 5), QColor(Qt::black));
        d->DrawGrids();
        QCOMPARE(d->grab().toImage().pixelColor(11, 5), kGreen);
    }

    void dropsShowTheShapeAndRightClicksTakeItOut()
    {
        Program program;
        WorkArea::Display *d = program.create();
        dropShape(d, 5, 17);
        dropShape(d, 5, 40);
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.CellShape[5][2], 17);
        QCOMPARE(g.CellShape[5][1], 40);
        QCOMPARE(d->pictures().PicTarget2[5], 17);
        QCOMPARE(d->pictures().PicTarget[5], 40);

        // The box shows shape 40 over shape 17, as drawn by the shared routine.
        const QRect box = WorkAreaPainter::boxRect(5);
        QCOMPARE(d->grab().toImage().copy(box).convertToFormat(QImage::Format_RGB32),
                 WorkAreaPainter::renderModel(d->pictures(), Qt::black, true).copy(box).convertToFormat(QImage::Format_RGB32));

        rightClick(d, 5);
        QCOMPARE(g.CellShape[5][1], 0);
        QCOMPARE(g.CellShape[5][2], 17);
        rightClick(d, 5);
        QCOMPARE(g.CellShape[5][2], 0);
        QCOMPARE(g.UndoCount, 0);
        QCOMPARE(g.ModelChanged, 0);
        QCOMPARE(d->pictures(), BoxPictures{});
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void dropsFromElsewhereOrBesideTheBoxesAreRefused()
    {
        Program program;
        WorkArea::Display *d = program.create();
        dropShape(d, 5, 17, "text/plain");
        dropShape(d, 6, 0);
        dropShape(d, 7, 241);
        QMimeData mime;
        mime.setData(QLatin1String(Shapes::kMimeType), "12");
        QDropEvent outside(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(d, &outside);
        QCOMPARE(d->pictures(), BoxPictures{});
        QCOMPARE(MGLOBAL::instance().UndoCount, 0);
        QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
    }

    void largeLayoutPlacesTheWorkAreaLower()
    {
        Program program;
        WorkArea::Display *d = program.create();
        program.frame->resize(700, 600); // taller than 8500 twips
        QCOMPARE(MGLOBAL::instance().FrameSize, 8670);
        QCOMPARE(Program::formPosition(d), QPoint(0, 40));
        program.frame->resize(634, 455);
        QCOMPARE(MGLOBAL::instance().FrameSize, 6810);
        QCOMPARE(Program::formPosition(d), QPoint(-4, -4));
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
        QString label;
        DialogScript script({D::inspect([&](QDialog &dlg) { label = dlg.findChild<QLabel *>("Label1")->text(); },
                                        D::click("UndoCmd"))});
        button(d, "ClearAll")->click();
        QCOMPARE(script.asked, std::vector<QString>{"Undoboxes: &Undo last  3 drops"});
        QCOMPARE(label, QStringLiteral(" Number of possible undo's in list =  5"));
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
        button(d, "ClearAll")->click();
        QVERIFY(script.allAnswered());
        QVERIFY(modelIntact());
    }

    void clearingAsksFirst_data()
    {
        QTest::addColumn<int>("answer"); // 0 yes, 1 no, 2 close box
        QTest::addColumn<bool>("cleared");
        QTest::newRow("yes keeps the model") << 0 << false;
        QTest::newRow("no clears") << 1 << true;
        QTest::newRow("close box counts as no") << 2 << true;
    }
    void clearingAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        Program program;
        WorkArea::Display *d = program.create();
        makeChanges(d);
        MGLOBAL &g = MGLOBAL::instance();
        g.CellShape[3][3] = 55;
        g.ModelFileName = QStringLiteral("M.Pic");
        program.frame->updateCaption();
        const D::Answer answers[] = {D::yes(), D::no(), D::closeBox()};
        DialogScript script({D::click("ClearCmd"), answers[answer]});
        button(d, "ClearAll")->click();
        QCOMPARE(script.asked.at(1), QStringLiteral("AllYesNo: Changes made, do you wish save model before erasing."));
        QVERIFY(script.allAnswered());
        QVERIFY(Shapes::existing()->isVisible());
        if (!cleared) {
            QVERIFY(modelIntact());
            QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9  [M.Pic]"));
            return;
        }
        QCOMPARE(d->pictures(), BoxPictures{});
        QCOMPARE(g.CellShape[3][2], 0);
        QCOMPARE(g.CellShape[3][3], 55);
        QCOMPARE(g.UndoCount, 0);
        QCOMPARE(g.ModelChanged, 0);
        QCOMPARE(g.ModelFileName, QString());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9 "));
    }

    void exitToMenu_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("left");
        QTest::newRow("yes stays") << 0 << false;
        QTest::newRow("no leaves") << 1 << true;
        QTest::newRow("close box leaves") << 2 << true;
    }
    void exitToMenu()
    {
        QFETCH(int, answer);
        QFETCH(bool, left);
        Program program;
        WorkArea::Display *d = program.create();
        makeChanges(d);
        const D::Answer answers[] = {D::yes(), D::no(), D::closeBox()};
        DialogScript script({answers[answer]});
        button(d, "Exit1")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // One question only, also while the window closes.
        QCOMPARE(script.asked, std::vector<QString>{"AllYesNo: Changes made, do you wish save model before exiting."});
        QVERIFY(script.allAnswered());
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.FileChoice, 0);
        if (!left) {
            QVERIFY(modelIntact());
            QCOMPARE(WorkArea::Display::existing(), d);
            QVERIFY(Shapes::existing()->isVisible());
            return;
        }
        QVERIFY(!WorkArea::Display::existing());
        QVERIFY(!Shapes::existing());
        QVERIFY(MainMenu::existing());
        QCOMPARE(g.GridState, 0);
        QCOMPARE(g.ModelChanged, 0);
        QCOMPARE(g.CellShape[3][2], 0);
        QCOMPARE(program.frame->area()->subWindowList().size(), 1);
    }

    void exitWithoutChangesGoesStraightBack()
    {
        Program program;
        program.create();
        DialogScript script;
        button(WorkArea::Display::existing(), "Exit1")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(script.allAnswered());
        QVERIFY(MainMenu::existing());
        // And the work area opens again empty, at page 1 of the palette.
        WorkArea::Display *again = program.create();
        QCOMPARE(again->pictures(), BoxPictures{});
        QCOMPARE(MGLOBAL::instance().GridState, 1);
        QCOMPARE(MGLOBAL::instance().PalettePage, 0);
    }

    void closingTheFrame_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("yes keeps the program") << 0 << false;
        QTest::newRow("no ends it") << 1 << true;
    }
    void closingTheFrame()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        Program program;
        WorkArea::Display *d = program.create();
        makeChanges(d);
        button(d, "HideShowGrids")->click(); // palette hidden: it must stay so
        const D::Answer answers[] = {D::yes(), D::no()};
        DialogScript script({answers[answer]});
        QCOMPARE(program.frame->close(), closes);
        QCOMPARE(script.asked, std::vector<QString>{"AllYesNo: Changes made, do you wish save model before exiting."});
        if (!closes) {
            QVERIFY(modelIntact());
            QCOMPARE(WorkArea::Display::existing(), d);
            QVERIFY(!Shapes::existing()->isVisible());
        } else {
            QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
            QVERIFY(!Shapes::existing());
        }
    }
};

QTEST_MAIN(TestDisplay)
#include "test_display.moc"
