// Model files come from wherever the user points the file dialog. Beyond crashes, this holds the
// reader to a second, plain reading of the same field rules, checks the table a read leaves
// behind, that whatever is accepted is saved and opened again unchanged, and that placing the
// pictures refuses exactly the numbers that name no shape.

#include "files/modelfile.h"
#include "fuzzcheck.h"
#include "workarea/boxpictures.h"
#include "workarea/workarearules.h"

#include <QBuffer>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// The 741 fields the rules beside ModelFile::read take from `data`, or nothing when they refuse it.
// Per field: blanks (and line ends, unless a comma came just before), then "-" and digits, then
// blanks, then a comma, a line end or the end of the data; at most kMaxFieldBytes before that end.
std::optional<std::vector<int16_t>> expectedFields(const uint8_t *data, size_t size)
{
    const auto at = [&](size_t i) { return i < size ? int(data[i]) : -1; };
    const auto blank = [](int c) { return c == ' ' || c == '\t'; };
    const auto lineEnd = [](int c) { return c == '\r' || c == '\n'; };
    std::vector<int16_t> fields;
    size_t pos = 0;
    bool afterComma = false;
    while (fields.size() < size_t(ModelFile::kFields)) {
        const size_t start = pos;
        while (blank(at(pos)) || (!afterComma && lineEnd(at(pos))))
            ++pos;
        const bool negative = at(pos) == '-';
        pos += negative;
        long value = 0;
        size_t digits = 0;
        for (; at(pos) >= '0' && at(pos) <= '9'; ++pos, ++digits)
            value = std::min(value * 10 + (at(pos) - '0'), 100000L);
        while (blank(at(pos)))
            ++pos;
        const int end = at(pos);
        if (digits == 0 || pos - start > size_t(ModelFile::kMaxFieldBytes))
            return std::nullopt;
        if (end != -1 && end != ',' && !lineEnd(end))
            return std::nullopt;
        value = negative ? -value : value;
        if (value < INT16_MIN || value > INT16_MAX)
            return std::nullopt;
        fields.push_back(int16_t(value));
        afterComma = end == ',';
        pos += end != -1;
    }
    return fields;
}

bool readBytes(const QByteArray &bytes, MGLOBAL &g)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ModelFile::read(buffer, g);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MGLOBAL g;
    for (auto &row : g.CellShape)
        row.fill(7);    // what the model before left behind
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool accepted = readBytes(bytes, g);
    const std::optional<std::vector<int16_t>> expected = expectedFields(data, size);

    FUZZ_CHECK(accepted == expected.has_value(), "the reader and the field rules disagree on the file");
    FUZZ_CHECK(g.CellShape.size() == size_t(MGLOBAL::kCells), "CellShape has 247 rows after any read");
    for (int cell = 0; cell < MGLOBAL::kCells; ++cell) {
        for (int column = 0; column < 7; ++column) {
            const bool stored = accepted && column >= MGLOBAL::kFront && column <= MGLOBAL::kThird;
            const int16_t want = stored ? (*expected)[3 * cell + column - 1] : 0;
            FUZZ_CHECK(g.CellShape[cell][column] == want,
                       accepted ? "an accepted read stores each field in its place and nothing else"
                                : "a refused read leaves CellShape all zero");
        }
    }
    if (!accepted)
        return 0;

    const QByteArray saved = ModelFile::toBytes(g);
    MGLOBAL again;
    FUZZ_CHECK(readBytes(saved, again), "the reader takes what the writer writes");
    for (int cell = 0; cell < MGLOBAL::kCells; ++cell)
        for (int column = MGLOBAL::kFront; column <= MGLOBAL::kThird; ++column)
            FUZZ_CHECK(again.CellShape[cell][column] == g.CellShape[cell][column],
                       "saving and opening again keeps columns 1..3");
    FUZZ_CHECK(ModelFile::toBytes(again) == saved, "a model read back is written byte for byte the same");

    // The open command then shows the pictures: those of 0 and 1000 are empty, any other number
    // must name a shape.
    g.LastCell = MGLOBAL::kLastCell;
    bool placeable = true;
    BoxPictures want;
    for (int cell = 0; cell < MGLOBAL::kCells; ++cell) {
        const int16_t front = g.CellShape[cell][MGLOBAL::kFront], back = g.CellShape[cell][MGLOBAL::kBack];
        for (const int16_t n : {front, back})
            placeable = placeable && (n == 0 || n == WorkAreaRules::kNoPictureMark || WorkAreaRules::isShape(n));
        want.PicTarget[cell] = front == WorkAreaRules::kNoPictureMark ? 0 : front;
        want.PicTarget2[cell] = back == WorkAreaRules::kNoPictureMark ? 0 : back;
    }
    BoxPictures boxes;
    FUZZ_CHECK(WorkAreaRules::placePictures(g, boxes) == placeable,
               "placing pictures fails exactly on a number that names no shape");
    FUZZ_CHECK(!placeable || boxes == want, "each box shows its cell's numbers");
    return 0;
}
