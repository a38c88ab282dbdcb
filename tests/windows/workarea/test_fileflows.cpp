// "Save File", "Open File" and "Print" with the dialogs answered through the test seam: what is
// written or printed, what the boxes and caption show after, what a failure costs. A row an outcome.

#include "printer.h"

#include "filenames.h"
#include "recoverycopy.h"
#include "twips.h"
#include "workareapainter.h"

#include "support/dialogscript.h"
#include "support/program.h"
#include "support/testfiles.h"

#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include <csignal>
#include <sys/resource.h>

using D = DialogScript;
using TestFiles::model;

namespace {
const QString kTitle = QStringLiteral(" Brickloom Win9 ");

WorkArea::Display *display() { return WorkArea::Display::existing(); }
QRect borderRect() { return display()->parentWidget()->geometry(); }

QString caption(const QString &name) { return name.isEmpty() ? kTitle : kTitle + " [" + name + "]"; }

// Takes what would go to the printer, or fails as a computer without one.
struct PrinterCapture {
    std::vector<QImage> pages;
    explicit PrinterCapture(bool works = true)
    {
        Printer::setSink([this, works](const QImage &image, QString *error) {
            pages.push_back(image.convertToFormat(QImage::Format_RGB32));
            if (!works && error)
                *error = QStringLiteral("No printer is set up on this computer.");
            return works;
        });
    }
    ~PrinterCapture() { Printer::setSink(nullptr); }
};

// After printing, the window is back at its layout place and size, black, its lines gone.
void checkPutBack(bool large = false)
{
    QCOMPARE(borderRect(), QRect(Twips::point(large ? 0 : -60, large ? 600 : -60), Twips::size(9550, 6850)));
    QCOMPARE(display()->backColor(), QColor(Qt::black));
    QCOMPARE(display()->grab().toImage().pixelColor(11, 5), QColor(Qt::black));
    QVERIFY(!QGuiApplication::overrideCursor());
}
} // namespace

