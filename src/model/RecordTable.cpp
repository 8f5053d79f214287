#include "model/RecordTable.h"

#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/Regional.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

namespace {

const FieldPlace &placeOf(int position)
{
    return kRowLayout.fields.at(std::size_t(position));
}

// What a field of no row reads as.
const char *emptyRow()
{
    static const std::vector<char> row(std::size_t(kRowLayout.size), '\0');
    return row.data();
}

QString fieldName(int position)
{
    return QString::fromLatin1(catalogue::field(position).name);
}

QString screenText(QByteArrayView text)
{
    return cp1252::toUnicode(text);
}

[[noreturn]] void notInEditMode()
{
    throw AppError(QStringLiteral("Dataset not in edit or insert mode"));
}

StoredValue storedValue(const char *row, int position)
{
    return RowView(row).value(position);
}

QByteArray textOf(const StoredValue &value)
{
    switch (value.kind) {
    case FieldKind::Text:
        return value.text.toByteArray();
    case FieldKind::Floating:
        return value.isSet ? regional::generalText(value.number) : QByteArray();
    case FieldKind::Integer:
        return value.isSet ? QByteArray::number(qint32(value.number)) : QByteArray();
    }
    return {};
}

void writeText(char *bytes, const FieldPlace &place, QByteArrayView text)
{
    const auto length = std::min<qsizetype>(text.size(), place.size);
    bytes[0] = char(length);
    if (length > 0) // an empty view may hold no pointer at all
        std::memcpy(bytes + 1, text.data(), std::size_t(length));
    std::memset(bytes + 1 + length, 0, std::size_t(place.size - length));
}

void writeFloating(char *bytes, double value)
{
    bytes[0] = 1;
    std::memcpy(bytes + 1, &value, sizeof value);
}

void writeInteger(char *bytes, qint32 value)
{
    bytes[0] = 1;
    std::memcpy(bytes + 1, &value, sizeof value);
}

double numberOf(const StoredValue &value)
{
    if (value.kind != FieldKind::Text)
        return value.number;
    if (const auto number = regional::strictNumber(value.text))
        return *number;
    throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(screenText(value.text)));
}

// Whether two rows hold the same values: an unset number may keep the bytes of its last value, and
// 0 equals -0.
bool sameValues(const char *a, const char *b)
{
    if (std::memcmp(a, b, std::size_t(kRowLayout.size)) == 0)
        return true;
    const RowView x(a);
    const RowView y(b);
    for (int position = 0; position < catalogue::kFieldCount; ++position) {
        const StoredValue u = x.value(position);
        const StoredValue v = y.value(position);
        if (u.text != v.text || u.isSet != v.isSet || u.number != v.number)
            return false;
    }
    return true;
}

// Rounds half to even into 32 bits; nullopt when out of range.
std::optional<qint32> roundToInteger(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(rounded);
}

} // namespace

bool FieldRef::isNull() const
{
    const RecordTable &t = *m_table;
    if (t.m_current < 0)
        return true;
    return t.isNullAt(t.m_current, m_position);
}

QByteArray FieldRef::asText() const
{
    const RecordTable &t = *m_table;
    if (t.m_current < 0)
        return {};
    return t.textAt(t.m_current, m_position);
}

double FieldRef::asNumber() const
{
    const RecordTable &t = *m_table;
    if (t.m_current < 0)
        return numberOf(storedValue(emptyRow(), m_position));
    return t.numberAt(t.m_current, m_position);
}

void FieldRef::setText(QByteArrayView text)
{
    char *bytes = m_table->pendingBytes() + placeOf(m_position).offset;
    switch (kind()) {
    case FieldKind::Text:
        writeText(bytes, placeOf(m_position), text);
        break;
    case FieldKind::Floating:
        if (text.isEmpty()) {
            bytes[0] = 0;
        } else if (const auto value = regional::strictNumber(text)) {
            writeFloating(bytes, *value);
        } else {
            throw AppError(QStringLiteral("'%1' is not a valid floating point value for field '%2'")
                               .arg(screenText(text), fieldName(m_position)));
        }
        break;
    case FieldKind::Integer:
        if (text.isEmpty()) {
            bytes[0] = 0;
        } else if (const auto value = regional::strictInteger(text)) {
            writeInteger(bytes, *value);
        } else {
            throw AppError(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                               .arg(screenText(text), fieldName(m_position)));
        }
        break;
    }
    m_table->fieldWritten(m_position);
}

