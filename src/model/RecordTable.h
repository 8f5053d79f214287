#pragma once

#include "model/FieldCatalogue.h"
#include "model/ReaderNote.h"
#include "model/RowArena.h"
#include "model/RowView.h"

#include <QByteArray>
#include <QObject>

#include <bitset>
#include <unordered_map>
#include <variant>
#include <vector>

class RecordTable;

// A value that carries a text, an integer, a floating number or nothing; what the reader stores.
using LooseValue = std::variant<std::monostate, QByteArray, qint64, double>;

// One field of the current row of a table, as a data set's field object: read and set it with the
// table's conversions. Setting fails with "Dataset not in edit or insert mode" unless a row is
// pending; every failure is an AppError with the user's text, and leaves the field as it was.
class FieldRef {
public:
    FieldRef(RecordTable &table, int position) : m_table(&table), m_position(position) {}

    int position() const { return m_position; }
    const FieldDef &def() const { return catalogue::field(m_position); }
    const char *name() const { return def().name; }
    FieldKind kind() const { return def().kind; }

    bool isNull() const;
    // Text: the stored text. Floating: its general text. Integer: its digits. Unset: empty.
    QByteArray asText() const;
    // Text: parsed as a decimal number (empty or non-numeric fails). Numbers: the value, 0 unset.
    double asNumber() const;

    // Text: cut to the size. Numbers: the empty text unsets, other texts are parsed strictly.
    void setText(QByteArrayView text);
    // Text: the general text, cut. Integer: rounded half to even.
    void setNumber(double value);
    // Text: its decimal digits, cut. Integer: the value (it must fit 32 bits).
    void setInteger(qint64 value);
    // Null unsets; numbers as setNumber; a text into a number field goes through the regional
    // conversion and is refused, the empty text too, with "Invalid value for field '%s'".
    void setLoose(const LooseValue &value);
    void clear();

private:
    RecordTable *m_table;
    int m_position;
};

// The pending row of a table written at a loader's pace, without the conversions, checks and signals
// of FieldRef: each field takes a value of its own kind, a text cut to the field's size. It is valid
// until the pending row is posted or cancelled.
class PendingRowWriter {
public:
    void setText(int position, QByteArrayView text) const;
    void setFloating(int position, double value) const;
    void setInteger(int position, qint32 value) const;

private:
    friend class RecordTable;
    explicit PendingRowWriter(char *row) : m_row(row) {}

    char *m_row;
};

// The in-memory table of declaration lines: one row per line, the 106 fields of the catalogue and a
// cursor with a current row, as a data set with pending-row editing. Rows are stored as one block
// of bytes each, with a fixed place for every field, in an arena of large blocks.
class RecordTable : public QObject {
    Q_OBJECT

public:
    enum class State { Browse, Insert, Edit };

    explicit RecordTable(QObject *parent = nullptr);
    ~RecordTable() override;

    void open();  // empty table with all fields; the memory of earlier rows is kept for new ones
    void close(); // discards every row
    bool isOpen() const { return m_open; }

    // Adds an empty pending row after the last row / in front of the current row, made current.
    void append();
    void insert();
    // Starts changing the current row; on an empty table it behaves as insert.
    void edit();
    // Stores the pending row; fails with "Dataset not in edit or insert mode" when none is pending.
    void post();
    // Drops the pending row: a new row disappears, a changed row gets its values back.
    void cancel();
    // Removes the current row (a pending new row is cancelled instead); the following row, or the
    // new last row, becomes current. Fails on an empty table.
    void deleteRow();

    // Moving the cursor posts a pending row when anything was set in it, and cancels it otherwise.
    void first();
    void next();
    void moveTo(int row);
    bool eof() const { return m_eof; }
    int rowCount() const { return int(m_rows.size()); }
    int currentRow() const { return m_current; } // -1 when the table is empty

    // Makes the first row holding `value` in a number field current (the current row is tried
    // first); answers false and leaves the cursor when no row holds it.
    bool locate(int position, double value);

    State state() const { return m_state; }
    bool isPending() const { return m_state != State::Browse; }
    // Whether anything was set in the pending row.
    bool isModified() const { return m_modified; }
    // Counts every stored change to the rows (posted changes, insertions, deletions); posting a
    // row that was set to the values it already had does not count.
    quint64 revision() const { return m_revision; }
    // Counts the same changes but for numbering `Linea` in place, which changes no declaration
    // field: what tells a check of the lines whether it must look again.
    quint64 valueRevision() const { return m_valueRevision; }

    // The field of that name, case ignored; fails with "Field '%s' not found".
    static int fieldIndex(QByteArrayView name);
    FieldRef fieldByName(QByteArrayView name) { return FieldRef(*this, fieldIndex(name)); }
    FieldRef field(int position) { return FieldRef(*this, position); }
    // Writes the pending row directly; it counts as modified. Fails as setting a field does when no
    // row is pending.
    PendingRowWriter pendingRowWriter();
    static int fieldCount() { return catalogue::kFieldCount; }

