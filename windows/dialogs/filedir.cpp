#include "filedir.h"

#include "modal.h"

#include "filenames.h"
#include "mglobal.h"
#include "twips.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QStandardPaths>

#include <unistd.h>

FileDir::FileDir()
{
    setObjectName(QStringLiteral("FileDir"));
    setWindowTitle(QStringLiteral("Folders"));
    setFixedSize(Twips::size(1035, 645));
}

namespace {
// The one filter, as the dialog shows it, and its pattern.
const QString kFilter = QStringLiteral("Picture Data (*.Pic)");
const QString kPattern = QStringLiteral("*.Pic");

// "*.Pic" as a pattern that matches any case: "*.[Pp][Ii][Cc]".
QString anyCase(const QString &pattern)
{
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += QLatin1Char('[') + c.toUpper() + c.toLower() + QLatin1Char(']');
        else
            result += c;
    }
    return result;
}

// File names are case-sensitive here, but model files travel between systems whose names are not:
// list MODEL.PIC and model.pic beside model.Pic, while the filter still reads as it was given.
void listAnyCase(QFileDialog &dialog, const QString &pattern)
{
    if (auto *model = dialog.findChild<QFileSystemModel *>())
        model->setNameFilters({anyCase(pattern)});
}

// Qt's dialog takes no name longer than its folder allows: its button turns grey and Enter does
// nothing, without a word. Such a name goes to the open or save itself, which answers it with the
// program's own message. The model's own file, which saving proposes, is saved back without the
// question whether to replace it.
class FileDialog : public QFileDialog {
public:
    QString ownFile;

    FileDialog()
    {
        setOption(DontUseNativeDialog);
        if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            connect(name, &QLineEdit::textChanged, this, [this] {
                auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
                if (QAbstractButton *ok = buttons ? buttons->buttons().value(0) : nullptr; ok && nameTooLong())
                    ok->setEnabled(true);
            });
    }

    void accept() override
    {
        const bool own = acceptMode() == AcceptSave && !ownFile.isEmpty() && selectedFiles().value(0) == ownFile;
        if (own || nameTooLong())
            QDialog::accept();
        else
            QFileDialog::accept();
    }

private:
    bool nameTooLong() const
    {
        const QFileInfo chosen(selectedFiles().value(0));
        const long longest = ::pathconf(FileNames::toLocal(chosen.path()).constData(), _PC_NAME_MAX);
        return longest >= 0 && chosen.fileName().size() > longest && !chosen.exists();
    }
};

QString modelPath;  // the file behind ModelFileName
QString lastFolder; // of the file chosen last

QString startFolder(const MGLOBAL &g)
{
    if (!g.ModelFileName.isEmpty() && QFileInfo(modelPath).fileName() == g.ModelFileName)
        return QFileInfo(modelPath).path();
    if (!lastFolder.isEmpty())
        return lastFolder;
    const QString program = QCoreApplication::applicationDirPath();
    if (QFileInfo(program).isWritable())
        return program;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
} // namespace

void FileDir::rememberModel(const QString &path)
{
    modelPath = path;
    lastFolder = QFileInfo(path).path();
}

void FileDir::FileDirectory()
{
    MGLOBAL &g = MGLOBAL::instance();
    FileDir *form = instance();
    if (g.FileChoice == FileOrder::Open || g.FileChoice == FileOrder::Save) {
        FileDialog CMDialog1;
        CMDialog1.setNameFilter(kFilter);
        // Any name typed is taken, also for opening: a missing file is answered by the open
        // itself, with the program's own message. A folder's name still opens the folder.
        CMDialog1.setFileMode(QFileDialog::AnyFile);
        if (g.FileChoice == FileOrder::Open) {
            CMDialog1.setAcceptMode(QFileDialog::AcceptOpen);
        } else {
            CMDialog1.setAcceptMode(QFileDialog::AcceptSave);
            CMDialog1.setDefaultSuffix(QStringLiteral("Pic"));
        }
        const QString folder = startFolder(g);
        CMDialog1.setDirectory(folder);
        // Saving proposes the model's own file, so that it is saved back where it came from.
        CMDialog1.ownFile = g.ModelFileName.isEmpty() ? QString() : QDir(folder).filePath(g.ModelFileName);
        CMDialog1.selectFile(CMDialog1.ownFile);
        listAnyCase(CMDialog1, kPattern);
        Modal::exec(CMDialog1);
        const QStringList chosen = CMDialog1.selectedFiles();
        if (CMDialog1.result() == QDialog::Accepted && !chosen.isEmpty() && !chosen.first().isEmpty()) {
            g.ModelFilePath = chosen.first();
            if (const QFileInfo chosenFile(g.ModelFilePath); chosenFile.dir().exists())
                lastFolder = chosenFile.path();
        } else {
            g.FileChoice = FileOrder::Cancelled;
            g.ModelFilePath.clear();
        }
    }
    forget(form);
    form->deleteLater();
}