void FieldRef::setNumber(double value)
{
    char *bytes = m_table->pendingBytes() + placeOf(m_position).offset;
    switch (kind()) {
    case FieldKind::Text:
        writeText(bytes, placeOf(m_position), regional::generalText(value));
        break;
    case FieldKind::Floating:
        writeFloating(bytes, value);
        break;
    case FieldKind::Integer:
        if (const auto integer = roundToInteger(value)) {
            writeInteger(bytes, *integer);
        } else {
            throw AppError(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                               .arg(screenText(regional::generalText(value)), fieldName(m_position)));
        }
        break;
    }
    m_table->fieldWritten(m_position);
}

void FieldRef::setInteger(qint64 value)
{
    if (kind() != FieldKind::Integer) {
        char *bytes = m_table->pendingBytes() + placeOf(m_position).offset;
        if (kind() == FieldKind::Text)
            writeText(bytes, placeOf(m_position), QByteArray::number(value));
        else
            writeFloating(bytes, double(value));
        m_table->fieldWritten(m_position);
        return;
    }
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) {
        m_table->requirePending();
        throw AppError(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                           .arg(value)
                           .arg(fieldName(m_position)));
    }
    char *bytes = m_table->pendingBytes() + placeOf(m_position).offset;
    writeInteger(bytes, qint32(value));
    m_table->fieldWritten(m_position);
}

void FieldRef::setLoose(const LooseValue &value)
{
    if (std::holds_alternative<std::monostate>(value)) {
        clear();
    } else if (const auto *integer = std::get_if<qint64>(&value)) {
        setInteger(*integer);
    } else if (const auto *floating = std::get_if<double>(&value)) {
        setNumber(*floating);
    } else {
        const QByteArray &text = std::get<QByteArray>(value);
        if (kind() == FieldKind::Text) {
            setText(text);
            return;
        }
        const auto number = regional::regionalNumber(text);
        // A number the field cannot hold is as unreadable for it as a letter.
        if (!number || (kind() == FieldKind::Integer && !roundToInteger(*number))) {
            m_table->requirePending();
            throw AppError(QStringLiteral("Invalid value for field '%1'").arg(fieldName(m_position)));
        }
        setNumber(*number);
    }
}

void FieldRef::clear()
{
    char *bytes = m_table->pendingBytes() + placeOf(m_position).offset;
    const int width = kind() == FieldKind::Text ? def().size : kind() == FieldKind::Floating ? 8 : 4;
    std::memset(bytes, 0, std::size_t(1 + width));
    m_table->fieldWritten(m_position);
}

void PendingRowWriter::setText(int position, QByteArrayView text) const
{
    const FieldPlace &place = placeOf(position);
    Q_ASSERT(place.kind == FieldKind::Text);
    writeText(m_row + place.offset, place, text);
}

void PendingRowWriter::setFloating(int position, double value) const
{
    const FieldPlace &place = placeOf(position);
    Q_ASSERT(place.kind == FieldKind::Floating);
    writeFloating(m_row + place.offset, value);
}

void PendingRowWriter::setInteger(int position, qint32 value) const
{
    const FieldPlace &place = placeOf(position);
    Q_ASSERT(place.kind == FieldKind::Integer);
    writeInteger(m_row + place.offset, value);
}

RecordTable::RecordTable(QObject *parent) : QObject(parent), m_arena(std::size_t(kRowLayout.size)) {}

RecordTable::~RecordTable() = default;

void RecordTable::open()
{
    m_rows.clear();
    m_notes.clear();
    m_arena.recycle();
    m_backup.clear();
    m_current = -1;
    m_eof = true;
    m_open = true;
    m_modified = false;
    m_state = State::Browse;
    if (!isDisplaySuspended())
        Q_EMIT tableReset();
}

void RecordTable::close()
{
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_notes.clear();
    m_arena.clear();
    m_backup.clear();
    m_current = -1;
    m_eof = true;
    m_open = false;
    m_modified = false;
    m_state = State::Browse;
    if (!isDisplaySuspended())
        Q_EMIT tableReset();
}

void RecordTable::append()
{
    settle();
    insertRowAt(rowCount());
}

void RecordTable::insert()
{
    settle();
    insertRowAt(m_current < 0 ? 0 : m_current);
}

void RecordTable::edit()
{
    if (m_state != State::Browse)
        return;
    if (m_rows.empty()) {
        insert();
        return;
    }
    m_backup = QByteArray(rowBytes(m_current), kRowLayout.size);
    m_state = State::Edit;
    m_modified = false;
    m_setInPending.reset();
    m_pendingReviewed = false;
}

void RecordTable::post()
{
    requirePending();
    const bool changed = m_state == State::Insert || !sameValues(rowBytes(m_current), m_backup.constData());
    const bool noted = dropFromNote(m_current, m_setInPending, std::exchange(m_pendingReviewed, false));
    m_state = State::Browse;
    m_modified = false;
    m_backup.clear();
    if (changed)
        countChange();
    else if (noted)
        ++m_valueRevision;
    if (!isDisplaySuspended())
        Q_EMIT rowChanged(m_current);
}

