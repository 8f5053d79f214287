#pragma once

#include "model/LineLayout.h"

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;
class QString;
class RecordTable;

// Reading a declaration file into the record table: one row per line, `Linea` numbered 1 to n, each
// of fields 1 to 105 cut by the layout and converted by its own rule. Most numbers that cannot be
// read fall back to 0 (noted with the row); `nacion` has no fallback and stops the load.
namespace declaration {

// The lines of a device as the reader sees them. A carriage return (13) ends a line, and a line
// feed right after it belongs to that line end; a line feed alone is an ordinary character, except
// in a file that holds no carriage return before its end: there a line feed ends a line, as some
// payroll programs write them. Ctrl+Z (26) ends the file, and nothing after it is read; the last line
// needs no line end. Bytes pass unchanged (no character set conversion, no byte-order mark handling).
class LineReader {
public:
    explicit LineReader(QIODevice &device);

    // The next line without its line end; false at the end of the file. A failed read of the
    // device raises AppError with the message for the cause. Before the first line the reader looks
    // ahead for a carriage return, to the end of the file when there is none; a device that is not
    // sequential is then rewound to where it was.
    bool next(QByteArray &line);

private:
    bool readBlock();
    void chooseLineEnd();

    QIODevice &m_device;
    QByteArray m_buffer;
    // Blocks grow from a few pages to 64 KiB, so that a short file takes little memory.
    qsizetype m_blockSize = 512;
    qsizetype m_pos = 0;
    char m_lineEnd = 0;     // '\r' or '\n', chosen before the first line
    bool m_afterCr = false; // a line feed at the start of the next block ends no line
    bool m_end = false;
};

// Opens `table` afresh and reads every line of `device` into it, each row posted. Empty lines at the
// very end of the file are no declaration lines and are dropped; an empty line followed by another
// line stops the load like any line without `nacion`. A `nacion` that the regional conversion
// refuses raises AppError "Invalid value for field 'nacion'", followed by the line's number and
// what the field held; the rows read so far stay, the failing one pending with the fields before
// `nacion` stored: the caller abandons the table. What the reader saw of a line that its values
// cannot show (a line of the wrong shape for the layout, a number field whose text held something
// unreadable and took its fallback) goes with the row as its ReaderNote. The table's display is
// suspended meanwhile, so a grid over it resets once at the end.
void read(QIODevice &device, linelayout::Layout layout, RecordTable &table);

// Only opens the file at `path` and reads it as above. A file that does not exist gives an empty
// table; one that exists but cannot be read (no permission, a folder) raises AppError with the
// message for the cause, and `table` is left as it was.
void read(const QString &path, linelayout::Layout layout, RecordTable &table);

} // namespace declaration
