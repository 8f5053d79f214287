#include "io/DeclarationWriter.h"

#include "io/SavedFile.h"
#include "model/RecordTable.h"
#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/IoErrorMessage.h"

#include <QFileDevice>

#include <algorithm>
#include <cerrno>

#ifdef __linux__
#include <fcntl.h>
#endif

namespace declaration {

namespace {

// Lines are gathered and written in blocks of about this size.
constexpr qsizetype kBlockSize = 1 << 16;
// Room for a block and the line that crosses its end, kept below 128 KiB: from there on malloc (and
// a sanitizer's allocator) maps and unmaps memory of its own for every block, so that writing a
// small file cost a mapping and the flush of the address tables each time.
constexpr qsizetype kBlockRoom = kBlockSize + (1 << 14);

[[noreturn]] void fail(int cause)
{
    throw AppError(ioerror::message(cause != 0 ? cause : EIO));
}

// Every this many bytes written, the system is asked to start putting them on disk, so that the
// sync at the end, which the file's safety needs, waits for little more than the last of them.
constexpr qint64 kWritebackStep = qint64(8) << 20;

class BlockWriter {
public:
    explicit BlockWriter(QIODevice &device) : m_device(device) {}

    void write(QByteArray &block)
    {
        if (block.isEmpty())
            return;
        savedfile::writeAll(m_device, block);
        m_written += block.size();
        block.resize(0);
        if (m_written - m_startedWriteback >= kWritebackStep)
            startWriteback();
    }

private:
    void startWriteback()
    {
#ifdef __linux__
        // Only a hint: a device that is no file, or a system that refuses, loses nothing by it.
        if (auto *file = qobject_cast<QFileDevice *>(&m_device); file && file->handle() >= 0)
            sync_file_range(file->handle(), m_startedWriteback, m_written - m_startedWriteback,
                            SYNC_FILE_RANGE_WRITE);
#endif
        m_startedWriteback = m_written;
    }

    QIODevice &m_device;
    qint64 m_written = 0;
    qint64 m_startedWriteback = 0;
};

} // namespace

std::optional<Misalignment> firstMisalignedLine(const RecordTable &table)
{
    for (int row = 0; row < table.rowCount(); ++row) {
        if (const int field = linelayout::firstMisfitField(table, row))
            return Misalignment{row, field, table.textAt(row, field), catalogue::field(field).line.width};
    }
    return std::nullopt;
}

QString misalignmentQuestion(const Misalignment &misalignment)
{
    return QStringLiteral("La línea %1 no tendría %2 caracteres: el campo %3 tiene \"%4\" (%5 "
                          "caracteres) y su ancho es %6, así que las columnas de los campos que le "
                          "siguen quedarían corridas. ¿Desea grabar el archivo de todos modos?")
        .arg(misalignment.row + 1)
        .arg(linelayout::kFixedLineLength)
        .arg(catalogue::caption(misalignment.field))
        .arg(cp1252::toUnicode(misalignment.text))
        .arg(misalignment.text.size())
        .arg(misalignment.width);
}

std::optional<Misalignment> firstSplitLine(const RecordTable &table)
{
    for (int row = 0; row < table.rowCount(); ++row) {
        if (const int field = linelayout::firstSeparatorField(table, row))
            return Misalignment{row, field, table.textAt(row, field), 0};
    }
    return std::nullopt;
}

QString splitQuestion(const Misalignment &misalignment)
{
    return QStringLiteral("La línea %1 tiene un \";\" en el campo %2 (\"%3\"), así que los campos que le "
                          "siguen quedarían corridos. ¿Desea grabar el archivo de todos modos?")
        .arg(misalignment.row + 1)
        .arg(catalogue::caption(misalignment.field))
        .arg(cp1252::toUnicode(misalignment.text));
}

void write(RecordTable &table, linelayout::Layout layout, QIODevice &device)
{
    // A grid over the table would otherwise follow the walk row by row.
    SuspendedDisplay suspended(table);
    QByteArray block;
    // A short file takes no more room than its lines.
    block.reserve(std::min(kBlockRoom, (table.rowCount() + 1) * qsizetype(linelayout::kFixedLineLength + 2)));
    BlockWriter writer(device);
    table.first();
    while (!table.eof()) {
        linelayout::appendRow(block, table, table.currentRow(), layout);
        block.append("\r\n", 2);
        if (block.size() >= kBlockSize)
            writer.write(block);
        table.next();
    }
    writer.write(block);
    // A buffered file may fail only now, when its buffer goes to the system.
    if (auto *file = qobject_cast<QFileDevice *>(&device)) {
        errno = 0;
        if (!file->flush())
            fail(errno);
    }
}

void write(RecordTable &table, linelayout::Layout layout, const QString &path)
{
    savedfile::save(path, [&](QIODevice &file) { write(table, layout, file); });
}

} // namespace declaration
