#pragma once
// The program-wide state that every window reads and writes directly: the model of the work area,
// its undo records, and the handful of orders and answers that windows pass to each other.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

struct MGLOBAL {
    // Cells and layers.
    static constexpr int16_t kCells = 247;           // 19 x 13 boxes
    static constexpr int16_t kColumns = 19;
    static constexpr int16_t kRows = 13;
    static constexpr int16_t kLastCell = kCells - 1;
    static constexpr int kCellShapeRows = 301;       // rows 0..300 after a load
    static constexpr int kUndoRows = 501;            // rows 0..500
    static constexpr int16_t kMaxRecords = 2 * kCells;
    static constexpr int16_t kFront = 1;             // CellShape column of the front layer
    static constexpr int16_t kBack = 2;              // ... of the back layer
    static constexpr int16_t kThird = 3;             // the per-cell number only model files carry

    using CellRow = std::array<int16_t, 7>;
    using UndoRow = std::array<int16_t, 4>;

    // Work-area model.
    std::vector<CellRow> CellShape = std::vector<CellRow>(kCellShapeRows, CellRow{});
    std::vector<UndoRow> UndoList = std::vector<UndoRow>(kUndoRows, UndoRow{});
    int16_t UndoCount = 0;
    int16_t UndoDepth = 0;
    int16_t UndoChoice = 0;      // UndoOrder
    int16_t DragShape = 0;
    int16_t LastCell = 0;
    int16_t GridState = 0;       // Grid
    int16_t ModelChanged = 0;    // Changes

    // Files.
    QString ModelFileName;
    QString ModelFilePath;
    int16_t FileChoice = 0;      // FileOrder

    // Frame, dialogs, palette, settings.
    int32_t FrameSize = 0;
    QString TitleText;
    int16_t MsgCode = 0;         // a message number (messages.h)
    int16_t YesNoChoice = 0;     // a question number (messages.h), then an Answer
    int16_t PalettePage = 0;
    QString UserName;

    // The frame's layout selector: the large layout once the frame is taller than this (twips).
    static constexpr int32_t kLargeLayoutHeight = 8500;
    static constexpr int32_t kSmallFrameSize = 6810;
    static constexpr int32_t kLargeFrameSize = 8670;
    bool largeLayout() const { return FrameSize > kLargeLayoutHeight; }

    // The work area's load step: both tables re-created empty at their full size.
    void createWorkArea();

    // The frame caption: the title, and the model's file name while it has one.
    QString frameCaption() const;

    // The one object the program runs on. Tests may reset it with `MGLOBAL::instance() = {}`.
    static MGLOBAL &instance();
};

// The values the program-wide flags, orders and answers take.
namespace Grid {
enum : int16_t { Leaving = 0, Shown = 1, Hidden = 2 };     // grid lines and palette
}
namespace Changes {
enum : int16_t { None = 0, Unsaved = 1 };                  // ModelChanged
}
namespace UndoOrder {
enum : int16_t { Nothing = 0, Undo = 1, ClearAll = 2 };    // UndoChoice
}
namespace FileOrder {
enum : int16_t { Idle = 0, Open = 1, Save = 2, Cancelled = 9 }; // FileChoice; Open also while leaving asks
}
namespace Answer {
enum : int16_t { No = 0, Yes = 6 };                        // YesNoChoice after the question
}

// Cell numbers run row by row from the top left, 19 to a row. A placement code names one layer of
// one cell: cell + 1 for the back layer (1..247), cell + 248 for the front layer (248..494).
namespace Cell {
constexpr int16_t column(int16_t cell) { return cell % MGLOBAL::kColumns; }
constexpr int16_t row(int16_t cell) { return cell / MGLOBAL::kColumns; }
constexpr int16_t at(int16_t row, int16_t column) { return MGLOBAL::kColumns * row + column; }
constexpr int16_t backCode(int16_t cell) { return cell + 1; }
constexpr int16_t frontCode(int16_t cell) { return cell + 248; }
constexpr bool isBackCode(int16_t code) { return code <= 247; }
constexpr int16_t cellOfCode(int16_t code) { return isBackCode(code) ? code - 1 : code - 248; }
} // namespace Cell
