#pragma once
// File names as the system has them: any bytes but '/' and NUL. Qt reads a name as UTF-8 and turns
// bytes that are no UTF-8 into U+FFFD, so such a file could be neither opened nor written back.
// Here every such byte becomes a lone surrogate U+DC80..U+DCFF instead, and back into that byte:
// a name read from the system and handed back to it is the same name, whatever its bytes.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace FileNames {

QString fromLocal(QByteArrayView name);
QByteArray toLocal(const QString &name);

// `name` made absolute against the current folder, whose own name may hold any bytes too.
QString absolute(const QString &name);

} // namespace FileNames
