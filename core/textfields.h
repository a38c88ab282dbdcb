#pragma once
// What the readers of the model file and the settings file take for blanks and line ends.

namespace TextFields {

inline constexpr int kEnd = -1; // no character left
constexpr bool isBlank(int c) { return c == ' ' || c == '\t'; }
constexpr bool isLineEnd(int c) { return c == '\r' || c == '\n'; }

} // namespace TextFields
