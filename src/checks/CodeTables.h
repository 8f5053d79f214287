#pragma once

#include "codes/CodeSections.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <vector>

// The twelve code tables as the checks compare codes with them. A stored code is in a table when
// it equals, by number, the first code-width characters of one of its entries, both read as a
// strict integer (blanks in front allowed, nothing after), as the record editor finds a stored
// code: 5 matches an entry 05, 005 matches 5 in a table of width 1. "Tramo Familiar" compares
// texts instead: the code equals the entry's first character exactly. An entry whose code part is
// no integer matches nothing; an empty or unreadable code is in no table.
class CodeTables {
public:
    // Every table empty: no code is in any table.
    CodeTables();
    // The entries of each section, in the order of CodeTable.
    explicit CodeTables(const std::array<QList<QByteArray>, codesections::kCount> &entries);

    // The twelve sections of the code-table file at `path` (a missing file or section reads empty).
    static CodeTables read(const QString &path);

    bool contains(CodeTable table, QByteArrayView code) const;

private:
    std::array<std::vector<qint32>, codesections::kCount> m_numbers; // sorted
    // The same codes from 0 to 9999 (every code of width 4 or less) as one bit each.
    std::array<std::vector<bool>, codesections::kCount> m_small;
    QList<QByteArray> m_tramos; // Tramo Familiar codes
};
