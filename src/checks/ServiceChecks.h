#pragma once

#include <QString>
#include <QtGlobal>

#include <bit>

class CodeTables;
class RecordTable;

// The checks of one declaration line against what the collection service refuses, read from the
// row in place. Pure: they change nothing, stop nothing and hold no state; the same row and code
// tables always give the same answer, so a reason can be asked for long after the check. Several
// threads may check lines of one table at once, as long as nothing changes it meanwhile.
//
// Positions are the catalogue's: 1 to 105 are the line's fields, 0 (`Linea`, the "N°" cell) holds
// what concerns the whole line (the reader saw a line of the wrong length or with the wrong number
// of separators).
namespace servicechecks {

// The cells of one row with an observation, a bit per position 0 to 105.
class CellSet {
public:
    bool contains(int position) const { return (m_bits[position >> 6] >> (position & 63)) & 1U; }
    void insert(int position) { m_bits[position >> 6] |= quint64(1) << (position & 63); }
    bool isEmpty() const { return (m_bits[0] | m_bits[1]) == 0; }
    int count() const { return std::popcount(m_bits[0]) + std::popcount(m_bits[1]); }
    // The first position at or after `from` in the set, -1 when none.
    int firstFrom(int from) const;
    // The last position at or before `to` in the set, -1 when none.
    int lastUpTo(int to) const;
    bool operator==(const CellSet &other) const = default;

private:
    quint64 m_bits[2] = {0, 0};
};

// The cells of `row` that hold something the service would refuse, or that the reader noted.
CellSet check(const RecordTable &table, int row, const CodeTables &codes);

// Why the cell has an observation: short Spanish sentences saying what is wrong and, where the
// program can know it, what would be right ("El dígito verificador de 12345678 es 5, no K"); several
// faults of one cell are joined by ". ". Empty exactly when check() leaves the cell out.
QString reason(const RecordTable &table, int row, int position, const CodeTables &codes);

} // namespace servicechecks
