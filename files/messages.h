#pragma once
// The program's own texts that the message window and the yes/no question show, by number.

#include <QString>

namespace Messages {

// The message of a message number; empty for a number that has none.
QString message(int code);

// The question of a question number; empty for a number that has none.
QString question(int number);

inline constexpr int kFileNotFound = 13;
inline constexpr int kBadFilename = 14;
inline constexpr int kDepthOutOfRange = 15;

} // namespace Messages
