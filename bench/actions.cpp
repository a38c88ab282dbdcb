// bench_actions: what one user action costs in the work area, offscreen, next to what Qt needs to
// put up and paint a bare window of the same size in the same run. Every action is timed together
// with the repaint it causes, forced at once, since the user sees the action only then.
//
// Actions that can run again as they are use QBENCHMARK. Actions that change the model (a drop
// fills a layer, a removal empties one) need the model set up again between two of them; they are
// timed one by one with the setup left out, and the median goes to Qt Test as the result.

#include "dialogs/filedir.h"
#include "palette/shapes.h"

#include "modelfile.h"
#include "savefile.h"
#include "shapeicons.h"
#include "workareapainter.h"
#include "workarearules.h"

#include "support/program.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMainWindow>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <functional>
#include <optional>

namespace {

constexpr int kLayers = 2 * MGLOBAL::kCells;

int16_t shapeFor(int layer) { return static_cast<int16_t>(layer % WorkAreaRules::kLastShape + 1); }

// Every layer of every cell filled and every third field set, as the heaviest file a user can have.
MGLOBAL fullModel()
{
    MGLOBAL g;
    g.createWorkArea();
    g.LastCell = MGLOBAL::kLastCell;
    for (int cell = 0; cell < MGLOBAL::kCells; ++cell) {
        g.CellShape[cell][MGLOBAL::kFront] = shapeFor(2 * cell);
        g.CellShape[cell][MGLOBAL::kBack] = shapeFor(2 * cell + 1);
        g.CellShape[cell][MGLOBAL::kThird] = static_cast<int16_t>(cell + 1);
    }
    return g;
}

// Drops a shape on every layer, backs first, without painting; the repaint comes once at the end.
void fillByDrops(WorkArea::Display *d)
{
    for (int layer = 0; layer < kLayers; ++layer)
        d->PicTarget_DragDrop(static_cast<int16_t>(layer % MGLOBAL::kCells), true, shapeFor(layer));
    d->repaint();
}

void clearNow(WorkArea::Display *d)
{
    MGLOBAL &g = MGLOBAL::instance();
    g.ModelChanged = Changes::None;
    g.UndoChoice = UndoOrder::ClearAll;
    d->ClearorUndo();
    d->repaint();
}

// Times `action` alone, `rounds` times over, with `setup` before each round left out of the figure;
// a round may time several actions. Reports the median to Qt Test and returns it in nanoseconds.
qint64 timeEach(int rounds, const std::function<void()> &setup, const std::function<void(QElapsedTimer &, std::vector<qint64> &)> &round)
{
    std::vector<qint64> samples;
    for (int r = 0; r < rounds; ++r) {
        setup();
        QElapsedTimer timer;
        round(timer, samples);
    }
    std::sort(samples.begin(), samples.end());
    const qint64 median = samples[samples.size() / 2];
    const qint64 worst = samples.back();
    qInfo("%zu actions timed one by one: median %.4f ms, slowest %.4f ms", samples.size(), median / 1e6, worst / 1e6);
    QTest::setBenchmarkResult(qreal(median), QTest::WalltimeNanoseconds);
    return median;
}

// Answers the file dialog with `path` at once, as the user would by picking the file.
void answerFileDialogs(const QString &path)
{
    Modal::setAnswerer([path](QDialog &dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(&dialog)) {
            files->selectFile(path);
            dialog.QDialog::accept();
        } else {
            qWarning("unexpected dialog %s", qPrintable(dialog.objectName()));
            dialog.close();
        }
    });
}

