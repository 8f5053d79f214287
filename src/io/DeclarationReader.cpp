#include "io/DeclarationReader.h"

#include "model/RecordTable.h"
#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/IoErrorMessage.h"
#include "util/Regional.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

namespace declaration {

namespace {

constexpr qsizetype kBlockSize = 1 << 16;
constexpr char kCtrlZ = 26;

// Rules I, G and P give a text (the number's digits or general text, or the fallback): a text field
// stores that text, a floating field the number the regional conversion reads from it. That number
// is the one read in the first place whenever it has at most 15 significant digits, as every number
// of a fixed-position field has (11 characters at most), so the floating field takes it directly and
// the text is never made. Subnormal numbers, which lose digits, take the long way.
void storeNumber(RecordTable &table, const PendingRowWriter &row, int position, bool read, double value)
{
    const FieldKind kind = catalogue::field(position).kind;
    if (kind == FieldKind::Floating && (!read || value == 0 || std::isnormal(value))) {
        row.setFloating(position, read ? value + 0.0 : 0.0); // + 0.0: a general text has no "-0"
        return;
    }
    char buffer[32];
    const QByteArrayView text =
        read ? QByteArrayView(buffer, regional::writeGeneralText(value, buffer)) : QByteArrayView("0");
    if (kind == FieldKind::Text)
        row.setText(position, text);
    else
        table.field(position).setLoose(text.toByteArray());
}

// Each store below answers whether the text was read; false means the fallback was stored.
bool storeStrictNumber(RecordTable &table, const PendingRowWriter &row, int position, QByteArrayView text)
{
    double value = 0;
    const bool read = regional::strictNumber(text, value);
    storeNumber(table, row, position, read, value);
    return read;
}

bool storeInteger(const PendingRowWriter &row, int position, QByteArrayView text, QByteArrayView fallback)
{
    qint32 value = 0;
    const bool read = regional::strictInteger(text, value);
    if (catalogue::field(position).kind == FieldKind::Floating) {
        row.setFloating(position, double(value));
    } else if (!read) {
        row.setText(position, fallback);
    } else {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        row.setText(position, QByteArrayView(digits, end - digits));
    }
    return read;
}

// The fields after the last ";" of a short separated line all hold the same rest of the line, which
// may be megabytes long: it is read as a number once, not once for every field.
class RegionalReadings {
public:
    // Whether the text reads as a number, and the number (0 when refused).
    bool read(QByteArrayView text, double &value)
    {
        if (!m_known || text.data() != m_text.data() || text.size() != m_text.size()) {
            m_known = true;
            m_text = text;
            m_value = 0;
            m_read = regional::regionalNumber(text, m_value);
        }
        value = m_value;
        return m_read;
    }

private:
    bool m_known = false;
    QByteArrayView m_text;
    double m_value = 0;
    bool m_read = false;
};

// What the error box shows of the text that stopped the load: a separated line's last field may
// hold the rest of a long line.
QString shownText(QByteArrayView text)
{
    constexpr qsizetype kShown = 40;
    if (text.size() <= kShown)
        return cp1252::toUnicode(text);
    return cp1252::toUnicode(text.first(kShown)) + QChar(0x2026);
}

// `nacion` has no fallback: its refusal stops the load, and the message says where to look.
void storeNacion(RecordTable &table, int position, QByteArrayView line, QByteArrayView text, qint32 number)
{
    try {
        table.field(position).setLoose(text.toByteArray());
    } catch (const AppError &error) {
        QString where;
        if (line.isEmpty())
            where = QStringLiteral("La línea %1 está vacía").arg(number);
        else if (text.isEmpty())
            where = QStringLiteral("Línea %1: el campo %2 está vacío").arg(number).arg(position);
        else
            where = QStringLiteral("Línea %1: el campo %2 trae \"%3\"")
                        .arg(number)
                        .arg(position)
                        .arg(shownText(text));
        throw AppError(error.message() + QStringLiteral(".\n") + where);
    }
}

bool isBlank(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

// Every rule meets fields of one kind only (rules S, R: floating; T, E: text; Z: `nacion`), as the
// field table gives them, so the row is written directly but for `nacion` and rare numbers. Answers
// whether the text was read (a text rule always reads it).
bool storeField(RecordTable &table, const PendingRowWriter &row, int position, ReadRule rule,
                QByteArrayView text, RegionalReadings &readings)
{
    switch (rule) {
    case ReadRule::T:
        row.setText(position, text);
        return true;
    case ReadRule::S: {
        double value = 0;
        const bool read = regional::strictNumber(text, value);
        row.setFloating(position, value);
        return read;
    }
    case ReadRule::I:
        return storeInteger(row, position, text, "0");
    case ReadRule::I00:
        return storeInteger(row, position, text, "00");
    case ReadRule::G:
        return storeStrictNumber(table, row, position, text);
    case ReadRule::P: {
        // ReemplazaCaracter(text, ".", decimal separator), on the stack: a fixed-position field is
        // at most 40 characters.
        char replaced[64];
        const qsizetype size = std::min<qsizetype>(text.size(), sizeof replaced);
        std::replace_copy(text.begin(), text.begin() + size, replaced, '.', regional::separators().decimal);
        return storeStrictNumber(table, row, position, QByteArrayView(replaced, size));
    }
    case ReadRule::Z:
        return true; // stored by storeNacion
    case ReadRule::R: {
        double value = 0;
        const bool read = readings.read(text, value);
        row.setFloating(position, value);
        return read;
    }
    case ReadRule::E:
        row.setText(position, text.isEmpty() ? QByteArrayView("0") : text);
        return true;
    }
    return true;
}

// The line's shape, when it is not the layout's.
void noteShape(QByteArrayView line, linelayout::Layout layout, ReaderNote &note)
{
    if (layout == linelayout::Layout::Fixed) {
        if (line.size() != linelayout::kFixedLineLength) {
            note.shape = ReaderNote::Shape::Length;
            note.seen = line.size();
        }
        return;
    }
    const qint64 fields = std::count(line.begin(), line.end(), linelayout::kSeparator) + 1;
    if (fields != catalogue::kLineFieldCount) {
        note.shape = ReaderNote::Shape::Fields;
        note.seen = fields;
    }
}

// Stores the 105 fields of `line` into the pending row of `table`, in order, each by its rule for
// `layout`, and answers what the reader saw that the values cannot show. A `nacion` that the
// regional conversion refuses raises AppError; the fields before it are stored, the row stays
// pending.
ReaderNote storeLine(QByteArrayView line, linelayout::Layout layout, qint32 number, RecordTable &table)
{
    const linelayout::FieldViews texts = linelayout::cut(line, layout);
    const bool fixed = layout == linelayout::Layout::Fixed;
    const PendingRowWriter row = table.pendingRowWriter();
    RegionalReadings readings;
    ReaderNote note;
    noteShape(line, layout, note);
    const auto &fields = catalogue::fields();
    for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
        const LineField &field = fields[std::size_t(n)].line;
        const ReadRule rule = fixed ? field.readFixed : field.readSeparated;
        const QByteArrayView text = texts[std::size_t(n - 1)];
        if (rule == ReadRule::Z)
            storeNacion(table, n, line, text, number);
        else if (!storeField(table, row, n, rule, text, readings) && !isBlank(text))
            note.unreadable.push_back({n,
                                       text.first(std::min(text.size(), ReaderNote::kKeptText)).toByteArray(),
                                       text.size() > ReaderNote::kKeptText});
    }
    return note;
}

void storeRow(QByteArrayView line, linelayout::Layout layout, qint32 number, RecordTable &table)
{
    table.append();
    table.pendingRowWriter().setInteger(catalogue::kLinea, number);
    ReaderNote note = storeLine(line, layout, number, table);
    table.post();
    if (!note.isEmpty())
        table.setReaderNote(table.rowCount() - 1, std::move(note));
}

} // namespace

LineReader::LineReader(QIODevice &device) : m_device(device) {}

bool LineReader::readBlock()
{
    const qsizetype kept = m_buffer.size();
    // Grown by doubling: a look-ahead through a device that yields a few bytes at a time appends
    // many small blocks.
    if (m_buffer.capacity() < kept + m_blockSize)
        m_buffer.reserve(std::max(kept + m_blockSize, 2 * m_buffer.capacity()));
    m_buffer.resize(kept + m_blockSize);
    errno = 0;
    const qint64 count = m_device.read(m_buffer.data() + kept, m_blockSize);
    if (count < 0)
        throw AppError(ioerror::message(errno != 0 ? errno : EIO));
    m_buffer.resize(kept + count);
    // A device that fills its block has more to give: the block grows to the full size.
    if (count == m_blockSize && m_blockSize < kBlockSize)
        m_blockSize *= 2;
    return count > 0;
}

void LineReader::chooseLineEnd()
{
    // A CR decides as soon as one is seen, which in a file of CR LF lines is within its first line;
    // a file without one is known only at its end. A device that can go back is scanned and rewound,
    // so that such a file is not held whole in memory; any other keeps its look-ahead to be split.
    const bool rewinds = !m_device.isSequential();
    const qint64 start = rewinds ? m_device.pos() : 0;
    bool dropped = false;
    qsizetype scanned = 0;
    while (m_lineEnd == 0) {
        const char *begin = m_buffer.constData() + scanned;
        const char *end = m_buffer.constData() + m_buffer.size();
        const auto *cr = static_cast<const char *>(std::memchr(begin, '\r', std::size_t(end - begin)));
        // Nothing after a Ctrl+Z is read, so a CR there does not count.
        if (std::memchr(begin, kCtrlZ, std::size_t((cr ? cr : end) - begin))) {
            m_lineEnd = '\n';
        } else if (cr) {
            m_lineEnd = '\r';
        } else {
            if (rewinds && !m_buffer.isEmpty()) {
                m_buffer.resize(0);
                dropped = true;
            }
            scanned = m_buffer.size();
            if (!readBlock())
                m_lineEnd = '\n';
        }
    }
    if (dropped) {
        m_buffer.resize(0);
        errno = 0;
        if (!m_device.seek(start))
            throw AppError(ioerror::message(errno != 0 ? errno : EIO));
    }
    m_pos = 0;
}

bool LineReader::next(QByteArray &line)
{
    if (m_lineEnd == 0)
        chooseLineEnd();
    line.resize(0);
    while (!m_end) {
        if (m_pos == m_buffer.size()) {
            m_buffer.resize(0);
            m_pos = 0;
            if (!readBlock()) {
                m_end = true;
                break;
            }
        }
        if (m_afterCr) {
            m_afterCr = false;
            if (m_buffer.at(m_pos) == '\n') {
                ++m_pos;
                continue;
            }
        }
        const char *begin = m_buffer.constData() + m_pos;
        const char *end = m_buffer.constData() + m_buffer.size();
        const auto *found =
            static_cast<const char *>(std::memchr(begin, m_lineEnd, std::size_t(end - begin)));
        const char *lineEnd = found ? found : end;
        const auto *ctrlZ =
            static_cast<const char *>(std::memchr(begin, kCtrlZ, std::size_t(lineEnd - begin)));
        const char *stop = ctrlZ ? ctrlZ : lineEnd;
        line.append(begin, stop - begin);
        m_pos += stop - begin;
        if (stop == end)
            continue;
        if (*stop == kCtrlZ) {
            m_end = true;
            break;
        }
        ++m_pos;
        m_afterCr = m_lineEnd == '\r';
        return true;
    }
    // Ctrl+Z or the end right after a line end gives no further line.
    return !line.isEmpty();
}

void read(QIODevice &device, linelayout::Layout layout, RecordTable &table)
{
    SuspendedDisplay suspended(table);
    table.open();
    LineReader lines(device);
    QByteArray line;
    qint32 number = 1;
    int emptyLines = 0; // not yet stored: they are dropped when nothing but empty lines follows
    while (lines.next(line)) {
        if (line.isEmpty()) {
            ++emptyLines;
            continue;
        }
        for (; emptyLines > 0; --emptyLines)
            storeRow(QByteArrayView(), layout, number++, table);
        storeRow(line, layout, number++, table);
    }
}

void read(const QString &path, linelayout::Layout layout, RecordTable &table)
{
    // Opening a folder succeeds on some systems and only reading it fails; refuse it first.
    if (QFileInfo(path).isDir())
        throw AppError(ioerror::message(EISDIR));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int cause = errno;
        // A file that does not exist is how a user starts a declaration from nothing.
        if (cause == ENOENT || cause == ENOTDIR || (cause == 0 && !QFileInfo::exists(path))) {
            table.open();
            return;
        }
        throw AppError(ioerror::message(cause != 0 ? cause : EIO));
    }
    read(file, layout, table);
}

} // namespace declaration