void RecordTable::cancel()
{
    if (m_state == State::Insert) {
        const int row = m_current;
        m_state = State::Browse;
        m_modified = false;
        eraseRowAt(row);
    } else if (m_state == State::Edit) {
        std::memcpy(m_rows[std::size_t(m_current)], m_backup.constData(), std::size_t(m_backup.size()));
        m_backup.clear();
        m_state = State::Browse;
        m_modified = false;
        if (!isDisplaySuspended())
            Q_EMIT rowChanged(m_current);
    }
}

void RecordTable::deleteRow()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_rows.empty())
        throw AppError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    settle();
    countChange();
    eraseRowAt(m_current);
}

void RecordTable::first()
{
    settle();
    m_eof = m_rows.empty();
    setCurrent(m_rows.empty() ? -1 : 0);
}

void RecordTable::next()
{
    settle();
    if (m_current < 0 || m_current + 1 >= rowCount()) {
        m_eof = true;
        return;
    }
    m_eof = false;
    setCurrent(m_current + 1);
}

void RecordTable::moveTo(int row)
{
    settle();
    if (m_rows.empty())
        return;
    m_eof = false;
    setCurrent(std::clamp(row, 0, rowCount() - 1));
}

bool RecordTable::locate(int position, double value)
{
    settle();
    const auto holds = [&](int row) {
        const StoredValue stored = storedValue(rowBytes(row), position);
        if (stored.kind != FieldKind::Text)
            return stored.isSet && stored.number == value;
        const auto number = regional::strictNumber(stored.text);
        return number && *number == value;
    };
    if (m_current >= 0 && holds(m_current))
        return true;
    for (int row = 0; row < rowCount(); ++row) {
        if (holds(row)) {
            m_eof = false;
            setCurrent(row);
            return true;
        }
    }
    return false;
}

PendingRowWriter RecordTable::pendingRowWriter()
{
    char *row = pendingBytes();
    m_modified = true;
    return PendingRowWriter(row);
}

int RecordTable::fieldIndex(QByteArrayView name)
{
    const int position = catalogue::indexOf(name);
    if (position < 0)
        throw AppError(QStringLiteral("Field '%1' not found").arg(screenText(name)));
    return position;
}

QByteArray RecordTable::textAt(int row, int position) const
{
    return textOf(storedValue(rowBytes(row), position));
}

QByteArrayView RecordTable::textViewAt(int row, int position, char (&buffer)[32]) const
{
    const StoredValue value = rowView(row).value(position);
    switch (value.kind) {
    case FieldKind::Text:
        return value.text;
    case FieldKind::Floating:
        if (value.isSet)
            return QByteArrayView(buffer, regional::writeGeneralText(value.number, buffer));
        break;
    case FieldKind::Integer:
        if (value.isSet)
            return QByteArrayView(
                buffer, std::to_chars(buffer, buffer + sizeof buffer, qint32(value.number)).ptr - buffer);
        break;
    }
    return {};
}

void RecordTable::appendTextAt(int row, int position, QByteArray &out) const
{
    char buffer[32];
    out += textViewAt(row, position, buffer);
}

bool RecordTable::isNullAt(int row, int position) const
{
    return !storedValue(rowBytes(row), position).isSet;
}

double RecordTable::numberAt(int row, int position) const
{
    return numberOf(storedValue(rowBytes(row), position));
}

bool RecordTable::writeTextAt(int row, int position, QByteArrayView text)
{
    char *bytes = storedBytes(row, position, FieldKind::Text);
    const FieldPlace &place = placeOf(position);
    if (storedValue(rowBytes(row), position).text
        == text.first(std::min<qsizetype>(text.size(), place.size))) {
        acceptValue(row, position);
        return false;
    }
    forgetField(row, position);
    writeText(bytes, place, text);
    storedRowChanged(row, position);
    return true;
}

bool RecordTable::writeIntegerAt(int row, int position, qint64 value)
{
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        throw AppError(QStringLiteral("'%1' is not a valid integer value for field '%2'")
                           .arg(value)
                           .arg(fieldName(position)));
    char *bytes = storedBytes(row, position, FieldKind::Integer);
    const StoredValue stored = storedValue(rowBytes(row), position);
    if (stored.isSet && stored.number == double(value)) {
        acceptValue(row, position);
        return false;
    }
    forgetField(row, position);
    writeInteger(bytes, qint32(value));
    storedRowChanged(row, position);
    return true;
}

