#pragma once
// The controls the windows are made of, each placed at its designed position in twips, and the
// program's two signal colours.

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace Controls {

// Messages, questions, the help panel and the user's name stand on cyan; entry boxes are yellow.
inline const QColor kCyan{0x00, 0xFF, 0xFF};
inline const QColor kYellow{0xFF, 0xFF, 0x00};

// A button at `twips` (left, top, width, height). Enter presses it while it has the focus, and its
// access key moves the focus to it before pressing it.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &twips);

// A label at `twips`, black text on `background` when one is given. It shows its text as plain
// text, blanks and all.
QLabel *label(QWidget *parent, const char *name, const QString &caption, const QRect &twips,
              const QColor &background = QColor());

// Black text on `background` in a text box.
void setTextBackground(QWidget *box, const QColor &background);

// Labels lie beneath every other control of their window, whatever the order they were made in, so
// a label drawn over a box or a button never takes its clicks. Once called, this holds for every
// QLabel of the program, the kit's own and any other, from the moment it is first shown. Every
// window and every label the kit makes calls it.
void keepLabelsBeneath();

} // namespace Controls
