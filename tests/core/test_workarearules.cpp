// The rules of the work area without any window: the box under a pixel, what the drawing puts in
// each box, and the pictures of a model just read. Drops, presses, undo of any depth, clearing
// and the flags are held to a model of their own by the random walk (test_modelbased).

#include "mglobal.h"
#include "shapeicons.h"
#include "workareapainter.h"
#include "workarearules.h"

#include <QPainter>
#include <QTest>

using namespace WorkAreaRules;

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
            MGLOBAL g;
            g.createWorkArea();
            BoxPictures boxes;
            boxes.PicTarget[3] = boxes.PicTarget2[3] = 9;
            g.CellShape[3][front ? MGLOBAL::kFront : MGLOBAL::kBack] = int16_t(number);
            QCOMPARE(placePictures(g, boxes), shown >= 0);
            if (shown >= 0) {
                QCOMPARE(boxes.PicTarget[3], front ? shown : 0);
                QCOMPARE(boxes.PicTarget2[3], front ? 0 : shown);
                QCOMPARE(g.CellShape[3][front ? MGLOBAL::kFront : MGLOBAL::kBack], number);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestWorkAreaRules)
#include "test_workarearules.moc"