    // Reading any row without moving the cursor (what a grid shows).
    QByteArray textAt(int row, int position) const;
    // The same text without allocating, for walks that must not make a text per field: a view of
    // the stored text, or of `buffer` holding a number's text.
    QByteArrayView textViewAt(int row, int position, char (&buffer)[32]) const;
    // A row's stored fields, read in place.
    RowView rowView(int row) const { return RowView(rowBytes(row)); }
    // Appends the same text to `out`.
    void appendTextAt(int row, int position, QByteArray &out) const;
    bool isNullAt(int row, int position) const;
    // A row's field as FieldRef::asNumber() reads it: unset numbers are 0, a text must read as a
    // number or it fails.
    double numberAt(int row, int position) const;

    // What the reader saw of a row that its values cannot show; null when nothing. The note stays
    // with its row until the row is corrected: a posted pending row drops the unreadable texts of
    // the fields set in it, and writing a field in place drops that field's; the line's shape goes
    // only when the pending row is marked as reviewed whole. Dropping a note counts in
    // valueRevision() (not in revision(): no value changed) and signals rowChanged.
    const ReaderNote *readerNote(int row) const;
    // Gives a stored row the note (an empty one takes it away), without a signal: the reader's.
    void setReaderNote(int row, ReaderNote note);
    // The clerk stored a field's value as it stands (a grid cell closed unchanged): what the reader
    // noted of that field goes, as if it had been written.
    void acceptValue(int row, int position);
    // The pending row's line was reviewed as a whole, field by field (the record editor saves it):
    // posting it drops what the reader saw of the line's shape.
    void markLineReviewed();

    // Whole-table work writes stored rows in place, without the pending-row cycle: no row may be
    // pending (it fails with "Dataset in edit or insert mode"). A text field takes the text cut to
    // its size, an integer field the value (it must fit 32 bits); any other field refuses. A row
    // that changes counts in revision() and signals rowChanged unless the display is suspended.
    // Both answer whether the row changed.
    bool writeTextAt(int row, int position, QByteArrayView text);
    bool writeIntegerAt(int row, int position, qint64 value);

    // While suspended, changes do not signal row by row; resuming signals one reset.
    void suspendDisplay();
    void resumeDisplay();
    bool isDisplaySuspended() const { return m_suspended > 0; }

Q_SIGNALS:
    // Insertions and removals are announced before they happen and signalled after, as a Qt model
    // needs them.
    void tableReset();
    void rowAboutToBeInserted(int row);
    void rowInserted(int row);
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void currentRowChanged(int row);

private:
    friend class FieldRef;

    const char *rowBytes(int row) const { return m_rows[std::size_t(row)]; }
    char *pendingBytes();
    void requirePending() const;
    char *storedBytes(int row, int position, FieldKind kind);
    void storedRowChanged(int row, int position);
    void countChange();
    void settle(); // posts or cancels a pending row before the cursor moves
    void setCurrent(int row);
    void fieldWritten(int position);
    using FieldSet = std::bitset<catalogue::kFieldCount>;
    // Drops what the row's note says of those fields and, when `shape`, of the line's shape;
    // answers whether the note changed.
    bool dropFromNote(int row, const FieldSet &fields, bool shape);
    // The same for one field, written before the signal that tells of the write.
    bool forgetField(int row, int position);
    void noteDropped(int row);
    // Adds an empty pending row at `row`, made current before the insertion is signalled.
    void insertRowAt(int row);
    // Removes the current row; the cursor moves to its successor before the removal is signalled.
    void eraseRowAt(int row);

    RowArena m_arena;
    std::vector<char *> m_rows;                           // in table order, each in the arena
    QByteArray m_backup;                                  // the current row before edit
    std::unordered_map<const char *, ReaderNote> m_notes; // by row; most rows have none
    FieldSet m_setInPending;
    bool m_pendingReviewed = false;
    int m_current = -1;
    bool m_eof = true;
    bool m_open = false;
    bool m_modified = false;
    State m_state = State::Browse;
    quint64 m_revision = 0;
    quint64 m_valueRevision = 0;
    int m_suspended = 0;
};

// Suspends a table's display for as long as it lives: a walk or a load repaints nothing until it is
// over, and the grid resets once.
class SuspendedDisplay {
public:
    explicit SuspendedDisplay(RecordTable &table) : m_table(table) { m_table.suspendDisplay(); }
    ~SuspendedDisplay() { m_table.resumeDisplay(); }
    SuspendedDisplay(const SuspendedDisplay &) = delete;
    SuspendedDisplay &operator=(const SuspendedDisplay &) = delete;

private:
    RecordTable &m_table;
};
