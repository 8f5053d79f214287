#include "checks/CodeTables.h"

#include "codes/CodeTableFile.h"
#include "util/Regional.h"

#include <algorithm>

namespace {

constexpr qint32 kSmallCodes = 10000;

bool comparesText(int index)
{
    return index == int(CodeTable::TramoFamiliar);
}

} // namespace

CodeTables::CodeTables() : CodeTables(std::array<QList<QByteArray>, codesections::kCount>{}) {}

CodeTables::CodeTables(const std::array<QList<QByteArray>, codesections::kCount> &entries)
{
    for (int i = 0; i < codesections::kCount; ++i) {
        const qsizetype width = codesections::at(i).width;
        for (const QByteArray &entry : entries[std::size_t(i)]) {
            const QByteArrayView code = QByteArrayView(entry).first(std::min(width, entry.size()));
            if (comparesText(i)) {
                m_tramos.append(code.toByteArray());
            } else if (qint32 number = 0; regional::strictInteger(code, number)) {
                m_numbers[std::size_t(i)].push_back(number);
            }
        }
        std::sort(m_numbers[std::size_t(i)].begin(), m_numbers[std::size_t(i)].end());
        m_small[std::size_t(i)].assign(kSmallCodes, false);
        for (const qint32 number : m_numbers[std::size_t(i)]) {
            if (number >= 0 && number < kSmallCodes)
                m_small[std::size_t(i)][std::size_t(number)] = true;
        }
    }
}

CodeTables CodeTables::read(const QString &path)
{
    std::array<QList<QByteArray>, codesections::kCount> entries;
    for (int i = 0; i < codesections::kCount; ++i)
        entries[std::size_t(i)] = readSection(path, QByteArrayView(codesections::at(i).name));
    return CodeTables(entries);
}

bool CodeTables::contains(CodeTable table, QByteArrayView code) const
{
    if (comparesText(int(table)))
        return !code.isEmpty() && m_tramos.contains(code);
    qint32 number = 0;
    if (!regional::strictInteger(code, number))
        return false;
    if (number >= 0 && number < kSmallCodes)
        return m_small[std::size_t(table)][std::size_t(number)];
    const std::vector<qint32> &numbers = m_numbers[std::size_t(table)];
    return std::binary_search(numbers.begin(), numbers.end(), number);
}
