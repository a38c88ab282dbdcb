// The rules of the work-area model, without any window: drops, removals, the undo list and
// clearing, checked against what the user sees in the boxes.

#include "workarea/mglobal.h"
#include "workarea/workarearules.h"

#include <QTest>

using namespace WorkAreaRules;

namespace {
struct Fixture {
    MGLOBAL g;
    BoxPictures boxes;
    Fixture() { g.createWorkArea(); }
    Layer drop(int cell, int shape) { return dropOnCell(g, boxes, int16_t(cell), true, int16_t(shape)); }
    Layer press(int cell, int button = kRightButton)
    {
        int16_t delCode = -1;
        return pressOnCell(g, boxes, int16_t(cell), int16_t(button), delCode);
    }
    MGLOBAL::UndoRow record(int row) const { return g.UndoList[row]; }
};
MGLOBAL::UndoRow rec(int front, int back) { return {0, int16_t(front), int16_t(back), 0}; }
} // namespace

class TestWorkAreaRules : public QObject {
    Q_OBJECT
private slots:
    void cellNumbersAndCodes()
    {
        QCOMPARE(Cell::column(0), 0);
        QCOMPARE(Cell::row(18), 0);
        QCOMPARE(Cell::column(18), 18);
        QCOMPARE(Cell::row(19), 1);
        QCOMPARE(Cell::column(19), 0);
        QCOMPARE(Cell::row(246), 12);
        QCOMPARE(Cell::column(246), 18);
        QCOMPARE(Cell::at(12, 0), 228);
        for (int16_t cell : {0, 5, 246}) {
            QCOMPARE(Cell::cellOfCode(Cell::backCode(cell)), cell);
            QCOMPARE(Cell::cellOfCode(Cell::frontCode(cell)), cell);
            QVERIFY(Cell::isBackCode(Cell::backCode(cell)));
            QVERIFY(!Cell::isBackCode(Cell::frontCode(cell)));
        }
        QCOMPARE(Cell::backCode(246), 247);
        QCOMPARE(Cell::frontCode(0), 248);
        QCOMPARE(Cell::frontCode(246), 494);
    }

    void firstDropGoesBackSecondFrontThirdRefused()
    {
        Fixture f;
        QCOMPARE(f.drop(5, 17), Layer::Back);
        QCOMPARE(f.g.CellShape[5][2], 17);
        QCOMPARE(f.boxes.PicTarget2[5], 17);
        QCOMPARE(f.g.UndoCount, 1);
        QCOMPARE(f.record(1), rec(0, 6));
        QCOMPARE(f.g.ModelChanged, 1);
        QCOMPARE(f.g.DragShape, 0);

        QCOMPARE(f.drop(5, 40), Layer::Front);
        QCOMPARE(f.g.CellShape[5][1], 40);
        QCOMPARE(f.record(2), rec(253, 0));

        f.g.ModelChanged = 0;
        QCOMPARE(f.drop(5, 99), Layer::None);
        QCOMPARE(f.g.UndoCount, 2);
        QCOMPARE(f.g.CellShape[5][1], 40);
        QCOMPARE(f.g.CellShape[5][2], 17);
        QCOMPARE(f.g.ModelChanged, 1); // a refused drop still marks the model
        QCOMPARE(f.g.DragShape, 0);
    }

    void dropFromSomethingElseIsRefusedButMarks()
    {
        Fixture f;
        QCOMPARE(dropOnCell(f.g, f.boxes, 3, false, 12), Layer::None);
        QCOMPARE(f.g.CellShape[3][2], 0);
        QCOMPARE(f.g.UndoCount, 0);
        QCOMPARE(f.g.ModelChanged, 1);
        QCOMPARE(f.g.DragShape, 0);
    }

    void frontFromFileThenDropFillsBack()
    {
        Fixture f;
        f.g.CellShape[7][1] = 30;
        f.boxes.PicTarget[7] = 30;
        QCOMPARE(f.drop(7, 31), Layer::Back);
        QCOMPARE(f.g.CellShape[7][2], 31);
        QCOMPARE(f.record(1), rec(0, 8));
    }

    void rightClickTakesTopShapeAndItsRecord()
    {
        Fixture f;
        f.drop(5, 17);
        f.drop(5, 40);
        QCOMPARE(f.press(5), Layer::Front);
        QCOMPARE(f.g.CellShape[5][1], 0);
        QCOMPARE(f.g.CellShape[5][2], 17);
        QCOMPARE(f.g.UndoCount, 1);
        QCOMPARE(f.record(1), rec(0, 6));
        QCOMPARE(f.record(2), rec(0, 0));
        QCOMPARE(f.g.ModelChanged, 1);
        QCOMPARE(f.press(5, kMiddleButton), Layer::Back);
        QCOMPARE(f.g.UndoCount, 0);
        QCOMPARE(f.g.ModelChanged, 0); // the list ran empty
    }

