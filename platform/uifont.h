#pragma once
// The program's fonts, given in points as the windows were designed for a 96 dpi screen.

#include <QFont>

namespace UiFont {

// The program's sans-serif face; sizes are fixed in pixels so that the layouts keep their fit
// whatever DPI the display reports.
inline QFont sansSerif(double points, bool bold = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace UiFont
