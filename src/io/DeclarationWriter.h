#pragma once

#include "model/LineLayout.h"

class QIODevice;
class QString;
class RecordTable;

// Re-creating a declaration file from the record table.
namespace declaration {

// Writes every row of `table`, in table order, as one line composed in `layout`, each followed by
// carriage return and line feed; texts go out byte for byte as stored, and an empty table writes
// nothing. The cursor moves as a walk over the table does: to the first row (which posts a pending
// row), then row by row to the end, leaving the last row current and the end-of-table flag set.
// Every write is checked for its full byte count; a failed one raises AppError with the message
// for the cause the device left in errno, as a file does (EIO when it left none), and the cursor
// stays near the row being written. No value of the table changes.
void write(RecordTable &table, linelayout::Layout layout, QIODevice &device);

// Writes the file at `path` as above, never destroying the file it replaces: the lines go to a
// temporary file in the same folder, which takes the place of the target only when every line is
// written. On failure the target is exactly as before, no temporary file is left, and AppError
// carries the message for the cause ("Invalid filename", "File access denied", "I/O error 112"...).
void write(RecordTable &table, linelayout::Layout layout, const QString &path);

} // namespace declaration
