#pragma once

#include "checks/CodeTables.h"
#include "checks/ServiceChecks.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class RecordTable;

// A cell with an observation: a row of the table (from 0) and a catalogue position (0 to 105, 0
// being the "N°" cell of an observation on the whole line).
struct ObservationCell {
    int row = -1;
    int position = 0;
    bool operator==(const ObservationCell &other) const = default;
};

// The observations of one record table, kept current as the table changes: which cells of each
// line hold something the service would refuse (servicechecks), and why. It only reads the table
// and never stops anything. The table must outlive it.
//
// It follows the table's signals: rowChanged rechecks that row; rowInserted and rowRemoved shift
// the lines after it (and check the new one); tableReset rechecks every line, unless the table's
// values have not changed since the last check (numbering `Linea` again after a deletion or an
// addition changes nothing that is checked, so it costs no recheck). Changes made while the
// table's display is suspended are seen at the reset that ends the suspension. Every update ends
// with changed().
class Observations : public QObject {
    Q_OBJECT

public:
    // Checks every line of `table` against `codes`.
    Observations(const RecordTable &table, CodeTables codes, QObject *parent = nullptr);

    // New code tables (the code-table file was read again): every line is checked again.
    void setCodeTables(CodeTables codes);
    const CodeTables &codeTables() const { return m_codes; }

    // Cells with an observation, in all; lines with at least one.
    int count() const { return m_count; }
    int lineCount() const { return m_lineCount; }

    // The cells of `row` with an observation; empty for a row outside the table.
    servicechecks::CellSet cells(int row) const;
    bool contains(int row, int position) const { return cells(row).contains(position); }
    // Why the cell has an observation; empty when it has none.
    QString reason(int row, int position) const;

    // Every cell with an observation, in line order and, within a line, in position order.
    QList<ObservationCell> all() const;
    // The first cell with an observation after / before the cell (row, position) in that order,
    // wrapping at the ends; the cell itself when it is the only one; none when there is none. The
    // cell need not exist: row -1 starts before the first line.
    std::optional<ObservationCell> next(int row, int position) const;
    std::optional<ObservationCell> previous(int row, int position) const;

Q_SIGNALS:
    // The marks, counts or reasons may have changed (one line or all).
    void changed();

private:
    void checkAll();
    void checkRow(int row);
    void rowInserted(int row);
    void rowRemoved(int row);
    void tableReset();
    void setCells(int row, servicechecks::CellSet cells);
    void seen();

    const RecordTable &m_table;
    CodeTables m_codes;
    std::vector<servicechecks::CellSet> m_cells; // one per row, in table order
    int m_count = 0;
    int m_lineCount = 0;
    quint64 m_seenRevision = 0; // the table's value revision at the last check
};
