// The depth box takes whatever is typed or pasted, here as UTF-16 code units, lone surrogates and
// all: its number is held to the C library's reading, its verdict to 1..10 rounded half to even.

#include "numbertext.h"

#include "fuzzcheck.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));

    // What the C library makes of the same leading blanks, sign, digits and point ('?': not Latin-1).
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
