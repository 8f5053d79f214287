#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <variant>

class QIODevice;
class ReplacingFile;

// A one-sheet spreadsheet file in the BIFF2 record format: the start-of-file and dimensions records
// when the writer is created, one record per cell in the order the caller gives them, the end-of-file
// record at close(). Every record is an opcode and a body length (16 bits each) followed by the body,
// all numbers little-endian. Rows and columns are written as their low 16 bits; texts byte for byte
// (cp1252) and cut to 255 characters, the most a label's count byte can hold.
//
// Records are gathered into blocks of about 64 KiB, so memory does not grow with the sheet. Every
// block write is checked for its full byte count; a failed one raises AppError with the message for
// the cause the device left in errno (EIO when it left none).
class TXlsWriter {
public:
    // The cell kinds of writeCell(); any other kind writes nothing.
    enum Kind { kBlank = 1, kInteger = 2, kNumber = 4, kLabel = 8, kBoolean = 16 };
    // What a kind reads: nothing for a blank, the integer (its low 16 bits are written), the number,
    // the text of a label or of a boolean (true when it is not empty). Data of another type than
    // the kind reads counts as 0, 0.0 or the empty text.
    using CellData = std::variant<std::monostate, qint32, double, QByteArrayView>;

    // Writes the sheet to an open device, from its current position.
    explicit TXlsWriter(QIODevice &device);
    // Creates the file at `path`: the records go to a temporary file beside it, which replaces any
    // file of that name only at close(). Fails with AppError when the file cannot be created, with
    // the message for the cause ("Invalid filename", "File access denied"...).
    explicit TXlsWriter(const QString &path);
    // Without close(), a file created at a path is discarded and its target left as it was.
    ~TXlsWriter();
    TXlsWriter(const TXlsWriter &) = delete;
    TXlsWriter &operator=(const TXlsWriter &) = delete;

    // The one call per cell: the record of `kind` at `row`, `column` (0-based).
    void writeCell(int kind, qint32 row, qint32 column, const CellData &data = {});
    // Writes the end-of-file record and everything still gathered; a file at a path then takes the
    // place of its target. Fails as a write does.
    void close();

    void writeBlank(quint16 row, quint16 column);
    void writeInteger(quint16 row, quint16 column, quint16 value);
    void writeNumber(quint16 row, quint16 column, double value);
    void writeLabel(quint16 row, quint16 column, QByteArrayView text);
    void writeBoolean(quint16 row, quint16 column, bool value);

private:
    void start(); // start of file and dimensions
    void writeBof();
    void writeDimensions();
    void writeEof();
    // The one primitive every record starts with: stores its opcode and body length at `at`.
    static char *putRecordHeader(char *at, quint16 opcode, quint16 bodyLength);
    // A cell record's header: the record header, row, column and three attribute bytes.
    static char *putCellHeader(char *at, quint16 opcode, quint16 bodyLength, quint16 row, quint16 column);
    // Adds bytes to the block, which goes to the device once full.
    void append(QByteArrayView bytes);
    void flush();

    std::unique_ptr<ReplacingFile> m_file; // only when created at a path
    QIODevice *m_device = nullptr;
    QByteArray m_block;
};
