#pragma once
// The program's number rules in text: how a typed depth is read and rounded, how the undo dialog
// writes its numbers, and the strict whole numbers that the model and settings files hold.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace NumberText {

inline constexpr int16_t kMinDepth = 1;
inline constexpr int16_t kMaxDepth = 10;
// What a refused depth box falls back to, and what a depth of 0 read from the settings means.
inline constexpr int16_t kDefaultDepth = 4;

// The number a text starts with: leading blanks skipped, then an optional sign, digits and at
// most one decimal point; the first other character ends it. No leading number counts as 0.
double leadingNumber(const QString &text);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// One blank before the digits of a non-negative number, the minus sign before a negative one.
QString withSignPosition(int value);

// A whole number as the model and settings files hold it, the one rule of both readers: an
// optional sign, "+" or "-", and at least one digit, nothing else, within the 16-bit range. Leading
// zeros are harmless and read; a blank, a second sign or a point is not part of the form. A
// fraction is refused rather than rounded: no writer makes one, and a number the program did not
// write is better left unread than guessed at (the depth box is where typed fractions are rounded).
std::optional<int16_t> wholeNumber(QByteArrayView text);

// The depth box's verdict on its text when the focus leaves it.
struct DepthEntry {
    bool accepted = false;                // false: the box shows the message and then kDefaultDepth
    int16_t depth = kDefaultDepth;
};
DepthEntry acceptDepth(const QString &text);

} // namespace NumberText
