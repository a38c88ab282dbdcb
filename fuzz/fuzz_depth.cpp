// The depth box takes whatever the user types or pastes. The input is taken as UTF-16 code units,
// lone surrogates and all. The leading number is held to the C library's reading of the same
// characters, and the box's verdict to its rules: 1..10 accepted and rounded half to even,
// anything else refused with the default depth.

#include "fuzzcheck.h"
#include "settings/numbertext.h"

#include <QString>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Blanks, an optional sign, digits with at most one point; no digit at all counts as 0.
double expectedLeadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        number += char(text[i++].unicode());
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.' && !point)
            point = true;
        else if (c >= u'0' && c <= u'9')
            digit = true;
        else
            break;
        number += char(c);
    }
    return digit ? std::strtod(number.c_str(), nullptr) : 0.0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);

    const double number = NumberText::leadingNumber(text);
    const double expected = expectedLeadingNumber(text);
    // Below 1 the two may differ on how far down a long run of zeros they follow; both refuse.
    FUZZ_CHECK(number == expected || (std::fabs(number) < 1 && std::fabs(expected) < 1),
               "the leading number is the C reading of sign, digits and one point");

    const NumberText::DepthEntry entry = NumberText::acceptDepth(text);
    FUZZ_CHECK(entry.accepted == (number >= 1 && number <= 10), "accepted exactly from 1 to 10");
    if (entry.accepted) {
        FUZZ_CHECK(entry.depth >= NumberText::kMinDepth && entry.depth <= NumberText::kMaxDepth,
                   "an accepted depth lies in 1..10");
        std::fesetround(FE_TONEAREST);
        FUZZ_CHECK(entry.depth == std::nearbyint(number), "an accepted depth is rounded half to even");
    } else {
        FUZZ_CHECK(entry.depth == NumberText::kDefaultDepth, "a refused depth falls back to 4");
    }
    return 0;
}
