// The rules of the work area without any window: the box under a pixel, what the drawing puts in
// each box, the layer each drop and press takes, undo of any depth, and the pictures of a model
// just read. The random walk holds the undo records, clearing and the flags to a model of its own.

#include "mglobal.h"
#include "shapeicons.h"
#include "workareapainter.h"
#include "workarearules.h"

#include <QPainter>
#include <QTest>

using namespace WorkAreaRules;

namespace {
struct Fixture {
    MGLOBAL g;
    BoxPictures boxes;
    Fixture() { g.createWorkArea(); }
    Layer drop(int cell, int shape) { return dropOnCell(g, boxes, int16_t(cell), true, int16_t(shape)); }
    Layer press(int cell, int button = kRightButton) { return pressOnCell(g, boxes, int16_t(cell), int16_t(button)); }
    MGLOBAL::UndoRow record(int row) const { return g.UndoList[row]; }
};
MGLOBAL::UndoRow rec(int front, int back) { return {0, int16_t(front), int16_t(back), 0}; }
} // namespace

class TestWorkAreaRules : public QObject {
    Q_OBJECT
private slots:
    // The box under a window pixel: the boxes tile the grid, and the strips around it are no box.
    void cellUnderAPixel_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("cell");
        const QRect first = WorkAreaPainter::boxRect(0), last = WorkAreaPainter::boxRect(MGLOBAL::kLastCell);
        for (int cell = 0; cell < MGLOBAL::kCells; ++cell) {
            const QRect box = WorkAreaPainter::boxRect(cell);
            QTest::addRow("cell %d, top left", cell) << box.topLeft() << cell;
            QTest::addRow("cell %d, bottom right", cell) << box.bottomRight() << cell;
        }
        QTest::newRow("left of the grid") << first.topLeft() - QPoint(1, 0) << -1;
        QTest::newRow("above the grid") << first.topLeft() - QPoint(0, 1) << -1;
        QTest::newRow("right of the last column") << QPoint(last.right() + 1, first.top()) << -1;
        QTest::newRow("below the last row") << QPoint(first.left(), last.bottom() + 1) << -1;
    }
    void cellUnderAPixel()
    {
        QFETCH(QPoint, pixel);
        QFETCH(int, cell);
        QCOMPARE(WorkAreaPainter::cellAt(pixel), cell);
    }

    // Each picture in its own box, the front one over the back one, and nothing anywhere else:
    // the first and the last boxes are where a box too many or one off shows, and shape 1 alone
    // in either layer is where an empty box is mistaken.
    void drawingPutsEachPictureInItsBox()
    {
        const std::pair<int, int> backs[] = {{0, 2}, {245, 1}}, fronts[] = {{0, 40}, {246, 1}};
        BoxPictures boxes;
        QImage want(WorkAreaPainter::renderModel(boxes, Qt::black, false));
        QPainter painter(&want);
        for (const auto &[cell, shape] : backs) {
            boxes.PicTarget2[cell] = int16_t(shape);
            painter.drawImage(WorkAreaPainter::boxRect(cell).topLeft(), ShapeIcons::image(shape));
        }
        for (const auto &[cell, shape] : fronts) {
            boxes.PicTarget[cell] = int16_t(shape);
            painter.drawImage(WorkAreaPainter::boxRect(cell).topLeft(), ShapeIcons::image(shape));
        }
        painter.end();
        QCOMPARE(WorkAreaPainter::renderModel(boxes, Qt::black, false), want);
    }

    // The random walk holds the records and flags to a model; here, the layers each step takes.
    void dropsFillBackThenFrontAndPressesEmptyFrontThenBack()
    {
        Fixture f;
        f.g.CellShape[7][1] = f.boxes.PicTarget[7] = 30; // a front from a file leaves the back free
        QCOMPARE(f.drop(7, 31), Layer::Back);
        QCOMPARE(f.drop(5, 17), Layer::Back);
        QCOMPARE(f.drop(5, 40), Layer::Front);
        QCOMPARE(f.drop(5, 99), Layer::None);
        QCOMPARE(dropOnCell(f.g, f.boxes, 3, false, 12), Layer::None); // not a palette image
        QCOMPARE(f.g.CellShape[5], (MGLOBAL::CellRow{0, 40, 17, 0}));
        QCOMPARE(f.g.CellShape[3][2], 0);
        QCOMPARE(f.record(3), rec(253, 0));
        QCOMPARE(f.g.DragShape, 0);

        QCOMPARE(f.press(5, kLeftButton), Layer::None);
        QCOMPARE(f.press(5), Layer::Front);
        QCOMPARE(f.press(5, kMiddleButton), Layer::Back);
        QCOMPARE(f.press(5), Layer::None);
        QCOMPARE(f.boxes.PicTarget2[5], 0);
        f.g.ModelChanged = 0;
        QCOMPARE(f.press(7), Layer::Front); // from the file: no record, and still a change
        QCOMPARE(f.g.ModelChanged, 1);
        QCOMPARE(f.g.UndoCount, 1);
        QCOMPARE(f.record(1), rec(0, 8));
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

    // One number in one layer of a model just read; the boxes still show an earlier model.
    void placingOneNumber_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("shown"); // -1: placing fails
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("no-picture mark") << 1000 << 0;
        QTest::newRow("first shape") << 1 << 1;
        QTest::newRow("last shape") << 240 << 240;
        QTest::newRow("past the last shape") << 241 << -1;
        QTest::newRow("negative") << -1 << -1;
    }
    void placingOneNumber()
    {
        QFETCH(int, number);
        QFETCH(int, shown);
        for (const bool front : {false, true}) {
            Fixture f;
            f.boxes.PicTarget[3] = f.boxes.PicTarget2[3] = 9;
            f.g.CellShape[3][front ? MGLOBAL::kFront : MGLOBAL::kBack] = int16_t(number);
            QCOMPARE(placePictures(f.g, f.boxes), shown >= 0);
            if (shown >= 0) {
                QCOMPARE(f.boxes.PicTarget[3], front ? shown : 0);
                QCOMPARE(f.boxes.PicTarget2[3], front ? 0 : shown);
                QCOMPARE(f.g.CellShape[3][front ? MGLOBAL::kFront : MGLOBAL::kBack], number);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestWorkAreaRules)
#include "test_workarearules.moc"
