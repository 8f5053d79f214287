#pragma once

#include <QByteArrayList>

#include <functional>

class RecordTable;
class TXlsWriter;

// The record table as a spreadsheet: a title row, then one row per line and one column per field.
namespace tablesheet {

// The most lines a sheet takes below its title row.
constexpr int kMaxLines = 65000;

// The names of the table's fields in field order (`Linea`, `rut`, `dv`...), the usual titles.
QByteArrayList fieldNames();

// Writes `titles` as label cells in row 0, columns 0 on, then every line of `table` from the first
// in rows 1 on, column i holding field i: integer fields as integer cells, floating fields as number
// cells (the value as its general text reads back: 15 significant digits), text fields as label
// cells; an unset field or an empty text gets no cell. Calls `lineWritten` with the count of lines
// written after each line. The table's display is suspended meanwhile and the cursor ends past the
// last line; no value changes. A failed write raises AppError as the writer does, with the cursor on
// the line being written. The writer is not closed.
void write(RecordTable &table, const QByteArrayList &titles, TXlsWriter &writer,
           const std::function<void(int)> &lineWritten);

} // namespace tablesheet
