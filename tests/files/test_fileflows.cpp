// "Save File" and "Open File" in the work area, with the file dialog and the questions answered
// through the test seam: what is written, what the boxes and the caption show afterwards, and
// what a failure costs.

#include "files/filedir.h"
#include "files/modelfile.h"
#include "files/recoverycopy.h"
#include "support/dialogscript.h"
#include "support/program.h"

#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>

using D = DialogScript;

namespace {
const QString kTitle = QStringLiteral(" Brickloom Win9 ");

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A model file with the given "front,back,third" lines at the given cells, 0,0,0 elsewhere.
QByteArray modelBytes(const std::map<int, QByteArray> &lines)
{
    QByteArray out;
    for (int cell = 0; cell < 247; ++cell)
        out += (lines.count(cell) ? lines.at(cell) : QByteArray("0,0,0")) + "\r\n";
    return out;
}

// Checks, while the file dialog is up, that the palette has been hidden for it.
D::Answer paletteHiddenThen(D::Answer answer)
{
    return [answer](QDialog &d) {
        QVERIFY(!Shapes::existing() || !Shapes::existing()->isVisible());
        answer(d);
    };
}

WorkArea::Display *display() { return WorkArea::Display::existing(); }
} // namespace

class TestFileFlows : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }

    void saveWritesTheModelAndNamesIt()
    {
        QTemporaryDir dir;
        Program program;
        program.create();
        display()->PicTarget_DragDrop(0, true, 45);
        display()->PicTarget_DragDrop(0, true, 12);
        display()->PicTarget_DragDrop(2, true, 3);
        DialogScript script({paletteHiddenThen(D::chooseFile(dir.filePath("model1")))});
        display()->FileSave_Click();
        QCOMPARE(script.asked, std::vector<QString>{"QFileDialog: save"});
        // A name typed without its extension gets ".Pic".
        QCOMPARE(bytesOf(dir.filePath("model1.Pic")), modelBytes({{0, "12,45,0"}, {2, "0,3,0"}}));
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.ModelFileName, QStringLiteral("model1.Pic"));
        QCOMPARE(program.frame->windowTitle(), kTitle + QStringLiteral(" [model1.Pic]"));
        QCOMPARE(g.ModelChanged, 0);
        QCOMPARE(g.FileChoice, 0);
        QCOMPARE(g.ModelFilePath, QString());
        QVERIFY(Shapes::existing()->isVisible());
    }

    void aRecoveryCopyKeepsWhatWasNeverSaved()
    {
        QTemporaryDir dir;
        QDir recovery(RecoveryCopy::defaultFolder());
        recovery.removeRecursively();
        const auto copies = [&] { return recovery.entryInfoList({"*.Pic"}, QDir::Files); };
        Program program;
        program.create();
        display()->PicTarget_DragDrop(0, true, 45);
        QCOMPARE(copies().size(), 1);
        QCOMPARE(bytesOf(copies().first().filePath()), modelBytes({{0, "0,45,0"}}));
        DialogScript saved({D::chooseFile(dir.filePath("a.Pic"))});
        display()->FileSave_Click();
        QVERIFY2(copies().isEmpty(), "a successful save removes the copy");

        // A save that fails marks the model as saved all the same, and leaving asks nothing: the
        // copy is what keeps the model.
        display()->PicTarget_DragDrop(0, true, 12);
        DialogScript failed({D::chooseFile(dir.filePath("gone/b.Pic")), D::exitMessage()});
        display()->FileSave_Click();
        QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
        display()->Exit1_Click();
        QVERIFY(failed.allAnswered());
        QVERIFY(MainMenu::existing());
        QCOMPARE(copies().size(), 1);
        QCOMPARE(bytesOf(copies().first().filePath()), modelBytes({{0, "12,45,0"}}));
    }

    void saveProposesTheCurrentName()
    {
        QTemporaryDir dir;
        Program program;
        program.create();
        MGLOBAL::instance().ModelFileName = QStringLiteral("MODEL1.PIC");
        QString proposed;
        QStringList filters;
        DialogScript script({D::inspect(
            [&](QDialog &d) {
                auto &files = static_cast<QFileDialog &>(d);
                proposed = QFileInfo(files.selectedFiles().value(0)).fileName();
                filters = files.nameFilters();
            },
            D::cancel())});
        display()->FileSave_Click();
        QCOMPARE(proposed, QStringLiteral("MODEL1.PIC"));
        QCOMPARE(filters, QStringList{"Picture Data (*.Pic)"});
        // Cancelled: nothing written, the name stays, and the model counts as saved.
        QCOMPARE(program.frame->windowTitle(), kTitle + QStringLiteral(" [MODEL1.PIC]"));
        QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
        QCOMPARE(MGLOBAL::instance().FileChoice, 0);
    }

    void aFailedSaveKeepsTheOldFileAndTheName()
    {
        QTemporaryDir dir;
        Program program;
        program.create();
        MGLOBAL::instance().ModelFileName = QStringLiteral("OLD.Pic");
        display()->PicTarget_DragDrop(1, true, 1);
        const QString path = dir.filePath("gone/new.Pic"); // its folder does not exist
        DialogScript script({D::chooseFile(path), D::exitMessage()});
        display()->FileSave_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE(script.asked.at(1), QStringLiteral("AMsgbox:  Bad Filename. Must be in the form MYFILE.PIC"));
        QCOMPARE(MGLOBAL::instance().ModelFileName, QStringLiteral("OLD.Pic"));
        QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
        QVERIFY(!QFileInfo::exists(path));
    }

    void openShowsTheModel()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("House.Pic");
        writeFile(path, modelBytes({{0, "12,45,0"}, {1, "0,1000,0"}, {5, "40,17,8"}}));
        Program program;
        program.create();
        DialogScript script({paletteHiddenThen(D::chooseFile(path))});
        display()->FileOpen_Click();
        QCOMPARE(script.asked, std::vector<QString>{"QFileDialog: open"});
        const BoxPictures &boxes = display()->pictures();
        QCOMPARE(boxes.PicTarget[0], 12);
        QCOMPARE(boxes.PicTarget2[0], 45);
        QCOMPARE(boxes.PicTarget2[1], 0); // 1000 shows nothing...
        QCOMPARE(MGLOBAL::instance().CellShape[1][2], 1000); // ...but is kept
        QCOMPARE(boxes.PicTarget[5], 40);
        QCOMPARE(program.frame->windowTitle(), kTitle + QStringLiteral(" [House.Pic]"));
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.UndoCount, 0);
        QCOMPARE(g.ModelChanged, 0);
        QCOMPARE(g.FileChoice, 0);
        QVERIFY(Shapes::existing()->isVisible());

        // Saved again unchanged, the file is the same byte for byte, 1000 and the third field too.
        DialogScript again({D::chooseFile(dir.filePath("Copy.Pic"))});
        display()->FileSave_Click();
        QCOMPARE(bytesOf(dir.filePath("Copy.Pic")), bytesOf(path));
    }

    void openWithChangesAsksFirst_data()
    {
        QTest::addColumn<int>("answer"); // 0 yes, 1 no, 2 close box
        QTest::newRow("yes keeps the model") << 0;
        QTest::newRow("no clears and opens") << 1;
        QTest::newRow("close box counts as no") << 2;
    }
    void openWithChangesAsksFirst()
    {
        QFETCH(int, answer);
        Program program;
        program.create();
        display()->HideShowGrids_Click(); // with the palette hidden it must stay hidden
        display()->PicTarget_DragDrop(3, true, 9);
        const D::Answer answers[] = {D::yes(), D::no(), D::closeBox()};
        std::vector<D::Answer> script{answers[answer]};
        if (answer != 0)
            script.push_back(D::cancel());
        DialogScript dialogs(script);
        display()->FileOpen_Click();
        QVERIFY(dialogs.allAnswered());
        QCOMPARE(dialogs.asked.front(),
                 QStringLiteral("AllYesNo: Changes made, do you wish save model before erasing by opening a new file."));
        QVERIFY(!Shapes::existing()->isVisible());
        const MGLOBAL &g = MGLOBAL::instance();
        if (answer == 0) {
            QCOMPARE(g.CellShape[3][2], 9);
            QCOMPARE(g.ModelChanged, 1);
            QCOMPARE(g.UndoCount, 1);
        } else {
            // Cleared before the dialog opened: cancelling it leaves an empty work area.
            QCOMPARE(display()->pictures(), BoxPictures{});
            QCOMPARE(g.ModelChanged, 0);
            QCOMPARE(program.frame->windowTitle(), kTitle);
        }
    }

    void aFileThatCannotBeReadShowsNothing_data()
    {
        QTest::addColumn<QString>("name");
        const QDir bad(QFINDTESTDATA("bad"));
        for (const QString &file : bad.entryList(QDir::Files))
            QTest::newRow(qPrintable(file)) << bad.filePath(file);
        QTest::newRow("missing") << QStringLiteral("/nonexistent/none.Pic");
    }
    // Typed into the dialog: the program's own open answers, also for a name that does not exist.
    void aFileThatCannotBeReadShowsNothing()
    {
        QFETCH(QString, name);
        Program program;
        program.create();
        DialogScript script({D::typeFile(name), D::exitMessage()});
        display()->FileOpen_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE(script.asked.at(1), QStringLiteral("AMsgbox: File not found or wrong format. Check Filename and/or Directory."));
        QCOMPARE(display()->pictures(), BoxPictures{});
        QCOMPARE(program.frame->windowTitle(), kTitle);
        const MGLOBAL &g = MGLOBAL::instance();
        QCOMPARE(g.ModelFileName, QString());
        for (int cell = 0; cell < 247; ++cell)
            QCOMPARE(g.CellShape[cell][2], 0);
        QVERIFY(Shapes::existing()->isVisible());
    }

    void aShapeThatDoesNotExistStopsThePictures()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("odd.Pic");
        writeFile(path, modelBytes({{2, "7,5,0"}, {10, "0,241,0"}, {11, "0,6,0"}}));
        Program program;
        program.create();
        DialogScript script({D::chooseFile(path), D::exitMessage()});
        display()->FileOpen_Click();
        QVERIFY(script.allAnswered());
        const BoxPictures &boxes = display()->pictures();
        QCOMPARE(boxes.PicTarget2[2], 5);  // done before the failure
        QCOMPARE(boxes.PicTarget2[11], 0); // never reached
        QCOMPARE(boxes.PicTarget[2], 0);   // the front pass never ran
        QCOMPARE(program.frame->windowTitle(), kTitle + QStringLiteral(" [odd.Pic]"));
        QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
    }

    void theDialogListsModelFilesOfAnyCase()
    {
        QTemporaryDir dir;
        for (const char *name : {"a.Pic", "b.PIC", "c.pic", "d.txt"})
            writeFile(dir.filePath(QLatin1String(name)), "x");
        Program program;
        program.create();
        QStringList listed;
        DialogScript script({[&](QDialog &d) {
            auto &files = static_cast<QFileDialog &>(d);
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

    void fileDirectoryWithoutAnOrderShowsNothing()
    {
        Program program;
        MGLOBAL::instance().FileChoice = 0;
        DialogScript script;
        FileDir::FileDirectory();
        QVERIFY(script.asked.empty());
        QCOMPARE(MGLOBAL::instance().FileChoice, 0);
        QCOMPARE(FileDir::nameFilters(QStringLiteral("Picture Data (*.Pic)|*.Pic|Text|*.txt")),
                 QStringList({"Picture Data (*.Pic)", "Text (*.txt)"}));
    }
};

QTEST_MAIN(TestFileFlows)
#include "test_fileflows.moc"