char *RecordTable::storedBytes(int row, int position, FieldKind kind)
{
    if (m_state != State::Browse)
        throw AppError(QStringLiteral("Dataset in edit or insert mode"));
    const FieldPlace &place = placeOf(position);
    if (place.kind != kind)
        throw AppError(QStringLiteral("Field '%1' cannot be written in place").arg(fieldName(position)));
    return m_rows[std::size_t(row)] + place.offset;
}

void RecordTable::storedRowChanged(int row, int position)
{
    ++m_revision;
    if (position != catalogue::kLinea)
        ++m_valueRevision;
    if (!isDisplaySuspended())
        Q_EMIT rowChanged(row);
}

void RecordTable::countChange()
{
    ++m_revision;
    ++m_valueRevision;
}

void RecordTable::suspendDisplay()
{
    ++m_suspended;
}

void RecordTable::resumeDisplay()
{
    if (m_suspended > 0 && --m_suspended == 0) {
        Q_EMIT tableReset();
        Q_EMIT currentRowChanged(m_current);
    }
}

char *RecordTable::pendingBytes()
{
    requirePending();
    return m_rows[std::size_t(m_current)];
}

void RecordTable::requirePending() const
{
    if (m_state == State::Browse)
        notInEditMode();
}

void RecordTable::settle()
{
    if (m_state == State::Browse)
        return;
    if (m_modified)
        post();
    else
        cancel();
}

void RecordTable::setCurrent(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    if (!isDisplaySuspended())
        Q_EMIT currentRowChanged(row);
}

void RecordTable::insertRowAt(int row)
{
    const bool signalling = !isDisplaySuspended();
    if (signalling)
        Q_EMIT rowAboutToBeInserted(row);
    m_rows.insert(m_rows.begin() + row, m_arena.allocate());
    // The new row is current and pending before anyone hears of it.
    const int previous = m_current;
    m_current = row;
    m_state = State::Insert;
    m_modified = false;
    m_setInPending.reset();
    m_pendingReviewed = false;
    m_eof = false;
    if (signalling) {
        Q_EMIT rowInserted(row);
        if (m_current != previous)
            Q_EMIT currentRowChanged(m_current);
    }
}

void RecordTable::eraseRowAt(int row)
{
    const bool signalling = !isDisplaySuspended();
    if (signalling)
        Q_EMIT rowAboutToBeRemoved(row);
    m_notes.erase(m_rows[std::size_t(row)]);
    m_arena.release(m_rows[std::size_t(row)]);
    m_rows.erase(m_rows.begin() + row);
    // The cursor is on its new row before anyone hears of the removal: the following row, or the
    // new last row.
    const int previous = m_current;
    m_current = m_rows.empty() ? -1 : std::min(row, rowCount() - 1);
    m_eof = m_rows.empty();
    if (signalling) {
        Q_EMIT rowRemoved(row);
        if (m_current != previous)
            Q_EMIT currentRowChanged(m_current);
    }
}

void RecordTable::fieldWritten(int position)
{
    m_modified = true;
    m_setInPending.set(std::size_t(position));
    if (!isDisplaySuspended())
        Q_EMIT rowChanged(m_current);
}

const ReaderNote *RecordTable::readerNote(int row) const
{
    if (m_notes.empty())
        return nullptr;
    const auto found = m_notes.find(rowBytes(row));
    return found == m_notes.end() ? nullptr : &found->second;
}

void RecordTable::setReaderNote(int row, ReaderNote note)
{
    ++m_valueRevision;
    if (note.isEmpty())
        m_notes.erase(rowBytes(row));
    else
        m_notes[rowBytes(row)] = std::move(note);
}

void RecordTable::acceptValue(int row, int position)
{
    if (forgetField(row, position))
        noteDropped(row);
}

bool RecordTable::forgetField(int row, int position)
{
    return dropFromNote(row, FieldSet().set(std::size_t(position)), false);
}

void RecordTable::markLineReviewed()
{
    requirePending();
    m_pendingReviewed = true;
}

bool RecordTable::dropFromNote(int row, const FieldSet &fields, bool shape)
{
    if (m_notes.empty())
        return false;
    const auto found = m_notes.find(rowBytes(row));
    if (found == m_notes.end())
        return false;
    ReaderNote &note = found->second;
    bool changed = std::erase_if(note.unreadable,
                                 [&fields](const ReaderNote::Unreadable &entry) {
                                     return fields.test(std::size_t(entry.position));
                                 })
                   > 0;
    if (shape && note.shape != ReaderNote::Shape::Right) {
        note.shape = ReaderNote::Shape::Right;
        note.seen = 0;
        changed = true;
    }
    if (note.isEmpty())
        m_notes.erase(found);
    return changed;
}

void RecordTable::noteDropped(int row)
{
    ++m_valueRevision;
    if (!isDisplaySuspended())
        Q_EMIT rowChanged(row);
}
