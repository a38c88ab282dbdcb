// Model files come from wherever the file dialog points. Beyond crashes: the reader against a second,
// plain reading of its field rules, the whole table it leaves, and a save and open that change nothing.

#include "modelfile.h"

#include "fuzzcheck.h"

#include <QBuffer>
#include <cstdint>
#include <optional>
#include <vector>

using Table = std::vector<MGLOBAL::CellRow>;

// Per field: blanks (and line ends, unless right after a comma), a sign and digits, blanks, then a
// comma, a line end or the end; at most kMaxFieldBytes before that end. Nothing when refused.
static std::optional<Table> expectedTable(const uint8_t *data, size_t size)
{
    const auto at = [&](size_t i) { return i < size ? int(data[i]) : -1; };
    const auto blank = [](int c) { return c == ' ' || c == '\t'; };
    const auto lineEnd = [](int c) { return c == '\r' || c == '\n'; };
    Table table(MGLOBAL::kCells);
    size_t pos = 0;
    bool afterComma = false;
    for (int field = 0; field < ModelFile::kFields; ++field) {
        const size_t start = pos;
        while (blank(at(pos)) || (!afterComma && lineEnd(at(pos))))
            ++pos;
        const bool negative = at(pos) == '-';
        pos += negative || at(pos) == '+';
        long value = 0;
        size_t digits = 0;
        for (; at(pos) >= '0' && at(pos) <= '9'; ++pos, ++digits)
            value = std::min(value * 10 + (at(pos) - '0'), 100000L);
        while (blank(at(pos)))
            ++pos;
        const int end = at(pos);
        if (digits == 0 || pos - start > size_t(ModelFile::kMaxFieldBytes) || (end != -1 && end != ',' && !lineEnd(end))
            || value > (negative ? 32768 : INT16_MAX))
            return std::nullopt;
        table[field / 3][MGLOBAL::kFront + field % 3] = int16_t(negative ? -value : value);
        afterComma = end == ',';
        pos += end != -1;
    }
    return table;
}

static bool read(QByteArray bytes, MGLOBAL &g)
{
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::ReadOnly) && ModelFile::read(buffer, g);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MGLOBAL g;
    g.CellShape.assign(g.CellShape.size(), {7, 7, 7, 7, 7, 7, 7}); // what the model before left behind
    const bool accepted = read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), g);
    const std::optional<Table> expected = expectedTable(data, size);
    FUZZ_CHECK(accepted == expected.has_value(), "the reader and the field rules disagree on the file");
    FUZZ_CHECK(g.CellShape == expected.value_or(Table(MGLOBAL::kCells)),
               "an accepted read stores each field in its place and nothing else, a refused one leaves all zero");
    MGLOBAL again;
    FUZZ_CHECK(!accepted || (read(ModelFile::toBytes(g), again) && again.CellShape == g.CellShape),
               "whatever is accepted is saved and opened again unchanged");
    return 0;
}