class TestFileFlows : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }

    // Whatever happens, the model counts as saved afterwards and the palette is back; unless the
    // disk is full and no copy of the model can be written either: leaving must then ask.
    void saving_data()
    {
        QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("name");   // of the model afterwards
        QTest::addColumn<QString>("reason"); // on standard error
        QTest::newRow("saved, .Pic added to the name") << "model1" << "model1.Pic" << "";
        QTest::newRow("cancelled") << "" << "OLD.Pic" << "";
        QTest::newRow("failed: no such folder") << "gone/model1.Pic" << "OLD.Pic" << "No such file";
        QTest::newRow("failed: too long for the folder") << QString(300, u'x') << "OLD.Pic" << "too long";
        QTest::newRow("failed: the disk is full, also for copies") << "full.Pic" << "OLD.Pic" << "disk is full";
    }
    void saving()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Program program(Program::InWorkArea);
        MGLOBAL &g = MGLOBAL::instance();
        g.ModelFileName = QStringLiteral("OLD.Pic");
        display()->PicTarget_DragDrop(0, true, 45);
        display()->PicTarget_DragDrop(0, true, 12);
        display()->PicTarget_DragDrop(2, true, 3);
        QString proposed;
        std::vector<D::Answer> answers{D::inspect([&](QDialog &d) {
            QVERIFY(!Shapes::existing()->isVisible());
            proposed = QFileInfo(static_cast<QFileDialog &>(d).selectedFiles().value(0)).fileName();
        }, chosen.isEmpty() ? D::cancel() : D::typeFile(dir.filePath(chosen)))};
        const bool fails = !reason.isEmpty(), full = reason.contains("full");
        if (fails) {
            answers.push_back(D::exitMessage());
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("was not saved: .*" + reason));
        }
        DialogScript script(answers);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit tight{full ? 512 : previous.rlim_cur, previous.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tight); // as on a full disk
        display()->FileSave_Click();
        setrlimit(RLIMIT_FSIZE, &previous);
        QVERIFY(script.allAnswered());
        QCOMPARE(proposed, QStringLiteral("OLD.Pic"));
        QCOMPARE(script.asked.back(), fails ? "AMsgbox:  Bad Filename. Must be in the form MYFILE.PIC" : "QFileDialog: save");
        QCOMPARE(TestFiles::read(dir.filePath("model1.Pic")),
                 name == "model1.Pic" ? model({{0, "12,45,0"}, {2, "0,3,0"}}) : QByteArray("<none>"));
        QCOMPARE(g.ModelFileName, name);
        QCOMPARE(program.frame->windowTitle(), caption(name));
        QCOMPARE(g.ModelChanged, full ? 1 : 0);
        QVERIFY(Shapes::existing()->isVisible());
    }

    void aRecoveryCopyKeepsWhatWasNeverSaved()
    {
        QTemporaryDir dir;
        QDir recovery(RecoveryCopy::defaultFolder());
        recovery.removeRecursively();
        const auto copy = [&] {
            const QFileInfoList copies = recovery.entryInfoList({"*.Pic"}, QDir::Files);
            return copies.size() == 1 ? TestFiles::read(copies.first().filePath()) : QByteArray::number(copies.size());
        };
        Program program(Program::InWorkArea);
        display()->PicTarget_DragDrop(0, true, 45);
        QCOMPARE(copy(), model({{0, "0,45,0"}}));
        // Taken out again, the model is what was saved: the copy goes once the interval is over.
        QTest::mousePress(display(), Qt::RightButton, {}, WorkAreaPainter::boxRect(0).center());
        QTRY_COMPARE(copy(), QByteArray("0"));
        display()->PicTarget_DragDrop(0, true, 45);
        DialogScript saved({D::chooseFile(dir.filePath("a.Pic"))});
        display()->FileSave_Click();
        QCOMPARE(copy(), QByteArray("0"));

        // A failed save marks the model as saved all the same, and leaving asks nothing: the
        // copy is what keeps the model.
        display()->PicTarget_DragDrop(0, true, 12);
        DialogScript failed({D::chooseFile(dir.filePath("gone/b.Pic")), D::exitMessage()});
        display()->FileSave_Click();
        display()->Exit1_Click();
        QVERIFY(failed.allAnswered());
        QVERIFY(MainMenu::existing());
        QCOMPARE(copy(), model({{0, "12,45,0"}}));
    }

    // A model is shown and named. An unreadable file shows nothing and leaves no name; a readable
    // one that names a shape there is not stops its pictures there, and keeps its name. What is no
    // file at all (a pipe, a folder, a device, a huge sparse file) is answered at once.
    void opening_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason"); // on standard error; empty: opened
        QTest::addColumn<int>("back2");
        QTest::addColumn<int>("front2");
        QTest::addColumn<QString>("notModel");
        QTest::newRow("a model") << model({{2, "7,5,8"}, {3, "0,1000,0"}, {11, "40,0,0"}}) << "odd.Pic" << "" << 5 << 7 << "";
        QTest::newRow("not a model file") << TestFiles::read(TestFiles::corpus("bad/letters.Pic")) << "" << "not a model file" << 0 << 0 << "";
        QTest::newRow("no such shape") << model({{2, "7,5,0"}, {10, "0,241,0"}, {11, "0,6,0"}}) << "odd.Pic"
                                       << "cell 10 holds 241, which names no shape" << 5 << 0 << "";
        for (const QString &kind : TestFiles::notModels())
            QTest::newRow(qPrintable(kind)) << QByteArray() << "" << "not a (regular|model) file" << 0 << 0 << kind;
    }
    void opening()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QFETCH(int, back2);
        QFETCH(int, front2);
        QFETCH(QString, notModel);
        QTemporaryDir dir;
        const QString path = dir.filePath("odd.Pic");
        QVERIFY(notModel.isEmpty() ? TestFiles::write(path, bytes) : TestFiles::makeNotModel(notModel, path));
        Program program(Program::InWorkArea);
        QElapsedTimer clock;
        std::vector<D::Answer> answers{D::inspect([&](QDialog &) { QVERIFY(!Shapes::existing()->isVisible()); clock.start(); },
                                                  D::chooseFile(path))};
        const bool fails = !reason.isEmpty();
        if (fails) {
            answers.push_back(D::exitMessage());
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open .*odd.Pic: " + reason + "$"));
        }
        DialogScript script(answers);
        display()->FileOpen_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE_LT(clock.elapsed(), 1000);
        QCOMPARE(script.asked.back(), fails ? "AMsgbox: File not found or wrong format. Check Filename and/or Directory."
                                            : "QFileDialog: open");
        QCOMPARE(program.frame->windowTitle(), caption(name));
        const BoxPictures &boxes = display()->pictures();
        QCOMPARE(boxes.PicTarget2[2], back2); // the back layers come first...
        QCOMPARE(boxes.PicTarget[2], front2);  // ...then the front ones
        QCOMPARE(boxes.PicTarget2[11], 0);
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.UndoCount, 0);
        QCOMPARE(g.ModelChanged, 0);
        QVERIFY(Shapes::existing()->isVisible());
        if (fails)
            return;
        QCOMPARE(boxes.PicTarget[11], 40);
        QCOMPARE(boxes.PicTarget2[3], 0);   // 1000 shows nothing...
        QCOMPARE(g.CellShape[3][2], 1000); // ...but is kept
        // Saved again unchanged, the file is the same byte for byte, 1000 and the third field too.
        DialogScript again({D::chooseFile(dir.filePath("Copy.Pic"))});
        display()->FileSave_Click();
        QCOMPARE(TestFiles::read(dir.filePath("Copy.Pic")), bytes);
    }

    void openWithChangesAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes keeps the model") << true;
        QTest::newRow("no clears, and the dialog is cancelled") << false;
    }
    void openWithChangesAsksFirst()
    {
        QFETCH(bool, yes);
        Program program(Program::InWorkArea);
        display()->HideShowGrids_Click(); // with the palette hidden it must stay hidden
        display()->PicTarget_DragDrop(3, true, 9);
        DialogScript dialogs(yes ? std::vector<D::Answer>{D::yes()} : std::vector<D::Answer>{D::no(), D::cancel()});
        display()->FileOpen_Click();
        QVERIFY(dialogs.allAnswered());
        QCOMPARE(dialogs.asked.front(),
                 QStringLiteral("AllYesNo: Changes made, do you wish save model before erasing by opening a new file."));
        QVERIFY(!Shapes::existing()->isVisible());
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.CellShape[3][2], yes ? 9 : 0);
        QCOMPARE(display()->pictures().PicTarget2[3], yes ? 9 : 0);
        QCOMPARE(g.ModelChanged, yes ? 1 : 0);
        QCOMPARE(g.UndoCount, yes ? 1 : 0);
    }

    // Opened as the desktop hands a file over, a model is saved back where it came from, whatever
    // the bytes of its name; the next dialog starts in its folder.
    void theDialogsStartWhereTheModelIs_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("UTF-8") << QByteArray("h\xc3\xa4use.Pic");
        QTest::newRow("not UTF-8") << QByteArray("h\xe4use.Pic");
    }
    void theDialogsStartWhereTheModelIs()
    {
        QFETCH(QByteArray, name);
        QTemporaryDir dir;
        // Written and read by the bytes of its name, past Qt.
        const std::string path = (QFile::encodeName(dir.path()) + '/' + name).toStdString();
        std::ofstream(path, std::ios::binary) << model({{2, "0,5,0"}}).toStdString();
        const auto removed = qScopeGuard([&] { std::filesystem::remove(path); }); // QTemporaryDir cannot see it
        const QString given = FileNames::fromLocal(QByteArray::fromStdString(path));
        Program program(Program::InWorkArea);
        display()->openModel(given);
        QCOMPARE(display()->pictures().PicTarget2[2], 5);
        display()->PicTarget_DragDrop(0, true, 45);
        QStringList proposed;
        // Enter on the proposed name; then a name too long for the folder, which Qt's dialog alone
        // would refuse without a word, goes to the program's own open.
        DialogScript script({D::inspect([&](QDialog &d) { proposed = static_cast<QFileDialog &>(d).selectedFiles(); },
                                        D::typeFile(QFileInfo(given).fileName())), // Enter, no question
                             D::inspect([&](QDialog &d) { QCOMPARE(static_cast<QFileDialog &>(d).directory().path(), dir.path()); },
                                        D::typeFile(QString(300, u'x'))),
                             D::exitMessage()});
        display()->FileSave_Click();
        QCOMPARE(proposed, QStringList{given});
        std::ifstream saved(path, std::ios::binary);
        QCOMPARE(QByteArray::fromStdString({std::istreambuf_iterator<char>(saved), {}}), model({{0, "0,45,0"}, {2, "0,5,0"}}));
        display()->FileOpen_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE(script.asked.back(), "AMsgbox: File not found or wrong format. Check Filename and/or Directory.");
        // The model alone, by the bytes of the names: Qt's own listing leaves out what is no UTF-8.
        const std::filesystem::path folder = QFile::encodeName(dir.path()).toStdString();
        QCOMPARE(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    }

    void theDialogListsModelFilesOfAnyCase()
    {
        QTemporaryDir dir;
        for (const char *name : {"a.Pic", "b.PIC", "c.pic", "d.txt"})
            QVERIFY(TestFiles::write(dir.filePath(QLatin1String(name)), "x"));
        Program program(Program::InWorkArea);
        QStringList listed;
        DialogScript script({[&](QDialog &d) {
            auto &files = static_cast<QFileDialog &>(d);
            QCOMPARE(files.nameFilters(), QStringList{"Picture Data (*.Pic)"});
            files.setDirectory(dir.path());
            d.show();
            auto *model = files.findChild<QFileSystemModel *>();
            QVERIFY(model);
            const QModelIndex root = model->index(dir.path());
            QTRY_COMPARE(model->rowCount(root), 3);
            for (int row = 0; row < 3; ++row)
                listed << model->index(row, 0, root).data().toString();
            files.reject();
        }});
        display()->FileOpen_Click();
        listed.sort();
        QCOMPARE(listed, QStringList({"a.Pic", "b.PIC", "c.pic"}));
    }

    // The page is the window's image above the strip of buttons, the grid only on black.
    void printing_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("white");
        QTest::addColumn<bool>("large");
        QTest::newRow("no prints nothing") << false << false << false;
        QTest::newRow("black page") << true << false << false;
        QTest::newRow("white page") << true << true << false;
        QTest::newRow("black page, large layout") << true << false << true;
    }
    void printing()
    {
        QFETCH(bool, print);
        QFETCH(bool, white);
        QFETCH(bool, large);
        Program program(Program::InWorkArea);
        display()->PicTarget_DragDrop(5, true, 17);
        display()->PicTarget_DragDrop(5, true, 40);
        MGLOBAL::instance().ModelChanged = 0;
        if (large) {
            MGLOBAL::instance().FrameSize = 8670;
            display()->parentWidget()->move(100, 100);
        }
        PrinterCapture printer;
        const QRect before = borderRect();
        DialogScript script(print ? std::vector<D::Answer>{D::yes(), white ? D::yes() : D::no()} : std::vector<D::Answer>{D::no()});
        display()->PrintAll_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE(script.asked.front(), QStringLiteral("AllYesNo:  Continue with Printout."));
        if (!print) {
            QVERIFY(printer.pages.empty());
            QCOMPARE(borderRect(), before);
            QCOMPARE(display()->grab().toImage().pixelColor(11, 5), QColor(0, 128, 0));
            return;
        }
        checkPutBack(large);
        QCOMPARE(script.asked.at(1), QStringLiteral("AllYesNo: With white background."));
        QCOMPARE(printer.pages.size(), size_t(1));
        const QImage &page = printer.pages.front();
        // The window was 9530 x 6400 twips while it printed, inside its one-pixel border.
        QCOMPARE(page.size(), Twips::size(9530, 6400) - QSize(2, 2));
        const QColor background = white ? Qt::white : Qt::black;
        QCOMPARE(page.pixelColor(11, 5), white ? background : QColor(0, 128, 0));
        const QRect box = WorkAreaPainter::boxRect(5);
        QCOMPARE(page.copy(box), WorkAreaPainter::renderModel(display()->pictures(), background, !white).copy(box));
        for (int y = 422; y < page.height(); ++y) // below the grid: background only, no buttons
            for (int x = 0; x < page.width(); ++x)
                QCOMPARE(page.pixelColor(x, y), background);
    }

    // Why the page went nowhere goes to standard error, as the user is told.
    void withoutAPrinterThePageCanBecomeAPdf_data()
    {
        QTest::addColumn<QString>("file"); // chosen for the PDF; empty: the offer is declined
        QTest::newRow("yes writes a PDF file") << "model";
        QTest::newRow("no writes nothing") << "";
        QTest::newRow("yes, into a folder that is not there") << "gone/model";
    }
    void withoutAPrinterThePageCanBecomeAPdf()
    {
        QFETCH(QString, file);
        const bool pdf = !file.isEmpty(), fails = file.contains('/');
        QTemporaryDir dir;
        Program program(Program::InWorkArea);
        PrinterCapture printer(false);
        QString offer;
        std::vector<D::Answer> answers{D::yes(), D::no(), [&](QDialog &d) {
            checkPutBack(); // before the user is asked
            offer = static_cast<QMessageBox &>(d).text();
            static_cast<QMessageBox &>(d).button(pdf ? QMessageBox::Yes : QMessageBox::No)->click();
        }, D::chooseFile(dir.filePath(file))};
        QTest::ignoreMessage(QtWarningMsg, "brickloom: the model was not printed: No printer is set up on this computer.");
        if (fails) {
            answers.push_back(D::closeBox());
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("gone/model.pdf was not written: No such file or directory$"));
        }
        DialogScript script(answers);
        display()->PrintAll_Click();
        QCOMPARE(script.allAnswered(), pdf); // the file dialog comes only after yes
        QVERIFY2(offer.contains(QStringLiteral("No printer is set up")) && offer.contains("PDF"), qPrintable(offer));
        QCOMPARE(TestFiles::read(dir.filePath("model.pdf")).startsWith("%PDF-"), pdf && !fails);
        if (fails)
            QCOMPARE(script.asked.back(), "QMessageBox: The PDF file could not be written. Check the name and the folder.");
    }
};

QTEST_MAIN(TestFileFlows)
#include "test_fileflows.moc"
