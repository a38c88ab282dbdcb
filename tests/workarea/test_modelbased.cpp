// A long random walk of drops, mouse presses, undos of any depth, clears, saves and opens, played
// on the real rules and on a small model of what the user should see and be able to take back.
// After every step the two must agree and the undo list must keep its shape. Every walk is seeded
// (BRICKLOOM_SEED adds one); a failure names the seed, the step and the action.

#include "support/testfiles.h"
#include "workarea/workarearules.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <array>
#include <vector>

using namespace WorkAreaRules;

namespace {

constexpr int kCells = MGLOBAL::kCells;
int16_t shown(int16_t n) { return n == kNoPictureMark ? 0 : n; }

// The user's view: the number in each layer of each box, and the drops that can still be taken back.
struct Model {
    struct Placement {
        int cell;
        bool front;
        bool operator==(const Placement &) const = default;
    };
    std::array<int16_t, kCells> back{}, front{}, third{};
    std::vector<Placement> undoable;    // oldest first
    int16_t changed = 0;

    int16_t &layer(const Placement &p) { return p.front ? front[p.cell] : back[p.cell]; }
    bool full(int cell) const { return back[cell] != 0 && front[cell] != 0; }

    void drop(int cell, int16_t shape, bool image)
    {
        changed = 1;
        const Placement p{cell, back[cell] != 0};
        if (!image || layer(p) != 0)
            return;
        layer(p) = shape;
        undoable.push_back(p);
    }
    void press(int cell, int button)
    {
        const Placement p{cell, front[cell] != 0};
        if (button == kLeftButton || layer(p) == 0)
            return;
        layer(p) = 0;
        changed = 1;
        if (const auto it = std::find(undoable.begin(), undoable.end(), p); it != undoable.end()) {
            undoable.erase(it);
            changed = undoable.empty() ? 0 : changed;
        }
    }
    void undo(int depth)
    {
        const size_t n = std::min<size_t>(std::max(depth, 0), undoable.size());
        for (size_t i = undoable.size() - n; i < undoable.size(); ++i)
            layer(undoable[i]) = 0;
        undoable.resize(undoable.size() - n);
        changed = undoable.empty() ? 0 : changed;
    }
};

struct Real {
    MGLOBAL g;
    BoxPictures boxes;
};

// The first way the real state breaks a rule or parts from the model, or "" when none does.
QString disagreement(const Real &r, const Model &m)
{
    const MGLOBAL &g = r.g;
    if (g.UndoCount < 0 || g.UndoCount > MGLOBAL::kMaxRecords || g.UndoList.size() != size_t(MGLOBAL::kUndoRows))
        return QStringLiteral("UndoCount %1 outside 0..494, or UndoList resized").arg(g.UndoCount);
    if (g.UndoCount != qsizetype(m.undoable.size()))
        return QStringLiteral("UndoCount %1, the model has %2 drops to undo").arg(g.UndoCount).arg(m.undoable.size());
    std::array<int, 2 * kCells + 1> records{};
    for (int i = 0; i < MGLOBAL::kUndoRows; ++i) {
        const MGLOBAL::UndoRow &rec = g.UndoList[i];
        if (i == 0 || i > g.UndoCount) {
            if (rec != MGLOBAL::UndoRow{})
                return QStringLiteral("row %1 of UndoList holds no record but is not zero").arg(i);
            continue;
        }
        if ((rec[MGLOBAL::kFront] != 0) == (rec[MGLOBAL::kBack] != 0) || rec[0] != 0 || rec[3] != 0)
            return QStringLiteral("record %1 has not exactly one non-zero column").arg(i);
        const Model::Placement p = m.undoable[i - 1];
        const int16_t code = p.front ? Cell::frontCode(p.cell) : Cell::backCode(p.cell);
        if (rec[p.front ? MGLOBAL::kFront : MGLOBAL::kBack] != code)
            return QStringLiteral("record %1 is (%2, %3), the model's drop there is code %4")
                .arg(i).arg(rec[MGLOBAL::kFront]).arg(rec[MGLOBAL::kBack]).arg(code);
        if (++records[code] > 1 || g.CellShape[p.cell][p.front ? MGLOBAL::kFront : MGLOBAL::kBack] == 0)
            return QStringLiteral("record %1 names a layer twice or names an empty layer").arg(i);
    }
    if (g.ModelChanged != m.changed || g.DragShape != 0)
        return QStringLiteral("ModelChanged %1 (model %2), DragShape %3").arg(g.ModelChanged).arg(m.changed).arg(g.DragShape);
    for (int cell = 0; cell < kCells; ++cell) {
        const MGLOBAL::CellRow &row = g.CellShape[cell];
        const MGLOBAL::CellRow want{0, m.front[cell], m.back[cell], m.third[cell], 0, 0, 0};
        if (row != want)
            return QStringLiteral("cell %1 holds %2,%3,%4; the model %5,%6,%7").arg(cell)
                .arg(row[1]).arg(row[2]).arg(row[3]).arg(want[1]).arg(want[2]).arg(want[3]);
        if (r.boxes.PicTarget[cell] != shown(row[MGLOBAL::kFront]) || r.boxes.PicTarget2[cell] != shown(row[MGLOBAL::kBack]))
            return QStringLiteral("the pictures of cell %1 do not match CellShape").arg(cell);
    }
    return {};
}

// A model as a hand edit may leave it: front layers over empty backs, the no-picture mark 1000 and
// third numbers that only the file carries.
QByteArray handEdited(QRandomGenerator &rng, Model &m)
{
    QByteArray bytes;
    for (int cell = 0; cell < kCells; ++cell) {
        const auto pick = [&] {
            const int roll = rng.bounded(10);
            return int16_t(roll < 6 ? 0 : roll < 8 ? rng.bounded(1, 241) : roll < 9 ? kNoPictureMark : 0);
        };
        m.front[cell] = pick();
        m.back[cell] = pick();
        m.third[cell] = rng.bounded(8) == 0 ? int16_t(rng.bounded(-32768, 32768)) : 0;
        bytes += QByteArray::number(m.front[cell]) + ',' + QByteArray::number(m.back[cell]) + ','
            + QByteArray::number(m.third[cell]) + "\r\n";
    }
    return bytes;
}

} // namespace

