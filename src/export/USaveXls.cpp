#include "export/USaveXls.h"

#include "export/LittleEndian.h"
#include "util/AppError.h"
#include "util/IoErrorMessage.h"
#include "util/ReplacingFile.h"

#include <QIODevice>
#include <algorithm>
#include <cerrno>

namespace {

constexpr quint16 kOpDimensions = 0x0000;
constexpr quint16 kOpBlank = 0x0001;
constexpr quint16 kOpInteger = 0x0002;
constexpr quint16 kOpNumber = 0x0003;
constexpr quint16 kOpLabel = 0x0004;
constexpr quint16 kOpBoolean = 0x0005;
constexpr quint16 kOpBof = 0x0009;
constexpr quint16 kOpEof = 0x000A;

constexpr quint16 kCellHeaderLength = 7; // row, column, three attribute bytes
constexpr qsizetype kMaxLabel = 255;
constexpr qsizetype kBlockSize = 1 << 16;

[[noreturn]] void fail(int cause)
{
    throw AppError(ioerror::message(cause != 0 ? cause : EIO));
}

template <typename T> T dataAs(const TXlsWriter::CellData &data)
{
    const T *value = std::get_if<T>(&data);
    return value ? *value : T{};
}

} // namespace

TXlsWriter::TXlsWriter(QIODevice &device) : m_device(&device)
{
    start();
}

TXlsWriter::TXlsWriter(const QString &path) : m_file(std::make_unique<ReplacingFile>(path))
{
    if (!m_file->open())
        fail(ioerror::createFailureCause(path, errno));
    m_device = &m_file->device();
    start();
}

TXlsWriter::~TXlsWriter() = default;

void TXlsWriter::start()
{
    // Room for a full block and the record that overfills it.
    m_block.reserve(kBlockSize + 4 + kCellHeaderLength + 1 + kMaxLabel);
    writeBof();
    writeDimensions();
}

void TXlsWriter::writeCell(int kind, qint32 row, qint32 column, const CellData &data)
{
    const auto r = quint16(row);
    const auto c = quint16(column);
    switch (kind) {
    case kBlank:
        writeBlank(r, c);
        break;
    case kInteger:
        writeInteger(r, c, quint16(dataAs<qint32>(data)));
        break;
    case kNumber:
        writeNumber(r, c, dataAs<double>(data));
        break;
    case kLabel:
        writeLabel(r, c, dataAs<QByteArrayView>(data));
        break;
    case kBoolean:
        writeBoolean(r, c, !dataAs<QByteArrayView>(data).isEmpty());
        break;
    default:
        break;
    }
}

void TXlsWriter::close()
{
    writeEof();
    flush();
    if (m_file) {
        if (!m_file->commit())
            fail(errno);
    }
}

void TXlsWriter::writeBlank(quint16 row, quint16 column)
{
    char record[4 + kCellHeaderLength];
    putCellHeader(record, kOpBlank, kCellHeaderLength, row, column);
    append(QByteArrayView(record, sizeof record));
}

void TXlsWriter::writeInteger(quint16 row, quint16 column, quint16 value)
{
    char record[4 + kCellHeaderLength + 2];
    char *at = putCellHeader(record, kOpInteger, kCellHeaderLength + 2, row, column);
    littleendian::putU16(at, value);
    append(QByteArrayView(record, sizeof record));
}

void TXlsWriter::writeNumber(quint16 row, quint16 column, double value)
{
    char record[4 + kCellHeaderLength + 8];
    char *at = putCellHeader(record, kOpNumber, kCellHeaderLength + 8, row, column);
    littleendian::putDouble(at, value);
    append(QByteArrayView(record, sizeof record));
}

void TXlsWriter::writeLabel(quint16 row, quint16 column, QByteArrayView text)
{
    const QByteArrayView cut = text.first(std::min(text.size(), kMaxLabel));
    char head[4 + kCellHeaderLength + 1];
    char *at = putCellHeader(head, kOpLabel, quint16(kCellHeaderLength + 1 + cut.size()), row, column);
    littleendian::putU8(at, quint8(cut.size()));
    append(QByteArrayView(head, sizeof head));
    append(cut);
}

void TXlsWriter::writeBoolean(quint16 row, quint16 column, bool value)
{
    char record[4 + kCellHeaderLength + 2];
    char *at = putCellHeader(record, kOpBoolean, kCellHeaderLength + 2, row, column);
    at = littleendian::putU8(at, value ? 1 : 0);
    littleendian::putU8(at, 0); // a boolean, not an error code
    append(QByteArrayView(record, sizeof record));
}

void TXlsWriter::writeBof()
{
    char record[4 + 4];
    char *at = putRecordHeader(record, kOpBof, 4);
    at = littleendian::putU16(at, 0x0000); // version
    littleendian::putU16(at, 0x0010);      // worksheet
    append(QByteArrayView(record, sizeof record));
}

void TXlsWriter::writeDimensions()
{
    // Written before any cell and never corrected, so it claims the whole sheet.
    char record[4 + 8];
    char *at = putRecordHeader(record, kOpDimensions, 8);
    at = littleendian::putU16(at, 0x0000); // first row
    at = littleendian::putU16(at, 0xFFFF); // last row
    at = littleendian::putU16(at, 0x0000); // first column
    littleendian::putU16(at, 0xFFFF);      // last column
    append(QByteArrayView(record, sizeof record));
}

void TXlsWriter::writeEof()
{
    char record[4];
    putRecordHeader(record, kOpEof, 0);
    append(QByteArrayView(record, sizeof record));
}

char *TXlsWriter::putRecordHeader(char *at, quint16 opcode, quint16 bodyLength)
{
    at = littleendian::putU16(at, opcode);
    return littleendian::putU16(at, bodyLength);
}

char *TXlsWriter::putCellHeader(char *at, quint16 opcode, quint16 bodyLength, quint16 row, quint16 column)
{
    at = putRecordHeader(at, opcode, bodyLength);
    at = littleendian::putU16(at, row);
    at = littleendian::putU16(at, column);
    for (int attribute = 0; attribute < 3; ++attribute)
        at = littleendian::putU8(at, 0);
    return at;
}

void TXlsWriter::append(QByteArrayView bytes)
{
    m_block.append(bytes);
    if (m_block.size() >= kBlockSize)
        flush();
}

void TXlsWriter::flush()
{
    if (m_block.isEmpty())
        return;
    errno = 0;
    if (m_device->write(m_block) != m_block.size())
        fail(errno);
    m_block.resize(0);
}
