#include "workarearules.h"

#include <algorithm>

namespace WorkAreaRules {

Layer dropOnCell(MGLOBAL &g, BoxPictures &boxes, int16_t cell, bool sourceIsImage, int16_t sourceIndex)
{
    g.DragShape = sourceIndex;
    Layer took = Layer::None;
    auto &row = g.CellShape[cell];
    if (row[MGLOBAL::kBack] == 0) {
        if (sourceIsImage) {
            boxes.PicTarget2[cell] = g.DragShape;
            row[MGLOBAL::kBack] = g.DragShape;
            ++g.UndoCount;
            g.UndoList[g.UndoCount][MGLOBAL::kBack] = Cell::backCode(cell);
            took = Layer::Back;
        }
    } else if (row[MGLOBAL::kFront] == 0) {
        if (sourceIsImage) {
            boxes.PicTarget[cell] = g.DragShape;
            row[MGLOBAL::kFront] = g.DragShape;
            ++g.UndoCount;
            g.UndoList[g.UndoCount][MGLOBAL::kFront] = Cell::frontCode(cell);
            took = Layer::Front;
        }
    }
    // A refused drop still counts as a change: the user did something to the model.
    g.DragShape = 0;
    g.ModelChanged = Changes::Unsaved;
    return took;
}

Layer pressOnCell(MGLOBAL &g, BoxPictures &boxes, int16_t cell, int16_t button)
{
    if (button == kLeftButton)
        return Layer::None;
    auto &row = g.CellShape[cell];
    Layer emptied = Layer::None;
    int16_t delCode = 0;
    if (row[MGLOBAL::kFront] != 0) {
        boxes.PicTarget[cell] = 0;
        row[MGLOBAL::kFront] = 0;
        delCode = Cell::frontCode(cell);
        emptied = Layer::Front;
    } else if (row[MGLOBAL::kBack] != 0) {
        boxes.PicTarget2[cell] = 0;
        row[MGLOBAL::kBack] = 0;
        delCode = Cell::backCode(cell);
        emptied = Layer::Back;
    } else {
        return Layer::None;
    }
    // Set before ReNumDels, which clears it again when the last record goes.
    g.ModelChanged = Changes::Unsaved;
    ReNumDels(g, delCode);
    return emptied;
}

void ReNumDels(MGLOBAL &g, int16_t delCode)
{
    int position = -1;
    for (int i = 0; i <= MGLOBAL::kMaxRecords; ++i) {
        auto &rec = g.UndoList[i];
        if (rec[MGLOBAL::kBack] == delCode || rec[MGLOBAL::kFront] == delCode) {
            rec = MGLOBAL::UndoRow{};
            position = i;
        }
    }
    if (position < 0)
        return; // the shape came from a file and never had a record
    for (int j = position; j <= g.UndoCount; ++j)
        g.UndoList[j] = g.UndoList[j + 1];
    g.UndoCount = std::max<int16_t>(g.UndoCount - 1, 0);
    if (g.UndoCount == 0)
        g.ModelChanged = Changes::None;
}

int16_t undoAmount(const MGLOBAL &g)
{
    return g.UndoCount >= g.UndoDepth ? g.UndoDepth : g.UndoCount;
}

void undoLatest(MGLOBAL &g, BoxPictures &boxes)
{
    // A negative depth (only a hand-edited settings file can hold one) takes back nothing, so the
    // count can never rise above the records there are.
    const int depth = std::max<int>(g.UndoDepth, 0);
    const int start = std::max(g.UndoCount - depth + 1, 1);
    for (int i = start; i <= g.UndoCount; ++i) {
        auto &rec = g.UndoList[i];
        if (rec[MGLOBAL::kBack] != 0) {
            const int16_t cell = Cell::cellOfCode(rec[MGLOBAL::kBack]);
            boxes.PicTarget2[cell] = 0;
            g.CellShape[cell][MGLOBAL::kBack] = 0;
            rec = MGLOBAL::UndoRow{};
        } else if (rec[MGLOBAL::kFront] != 0) {
            const int16_t cell = Cell::cellOfCode(rec[MGLOBAL::kFront]);
            boxes.PicTarget[cell] = 0;
            g.CellShape[cell][MGLOBAL::kFront] = 0;
            rec = MGLOBAL::UndoRow{};
        }
    }
    g.UndoCount = static_cast<int16_t>(start - 1);
    if (g.UndoCount == 0)
        g.ModelChanged = Changes::None;
}

void emptyLayers(MGLOBAL &g, BoxPictures &boxes)
{
    for (int cell = 0; cell <= g.LastCell; ++cell) {
        g.CellShape[cell][MGLOBAL::kFront] = 0;
        g.CellShape[cell][MGLOBAL::kBack] = 0;
    }
    boxes.clear();
}

void clearCells(MGLOBAL &g, BoxPictures &boxes)
{
    emptyLayers(g, boxes);
    std::fill(g.UndoList.begin() + 1, g.UndoList.end(), MGLOBAL::UndoRow{});
    g.UndoCount = 0;
    g.ModelFileName.clear();
}

bool placePictures(const MGLOBAL &g, BoxPictures &boxes, QString *error)
{
    const auto pass = [&](std::array<int16_t, MGLOBAL::kCells> &pictures, int column) {
        for (int cell = 0; cell <= g.LastCell; ++cell) {
            pictures[cell] = 0;
            const int16_t n = g.CellShape[cell][column];
            if (n == 0 || n == kNoPictureMark)
                continue;
            if (!isShape(n)) {
                if (error)
                    *error = QStringLiteral("cell %1 holds %2, which names no shape").arg(cell).arg(n);
                return false;
            }
            pictures[cell] = n;
        }
        return true;
    };
    return pass(boxes.PicTarget2, MGLOBAL::kBack) && pass(boxes.PicTarget, MGLOBAL::kFront);
}

} // namespace WorkAreaRules