class TestModelBased : public QObject
{
    Q_OBJECT

private slots:
    void randomWalk_data()
    {
        QTest::addColumn<quint32>("seed");
        for (const quint32 seed : {1u, 2u, 3u, 20240611u})
            QTest::addRow("seed %u", seed) << seed;
        if (const QByteArray extra = qgetenv("BRICKLOOM_SEED"); !extra.isEmpty())
            QTest::addRow("seed %s", extra.constData()) << extra.toUInt();
    }

    void randomWalk()
    {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        Real r;
        r.g.createWorkArea();
        Model m;
        QByteArray saved;
        Model atSave;
        for (int step = 0; step < 6000; ++step) {
            // Long stretches of mostly drops fill the grid up to its 494 records; the others mix
            // everything on a few cells, so that drops, presses and undos meet on the same boxes.
            const bool building = (step / 1500) % 2 == 1;
            const int roll = rng.bounded(100);
            int cell = building || rng.bounded(2) ? rng.bounded(kCells) : rng.bounded(12);
            for (int i = 0; building && m.full(cell) && i < kCells; ++i)
                cell = (cell + 1) % kCells;
            // Now and then the box of a recorded drop, most often the newest: removing the record
            // in the top row, row 494 when the grid is full, is an edge of its own.
            if (!m.undoable.empty() && rng.bounded(8) == 0)
                cell = m.undoable[rng.bounded(2) ? m.undoable.size() - 1 : rng.bounded(qsizetype(m.undoable.size()))].cell;
            QString action;
            if (roll < (building ? 92 : 40)) {
                const auto shape = int16_t(rng.bounded(1, 241));
                const bool image = building || rng.bounded(20) != 0;
                action = QStringLiteral("drop %1 on %2%3").arg(shape).arg(cell).arg(image ? "" : " (no image)");
                dropOnCell(r.g, r.boxes, int16_t(cell), image, shape);
                m.drop(cell, shape, image);
            } else if (roll < (building ? 97 : 70)) {
                const int16_t button = std::array<int16_t, 3>{kLeftButton, kRightButton, kMiddleButton}[rng.bounded(3)];
                action = QStringLiteral("button %1 on %2").arg(button).arg(cell);
                int16_t delCode = 0;
                pressOnCell(r.g, r.boxes, int16_t(cell), button, delCode);
                m.press(cell, button);
            } else if (roll < (building ? 100 : 85)) {
                const int depth = rng.bounded(30) == 0 ? std::array{500, 32767, -32768}[rng.bounded(3)] : rng.bounded(-3, 13);
                action = QStringLiteral("undo with depth %1").arg(depth);
                r.g.UndoDepth = int16_t(depth);
                undoLatest(r.g, r.boxes);
                m.undo(depth);
            } else if (roll < 89) {
                // Clear all cells after the save-first question, which only comes while changed.
                const bool saveFirst = rng.bounded(2);
                action = QStringLiteral("clear, answering %1").arg(saveFirst ? "yes" : "no");
                if (r.g.ModelChanged != 1 || !saveFirst) {
                    r.g.ModelChanged = 0;
                    clearCells(r.g, r.boxes);
                    m = Model{{}, {}, m.third, {}, 0};
                }
            } else if (roll < 94) {
                action = QStringLiteral("save");
                saved = ModelFile::toBytes(r.g);
                r.g.ModelChanged = m.changed = 0;
                atSave = m;
            } else {
                // Open: clear without asking, read, show the pictures. Nothing opened can be undone.
                const bool ownFile = !saved.isEmpty() && rng.bounded(2);
                action = ownFile ? QStringLiteral("open the saved model") : QStringLiteral("open a hand-edited model");
                const QByteArray bytes = ownFile ? saved : handEdited(rng, m);
                if (ownFile)
                    m = atSave;
                m.undoable.clear();
                m.changed = 0;
                r.g.UndoChoice = 2;
                r.g.ModelChanged = 0;
                clearCells(r.g, r.boxes);
                QVERIFY2(TestFiles::readModel(bytes, r.g) && placePictures(r.g, r.boxes), qPrintable(action));
                r.g.ModelChanged = 0;
            }
            maxRecords_ = std::max(maxRecords_, int(r.g.UndoCount));
            const QString problem = disagreement(r, m);
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, step %2, %3: %4").arg(seed).arg(step).arg(action, problem)));
        }
    }

    // The walks must have reached the full grid, or the upper end of the undo list went untried.
    void walksFilledTheGrid() { QCOMPARE(maxRecords_, int(MGLOBAL::kMaxRecords)); }

private:
    int maxRecords_ = 0;
};

QTEST_GUILESS_MAIN(TestModelBased)
#include "test_modelbased.moc"
