#pragma once

#include "model/LineLayout.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;
class RecordTable;

// Re-creating a declaration file from the record table.
namespace declaration {

// A row that the fixed-position layout would not make 861 characters long: the first field that
// does not take its width, with its text. Every column after that field would move, so neither the
// service nor the reader could read the line as meant.
struct Misalignment {
    int row = 0;   // from 0
    int field = 0; // 1 to 105
    QByteArray text;
    int width = 0;
};

// The first such row of the table, or none. Asked before writing in the fixed-position layout; it
// reads the rows as they are, a pending row included, and moves nothing.
std::optional<Misalignment> firstMisalignedLine(const RecordTable &table);
// The question that names the misalignment and asks whether to write anyway.
QString misalignmentQuestion(const Misalignment &misalignment);
// In the separated layout, the first row with a ";" in a text (`width` is 0): the fields after it
// would move. Asked before writing in that layout, as above; and the question for it.
std::optional<Misalignment> firstSplitLine(const RecordTable &table);
QString splitQuestion(const Misalignment &misalignment);

// Writes every row of `table`, in table order, as one line composed in `layout`, each followed by
// carriage return and line feed; texts go out byte for byte as stored, and an empty table writes
// nothing. The cursor moves as a walk over the table does: to the first row (which posts a pending
// row), then row by row to the end, leaving the last row current and the end-of-table flag set.
// Every write is checked for its full byte count, and a file device is flushed and checked at the
// end; a failed one raises AppError with the message for the cause the device left in errno, as a
// file does (EIO when it left none), and the cursor stays near the row being written. No value of
// the table changes.
void write(RecordTable &table, linelayout::Layout layout, QIODevice &device);

// Writes the file at `path` as above, never destroying the file it replaces: the lines go to a
// temporary file in the same folder, which is synced and takes the place of the target only when
// every line is written. On failure the target is exactly as before, no temporary file is left, and AppError
// carries the message for the cause ("Invalid filename", "File access denied", "I/O error 112"...).
void write(RecordTable &table, linelayout::Layout layout, const QString &path);

} // namespace declaration
