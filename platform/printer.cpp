#include "printer.h"

#include "filenames.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace Printer {

namespace {
// The printer does not say why it could not open its file; the system does.
QString whyNotWritable(const QString &path)
{
    const QByteArray file = FileNames::toLocal(path);
    const QByteArray folder = FileNames::toLocal(QFileInfo(path).absolutePath());
    if (::access(file.constData(), F_OK) == 0 ? ::access(file.constData(), W_OK) != 0
                                              : ::access(folder.constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QStringLiteral("The file could not be written.");
}

Sink &sink()
{
    static Sink current;
    return current;
}

// The image at its screen size: a 96 dpi pixel becomes 1/96 inch on paper.
bool paint(QPrinter &printer, const QImage &image, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("The printer could not be started.");
        return false;
    }
    // Lossless: a JPEG-coded image would grey the one-pixel grid lines and fringe the icons.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const qreal scale = printer.resolution() / 96.0;
    const QSizeF size(image.width() / image.devicePixelRatio(), image.height() / image.devicePixelRatio());
    painter.drawImage(QRectF(QPointF(0, 0), size * scale), image);
    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("The printer refused the page.");
        return false;
    }
    return true;
}
} // namespace

bool printImage(const QImage &image, QString *error)
{
    if (sink())
        return sink()(image, error);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = QStringLiteral("No printer is set up on this computer.");
        return false;
    }
    // The queue's answer to the job itself never reaches us, so a stopped queue is caught here.
    if (info.state() == QPrinter::Error) {
        if (error)
            *error = QStringLiteral("The printer %1 is stopped.").arg(info.printerName());
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Brickloom model"));
    return paint(printer, image, error);
}

bool writePdf(const QImage &image, const QString &path, QString *error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QStringLiteral("Brickloom model"));
    if (!paint(printer, image, error)) {
        if (error)
            *error = whyNotWritable(path);
        return false;
    }
    return true;
}

void setSink(Sink s)
{
    sink() = std::move(s);
}

} // namespace Printer
