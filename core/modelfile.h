#pragma once
// The model file: one line "front,back,third" (CellShape columns 1, 2, 3) for each cell 0..246 in
// order, CR LF after every line, nothing before or after. The writer makes exactly that; the reader
// also takes the looser spellings a hand edit leaves and refuses everything else.

#include "mglobal.h"

#include <QByteArray>
#include <QString>

class QIODevice;

class ModelFile
{
public:
    // The file always holds the whole grid, three fields a cell.
    static constexpr int kFields = 3 * MGLOBAL::kCells;
    // Bytes one field may take, blanks and blank lines before it included, before it must have
    // ended. Real files need a handful; a binary file or an endless device is refused within it.
    static constexpr int kMaxFieldBytes = 256;

    // The file's bytes for the model in `g`.
    static QByteArray toBytes(const MGLOBAL &g);

    // Re-creates CellShape with cells 0..kLastCell, all columns 0, and reads the model into columns
    // 1..3. The file is one stream of fields taken three to a cell, however its lines run:
    // - a field ends at a comma, a line end (CR LF, LF or a lone CR) or the end of the file;
    // - blanks (space, tab) before and after a number are skipped, and a line holding only blanks
    //   is no field, so blank lines between records are passed over;
    // - a field is a whole number as the settings file's depth is (NumberText::wholeNumber): an
    //   optional "+" or "-" and digits, -32768..32767; leading zeros are read;
    // - refused: a fraction (1.5), a quoted number ("12"), two signs (+-5), a blank inside a number,
    //   an empty field (",," or a comma at a line end), fewer than kFields fields, a field longer than
    //   kMaxFieldBytes. No writer of models makes any of these, so guessing at them would only
    //   hide a damaged file;
    // - reading stops after the last field; whatever follows it is never looked at.
    // The device is read block by block, so a huge or endless input is finished or given up on
    // within its first kFields * kMaxFieldBytes bytes. A read that fails part way leaves CellShape
    // all zero again: the numbers read so far would have no pictures, and the next save would
    // write them back.
    static bool read(QIODevice &in, MGLOBAL &g);

    // Replaces the file at `path` with the model, or leaves whatever is there untouched and says why
    // in `error`.
    static bool saveModel(const QString &path, const MGLOBAL &g, QString *error = nullptr);

    // Reads the model from `path`, a regular file (anything else is refused at once, without
    // blocking). A file that cannot be opened leaves CellShape as it was. `error` says why a file
    // was not read.
    static bool openModel(const QString &path, MGLOBAL &g, QString *error = nullptr);

};