// Watches a widget for its paint events.
class PaintSeen : public QObject {
public:
    explicit PaintSeen(QWidget *w) { w->installEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

} // namespace

class BenchActions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Program::removeSettings();
        QVERIFY(dir_.isValid());
        fullPath_ = dir_.filePath(QStringLiteral("FULL.Pic"));
        fullBytes_ = ModelFile::toBytes(fullModel());
        QVERIFY(SaveFile::write(fullPath_, fullBytes_));
        program_ = std::make_unique<Program>();
        QVERIFY(program_->create());
        for (int n = WorkAreaRules::kFirstShape; n <= WorkAreaRules::kLastShape; ++n)
            QVERIFY(!ShapeIcons::image(n).isNull());
        MGLOBAL::instance().UndoDepth = 10;
    }

    void cleanupTestCase()
    {
        Modal::setAnswerer(nullptr);
        program_.reset();
    }

    // The unit: Qt creating, showing, painting and closing an empty window of the work area's size.
    void bareWindow()
    {
        QBENCHMARK {
            QMainWindow window;
            window.resize(634, 455);
            PaintSeen paint(&window);
            window.show();
            for (int spins = 0; !paint.seen && spins < 1000; ++spins)
                QCoreApplication::processEvents();
            QVERIFY(paint.seen);
        }
    }

    // One frame of that window: repainting it all once it is up.
    void bareRepaint()
    {
        QMainWindow window;
        window.resize(634, 455);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QBENCHMARK {
            window.repaint();
        }
    }

    void drop()
    {
        WorkArea::Display *d = display();
        timeEach(10, [d] { clearNow(d); }, [d](QElapsedTimer &timer, std::vector<qint64> &samples) {
            for (int layer = 0; layer < kLayers; ++layer) {
                const auto cell = static_cast<int16_t>(layer % MGLOBAL::kCells);
                timer.start();
                d->PicTarget_DragDrop(cell, true, shapeFor(layer));
                d->repaint(WorkAreaPainter::boxRect(cell));
                samples.push_back(timer.nsecsElapsed());
            }
        });
        QCOMPARE(MGLOBAL::instance().UndoCount, kLayers);
    }

    // Right-clicks that empty every layer of a full model, front then back of each cell in turn;
    // each one takes its record out of a full undo list.
    void rightClick()
    {
        WorkArea::Display *d = display();
        timeEach(10, [d] { clearNow(d); fillByDrops(d); }, [d](QElapsedTimer &timer, std::vector<qint64> &samples) {
            for (int layer = 0; layer < kLayers; ++layer) {
                const auto cell = static_cast<int16_t>(layer / 2);
                timer.start();
                d->PicTarget_MouseDown(cell, WorkAreaRules::kRightButton);
                d->repaint(WorkAreaPainter::boxRect(cell));
                samples.push_back(timer.nsecsElapsed());
            }
        });
        QCOMPARE(MGLOBAL::instance().UndoCount, 0);
        QCOMPARE(d->pictures(), BoxPictures{});
    }

    void undoTen()
    {
        WorkArea::Display *d = display();
        MGLOBAL &g = MGLOBAL::instance();
        const auto tenDrops = [d] {
            clearNow(d);
            for (int layer = 0; layer < 10; ++layer)
                d->PicTarget_DragDrop(static_cast<int16_t>(7 * layer), true, shapeFor(layer));
            d->repaint();
        };
        timeEach(200, tenDrops, [d, &g](QElapsedTimer &timer, std::vector<qint64> &samples) {
            g.UndoChoice = UndoOrder::Undo;
            g.UndoDepth = 10;
            timer.start();
            d->ClearorUndo();
            d->repaint();
            samples.push_back(timer.nsecsElapsed());
        });
        QCOMPARE(g.UndoCount, 0);
    }

    void clearFull()
    {
        WorkArea::Display *d = display();
        MGLOBAL &g = MGLOBAL::instance();
        const auto full = [d, &g] {
            clearNow(d);
            fillByDrops(d);
            g.ModelChanged = Changes::None;
        };
        timeEach(50, full, [d, &g](QElapsedTimer &timer, std::vector<qint64> &samples) {
            g.UndoChoice = UndoOrder::ClearAll;
            timer.start();
            d->ClearorUndo();
            d->repaint();
            samples.push_back(timer.nsecsElapsed());
        });
        QCOMPARE(d->pictures(), BoxPictures{});
    }

    // The work area repainted whole with a full model in it, as after an open or a clear.
    void fullRepaint()
    {
        WorkArea::Display *d = display();
        clearNow(d);
        fillByDrops(d);
        QBENCHMARK {
            d->repaint();
        }
        clearNow(d);
    }

    // The palette hidden and shown again, as around every file dialog and question, until it has
    // been painted again.
    void paletteReshow()
    {
        Shapes *palette = Shapes::existing();
        QVERIFY(palette && palette->isVisible());
        PaintSeen paint(palette);
        QBENCHMARK {
            palette->hide();
            paint.seen = false;
            palette->showInactive();
            for (int spins = 0; !paint.seen && spins < 1000; ++spins)
                QCoreApplication::processEvents();
        }
        QVERIFY(paint.seen);
    }

    // Reading the model's 741 fields from memory: the parser alone.
    void readModel()
    {
        MGLOBAL g = fullModel();
        QBENCHMARK {
            QBuffer in(&fullBytes_);
            in.open(QIODevice::ReadOnly);
            ModelFile::read(in, g);
        }
        QCOMPARE(g.CellShape[246][MGLOBAL::kThird], 247);
    }

    // The reader on the file: opening and reading it.
    void openModel()
    {
        MGLOBAL g = fullModel();
        QBENCHMARK {
            ModelFile::openModel(fullPath_, g);
        }
        QCOMPARE(g.CellShape[246][MGLOBAL::kThird], 247);
    }

    // "&Open File" on a full model while a full model is shown: clearing, the file dialog (answered
    // at once), reading, the pictures and the repaint. The dialog is Qt's and costs what it costs
    // even unseen, so the routine that runs it is timed alone right after each command, and the
    // command's own work is the difference of the two.
    void openClick() { QTest::setBenchmarkResult(qreal(openPair().whole), QTest::WalltimeNanoseconds); }
    void openDialog() { QTest::setBenchmarkResult(qreal(openPair().dialog), QTest::WalltimeNanoseconds); }
    void openOwnWork() { QTest::setBenchmarkResult(qreal(openPair().ownWork), QTest::WalltimeNanoseconds); }

    // Writing the full model into place.
    void saveModel()
    {
        const MGLOBAL g = fullModel();
        const QString path = dir_.filePath(QStringLiteral("SAVED.Pic"));
        QBENCHMARK {
            ModelFile::saveModel(path, g);
        }
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), fullBytes_);
    }

    // The model bytes alone, without the file.
    void modelBytes()
    {
        const MGLOBAL g = fullModel();
        QByteArray bytes;
        QBENCHMARK {
            bytes = ModelFile::toBytes(g);
        }
        QCOMPARE(bytes, fullBytes_);
    }

    // "&Save File" with the full model shown, timed like the open command.
    void saveClick() { QTest::setBenchmarkResult(qreal(savePair().whole), QTest::WalltimeNanoseconds); }
    void saveDialog() { QTest::setBenchmarkResult(qreal(savePair().dialog), QTest::WalltimeNanoseconds); }
    void saveOwnWork() { QTest::setBenchmarkResult(qreal(savePair().ownWork), QTest::WalltimeNanoseconds); }

