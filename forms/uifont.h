#pragma once
// The program's fonts, given in points as the windows were designed for a 96 dpi screen.

#include <QFont>
#include <QStringList>

namespace UiFont {

// A narrow sans-serif face, so that captions fit the boxes they were designed for (Liberation
// Sans has the widths the layouts need); sizes are fixed in pixels so the layouts keep their fit
// whatever DPI the display reports.
inline QFont sansSerif(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace UiFont
