#pragma once
// Printing a window's image on the default printer, and the same page as a PDF file for when
// there is no printer.

#include <QImage>
#include <QString>
#include <functional>

namespace Printer {

// Prints the image on the default printer, at the size it has on a 96 dpi screen, from the top
// left of the printable area. On failure `error` says why in words for the user.
bool printImage(const QImage &image, QString *error);

// Writes the same page as a PDF file; on failure `error` says why.
bool writePdf(const QImage &image, const QString &path, QString *error);

// Test seam: receives the image instead of the printer.
using Sink = std::function<bool(const QImage &image, QString *error)>;
void setSink(Sink sink);

} // namespace Printer
