#include "mglobal.h"

void MGLOBAL::createWorkArea()
{
    UndoList.assign(kUndoRows, UndoRow{});
    CellShape.assign(kCellShapeRows, CellRow{});
    GridState = Grid::Shown;
    LastCell = kLastCell;
    UndoCount = 0;
}

QString MGLOBAL::frameCaption() const
{
    if (ModelFileName.isEmpty())
        return TitleText;
    return TitleText + QStringLiteral(" [") + ModelFileName + QStringLiteral("]");
}

MGLOBAL &MGLOBAL::instance()
{
    static MGLOBAL global;
    return global;
}
