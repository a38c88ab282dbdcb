#include "filedir.h"

#include "forms/modal.h"
#include "platform/twips.h"
#include "workarea/mglobal.h"

#include <QFileDialog>
#include <QFileSystemModel>

const QString FileDir::kFilter = QStringLiteral("Picture Data (*.Pic)|*.Pic");

FileDir::FileDir()
{
    setObjectName(QStringLiteral("FileDir"));
    setWindowTitle(QStringLiteral("Folders"));
    setFixedSize(Twips::size(1035, 645));
}

QStringList FileDir::nameFilters(const QString &pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &name = parts[i];
        const QString &pattern = parts[i + 1];
        // The dialog reads the patterns from the parentheses of the name.
        filters << (name.contains(QLatin1Char('(')) ? name : name + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters;
}

namespace {
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
} // namespace

void FileDir::FileDirectory()
{
    MGLOBAL &g = MGLOBAL::instance();
    FileDir *form = instance();
    if (g.FileChoice == FileOrder::Open || g.FileChoice == FileOrder::Save) {
        QFileDialog CMDialog1(nullptr);
        CMDialog1.setOption(QFileDialog::DontUseNativeDialog);
        CMDialog1.setNameFilters(nameFilters(kFilter));
        // Any name typed is taken, also for opening: a missing file is answered by the open
        // itself, with the program's own message. A folder's name still opens the folder.
        CMDialog1.setFileMode(QFileDialog::AnyFile);
        if (g.FileChoice == FileOrder::Open) {
            CMDialog1.setAcceptMode(QFileDialog::AcceptOpen);
        } else {
            CMDialog1.setAcceptMode(QFileDialog::AcceptSave);
            CMDialog1.setDefaultSuffix(QStringLiteral("Pic"));
        }
        CMDialog1.selectFile(g.ModelFileName);
        listAnyCase(CMDialog1, kFilter.section(QLatin1Char('|'), 1, 1));
        Modal::exec(CMDialog1);
        const QStringList chosen = CMDialog1.selectedFiles();
        if (CMDialog1.result() == QDialog::Accepted && !chosen.isEmpty() && !chosen.first().isEmpty()) {
            g.ModelFilePath = chosen.first();
        } else {
            g.FileChoice = FileOrder::Cancelled;
            g.ModelFilePath.clear();
        }
    }
    forget(form);
    form->deleteLater();
}