    void removingAMiddleRecordKeepsTheOrder()
    {
        Fixture f;
        f.drop(3, 1);
        f.drop(5, 2);
        f.drop(9, 3);
        f.press(5);
        QCOMPARE(f.g.UndoCount, 2);
        QCOMPARE(f.record(1), rec(0, 4));
        QCOMPARE(f.record(2), rec(0, 10));
        QCOMPARE(f.record(3), rec(0, 0));
    }

    void removingAShapeFromAFileLeavesTheList()
    {
        Fixture f;
        f.drop(1, 5);
        f.g.CellShape[8][2] = 44;
        f.boxes.PicTarget2[8] = 44;
        f.g.ModelChanged = 1;
        QCOMPARE(f.press(8), Layer::Back);
        QCOMPARE(f.g.UndoCount, 1);
        QCOMPARE(f.record(1), rec(0, 2));
        QCOMPARE(f.g.ModelChanged, 1);
    }

    void undo_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("drops");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("changedAfter");
        QTest::newRow("3 of 5") << 3 << 5 << 2 << 1;
        QTest::newRow("3 of 2 takes all") << 3 << 2 << 0 << 0;
        QTest::newRow("depth 0 takes none") << 0 << 4 << 4 << 1;
        QTest::newRow("negative depth takes none") << -3 << 4 << 4 << 1;
        QTest::newRow("nothing to undo") << 4 << 0 << 0 << 0;
        QTest::newRow("10 of 10") << 10 << 10 << 0 << 0;
    }
    void undo()
    {
        QFETCH(int, depth);
        QFETCH(int, drops);
        QFETCH(int, left);
        QFETCH(int, changedAfter);
        Fixture f;
        for (int i = 0; i < drops; ++i)
            f.drop(10 + i, 20 + i);
        f.g.ModelChanged = 1;
        f.g.UndoDepth = int16_t(depth);
        undoLatest(f.g, f.boxes);
        QCOMPARE(int(f.g.UndoCount), left);
        QCOMPARE(int(f.g.ModelChanged), changedAfter);
        for (int i = 0; i < drops; ++i)
            QCOMPARE(f.g.CellShape[10 + i][2] != 0, i < left);
    }

    void repeatedUndoWithNegativeDepthNeverRaisesTheCount()
    {
        Fixture f;
        f.drop(1, 1);
        f.g.UndoDepth = -32768;
        for (int i = 0; i < 600; ++i)
            undoLatest(f.g, f.boxes);
        QCOMPARE(f.g.UndoCount, 1);
    }

    void clearKeepsTheThirdColumn()
    {
        Fixture f;
        f.drop(2, 3);
        f.drop(2, 4);
        f.g.CellShape[2][3] = 77;
        f.g.ModelFileName = QStringLiteral("A.Pic");
        clearCells(f.g, f.boxes);
        QCOMPARE(f.g.CellShape[2][1], 0);
        QCOMPARE(f.g.CellShape[2][2], 0);
        QCOMPARE(f.g.CellShape[2][3], 77);
        QCOMPARE(f.g.UndoCount, 0);
        QCOMPARE(f.record(1), rec(0, 0));
        QVERIFY(f.g.ModelFileName.isEmpty());
    }

    void placingPicturesOfAFile()
    {
        Fixture f;
        f.g.CellShape[0][1] = 12;
        f.g.CellShape[0][2] = 45;
        f.g.CellShape[1][2] = 1000;
        f.g.CellShape[2][1] = 240;
        QVERIFY(placePictures(f.g, f.boxes));
        QCOMPARE(f.boxes.PicTarget[0], 12);
        QCOMPARE(f.boxes.PicTarget2[0], 45);
        QCOMPARE(f.boxes.PicTarget2[1], 0);
        QCOMPARE(f.g.CellShape[1][2], 1000);
        QCOMPARE(f.boxes.PicTarget[2], 240);
    }

    void placingStopsAtAShapeThatDoesNotExist()
    {
        Fixture f;
        f.g.CellShape[0][2] = 5;
        f.g.CellShape[0][1] = 6; // front pass never runs
        f.g.CellShape[10][2] = 241;
        f.g.CellShape[11][2] = 7;
        QVERIFY(!placePictures(f.g, f.boxes));
        QCOMPARE(f.boxes.PicTarget2[0], 5);
        QCOMPARE(f.boxes.PicTarget2[10], 0);
        QCOMPARE(f.boxes.PicTarget2[11], 0);
        QCOMPARE(f.boxes.PicTarget[0], 0);

        Fixture neg;
        neg.g.CellShape[3][1] = -1;
        QVERIFY(!placePictures(neg.g, neg.boxes));
    }

};

QTEST_APPLESS_MAIN(TestWorkAreaRules)
#include "test_workarearules.moc"
