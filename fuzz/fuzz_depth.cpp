// The depth box takes whatever the user types or pastes. The input is taken as UTF-16 code units,
// lone surrogates and all. The leading number is held to the C library's reading of the same
// characters, and the box's verdict to its rules: 1..10 accepted and rounded half to even,
// anything else refused with the default depth.

#include "fuzzcheck.h"
#include "settings/numbertext.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);

    // Cut before the first character that is no blank, sign, digit or point ('?' stands for any
    // outside Latin-1), the C library reads blanks, a sign, digits and one point, or else 0.
    std::string start = text.toLatin1().toStdString();
    start.resize(std::min(start.size(), start.find_first_not_of(" \t+-.0123456789")));
    const double expected = std::strtod(start.c_str(), nullptr);
    const double number = NumberText::leadingNumber(text);
    // Below 1 the two may differ on how far down a long run of zeros they follow; both refuse.
    FUZZ_CHECK(number == expected || (std::fabs(number) < 1 && std::fabs(expected) < 1),
               "the leading number is the C reading of sign, digits and one point");

    const NumberText::DepthEntry entry = NumberText::acceptDepth(text);
    FUZZ_CHECK(entry.accepted == (number >= 1 && number <= 10), "accepted exactly from 1 to 10");
    FUZZ_CHECK(entry.depth == (entry.accepted ? std::nearbyint(number) : NumberText::kDefaultDepth),
               "an accepted depth is rounded half to even, a refused one falls back to 4");
    return 0;
}
