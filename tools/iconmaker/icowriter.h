#pragma once
// Encodes an Icon as a Windows icon file: one 32 x 32 image, 4 bits per pixel with the standard
// sixteen-colour table, transparency in the AND mask. Always 766 bytes.

#include <QByteArray>

class Icon;

namespace IcoWriter {

inline constexpr int FileSize = 766;

QByteArray encode(const Icon &icon);

} // namespace IcoWriter
