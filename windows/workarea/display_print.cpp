// The work area's "Print" command: the window's own image, on the default printer.

#include "dialogs/allyesno.h"
#include "workarea/display.h"

#include "formhost.h"
#include "modal.h"

#include "printer.h"

#include "messages.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace WorkArea {

namespace {
// Without a printer the picture can still leave the program: as a PDF file.
void offerPdf(const QImage &image, const QString &reason)
{
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Print"),
                         QStringLiteral("The model could not be printed. %1\n\nSave the same page as a PDF file instead?")
                             .arg(reason),
                         QMessageBox::Yes | QMessageBox::No);
    question.setDefaultButton(QMessageBox::Yes);
    Modal::exec(question);
    if (question.result() != QMessageBox::Yes)
        return;

    QFileDialog dialog(nullptr, QStringLiteral("Save as PDF"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QStringLiteral("model.pdf"));
    Modal::exec(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    QString error;
    if (!Printer::writePdf(image, path, &error)) {
        qWarning("brickloom: %s was not written: %s", qPrintable(path), qPrintable(error));
        QMessageBox failed(QMessageBox::Warning, QStringLiteral("Print"),
                           QStringLiteral("The PDF file could not be written. Check the name and the folder."),
                           QMessageBox::Ok);
        Modal::exec(failed);
    }
}
} // namespace

void Display::PrintAll_Click()
{
    if (!AllYesNo::ask(Question::ContinuePrint))
        return;
    if (AllYesNo::ask(Question::WhiteBackground))
        setBackColor(Qt::white);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Shorter, so that the strip of buttons is left out of the image.
    FormHost &host = FormHost::instance();
    host.resizeForm(this, 9530, 6400);
    const QImage image = clientImage();
    QString reason;
    const bool printed = Printer::printImage(image, &reason);
    host.resizeForm(this, 9550, 6850);
    host.placeForm(this);
    QApplication::restoreOverrideCursor();
    setBackColor(Qt::black);
    if (!printed) {
        qWarning("brickloom: the model was not printed: %s", qPrintable(reason));
        offerPdf(image, reason);
    }
}

} // namespace WorkArea
