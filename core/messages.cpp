#include "messages.h"

namespace Messages {

QString message(int code)
{
    switch (code) {
    case Msg::FileNotFound:
        return QStringLiteral("File not found or wrong format. Check Filename and/or Directory.");
    case Msg::BadFilename:
        return QStringLiteral(" Bad Filename. Must be in the form MYFILE.PIC");
    case Msg::DepthOutOfRange:
        return QStringLiteral("Must be a number from 1 to 10.");
    default:
        return {};
    }
}

QString question(int number)
{
    switch (number) {
    case Question::ContinuePrint:
        return QStringLiteral(" Continue with Printout.");
    case Question::SaveBeforeExit:
        return QStringLiteral("Changes made, do you wish save model before exiting.");
    case Question::SaveBeforeErase:
        return QStringLiteral("Changes made, do you wish save model before erasing.");
    case Question::WhiteBackground:
        return QStringLiteral("With white background.");
    case Question::SaveBeforeOpen:
        return QStringLiteral("Changes made, do you wish save model before erasing by opening a new file.");
    default:
        return {};
    }
}

} // namespace Messages