private:
    static WorkArea::Display *display() { return WorkArea::Display::existing(); }

    // A file command, its dialog routine alone, and the command's own work. The dialog is Qt's and
    // costs what it costs even unseen; it is tens of milliseconds against well under one of our own,
    // and under a loaded machine its wall time swings by more than our whole share. So each pair runs
    // back to back, and our share is the difference of the two in the user-interface thread's CPU
    // time, which other processes do not disturb. Medians in nanoseconds.
    struct Paired {
        qint64 whole = 0;   // wall time of the command
        qint64 dialog = 0;  // wall time of the dialog routine
        qint64 ownWork = 0; // CPU time of the command less that of the dialog routine
    };

    static qint64 threadCpuNs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }

    static Paired timePairs(int16_t fileChoice, const std::function<void()> &command)
    {
        constexpr int kPairs = 31;
        MGLOBAL &g = MGLOBAL::instance();
        const auto dialogAlone = [&g, fileChoice] {
            g.FileChoice = fileChoice;
            FileDir::FileDirectory();
            g.FileChoice = FileOrder::Idle;
            g.ModelFilePath.clear();
        };
        std::vector<qint64> whole, dialog, own;
        QElapsedTimer timer;
        for (int pair = -1; pair < kPairs; ++pair) {
            qint64 cpu = threadCpuNs();
            timer.start();
            command();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const qint64 commandWall = timer.nsecsElapsed();
            const qint64 commandCpu = threadCpuNs() - cpu;
            cpu = threadCpuNs();
            timer.start();
            dialogAlone();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const qint64 dialogWall = timer.nsecsElapsed();
            const qint64 dialogCpu = threadCpuNs() - cpu;
            if (pair < 0)
                continue; // the first pair warms up
            whole.push_back(commandWall);
            dialog.push_back(dialogWall);
            own.push_back(commandCpu - dialogCpu);
        }
        const auto median = [](std::vector<qint64> &v) {
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        return {median(whole), median(dialog), median(own)};
    }

    const Paired &openPair()
    {
        if (!openPair_) {
            WorkArea::Display *d = display();
            answerFileDialogs(fullPath_);
            openPair_ = timePairs(1, [d] {
                d->FileOpen_Click();
                d->repaint();
            });
            Modal::setAnswerer(nullptr);
            if (MGLOBAL::instance().ModelFileName != QStringLiteral("FULL.Pic") || d->pictures().PicTarget[246] != shapeFor(2 * 246))
                qFatal("the open command did not open the full model");
        }
        return *openPair_;
    }

    const Paired &savePair()
    {
        if (!savePair_) {
            WorkArea::Display *d = display();
            if (d->pictures().PicTarget[246] == 0) {
                answerFileDialogs(fullPath_);
                d->FileOpen_Click();
            }
            const QString path = dir_.filePath(QStringLiteral("CLICKED.Pic"));
            answerFileDialogs(path);
            savePair_ = timePairs(2, [d] { d->FileSave_Click(); });
            Modal::setAnswerer(nullptr);
            QFile saved(path);
            if (!saved.open(QIODevice::ReadOnly) || saved.readAll() != fullBytes_)
                qFatal("the save command did not write the full model");
        }
        return *savePair_;
    }

    std::optional<Paired> openPair_;
    std::optional<Paired> savePair_;

    QTemporaryDir dir_;
    QString fullPath_;
    QByteArray fullBytes_;
    std::unique_ptr<Program> program_;
};

QTEST_MAIN(BenchActions)
#include "actions.moc"
