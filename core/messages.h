#pragma once
// The program's own texts that the message window and the yes/no question show, by number.

#include <QString>
#include <cstdint>

// Message numbers, for MsgCode.
namespace Msg {
enum : int16_t { FileNotFound = 13, BadFilename = 14, DepthOutOfRange = 15 };
}

// Question numbers, for YesNoChoice.
namespace Question {
enum : int16_t { ContinuePrint = 1, SaveBeforeExit = 3, SaveBeforeErase = 4, WhiteBackground = 5, SaveBeforeOpen = 7 };
}

namespace Messages {

// The message of a message number; empty for a number that has none.
QString message(int code);

// The question of a question number; empty for a number that has none.
QString question(int number);


} // namespace Messages
