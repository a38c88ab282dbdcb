#include "messages.h"

namespace Messages {

QString message(int code)
{
    switch (code) {
    case kFileNotFound:
        return QStringLiteral("File not found or wrong format. Check Filename and/or Directory.");
    case kBadFilename:
        return QStringLiteral(" Bad Filename. Must be in the form MYFILE.PIC");
    case kDepthOutOfRange:
        return QStringLiteral("Must be a number from 1 to 10.");
    default:
        return {};
    }
}

QString question(int number)
{
    switch (number) {
    case 1:
        return QStringLiteral(" Continue with Printout.");
    case 3:
        return QStringLiteral("Changes made, do you wish save model before exiting.");
    case 4:
        return QStringLiteral("Changes made, do you wish save model before erasing.");
    case 5:
        return QStringLiteral("With white background.");
    case 7:
        return QStringLiteral("Changes made, do you wish save model before erasing by opening a new file.");
    default:
        return {};
    }
}

} // namespace Messages
