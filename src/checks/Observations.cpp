#include "checks/Observations.h"

#include "model/RecordTable.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

using servicechecks::CellSet;

namespace {

// Runs work(begin, end) over parts of the rows 0 to count - 1, one part per processor; the lines
// of a table are checked independently of each other, so a large file is checked in a fraction of
// the time. A small table is not worth a thread.
template <typename Work> void inParts(int count, const Work &work)
{
    constexpr int kRowsWorthAThread = 4096;
    const int threads =
        std::clamp(int(std::thread::hardware_concurrency()), 1, std::max(1, count / kRowsWorthAThread));
    const int part = (count + threads - 1) / threads;
    const auto run = [&work, part, count](int t) { work(t * part, std::min(count, (t + 1) * part)); };
    std::vector<std::jthread> helpers;
    int started = 1;
    try {
        for (; started < threads; ++started)
            helpers.emplace_back(run, started);
    } catch (const std::system_error &) {
        // The system has no thread to spare: the parts not started are checked here.
    }
    run(0);
    for (int t = started; t < threads; ++t)
        run(t);
}

} // namespace

Observations::Observations(const RecordTable &table, CodeTables codes, QObject *parent)
    : QObject(parent), m_table(table), m_codes(std::move(codes))
{
    connect(&table, &RecordTable::rowChanged, this, [this](int row) {
        checkRow(row);
        Q_EMIT changed();
    });
    connect(&table, &RecordTable::rowInserted, this, [this](int row) {
        rowInserted(row);
        Q_EMIT changed();
    });
    connect(&table, &RecordTable::rowRemoved, this, [this](int row) {
        rowRemoved(row);
        Q_EMIT changed();
    });
    connect(&table, &RecordTable::tableReset, this, &Observations::tableReset);
    checkAll();
}

void Observations::setCodeTables(CodeTables codes)
{
    m_codes = std::move(codes);
    checkAll();
    Q_EMIT changed();
}

CellSet Observations::cells(int row) const
{
    if (row < 0 || row >= int(m_cells.size()))
        return {};
    return m_cells[std::size_t(row)];
}

QString Observations::reason(int row, int position) const
{
    if (!contains(row, position))
        return {};
    return servicechecks::reason(m_table, row, position, m_codes);
}

QList<ObservationCell> Observations::all() const
{
    QList<ObservationCell> cells;
    cells.reserve(m_count);
    for (int row = 0; row < int(m_cells.size()); ++row) {
        const CellSet &set = m_cells[std::size_t(row)];
        for (int position = set.firstFrom(0); position >= 0; position = set.firstFrom(position + 1))
            cells.append({row, position});
    }
    return cells;
}

std::optional<ObservationCell> Observations::next(int row, int position) const
{
    const int rows = int(m_cells.size());
    if (row >= 0 && row < rows) {
        if (const int after = m_cells[std::size_t(row)].firstFrom(position + 1); after >= 0)
            return ObservationCell{row, after};
    }
    // The lines after it, then from the top down to the cell's own line.
    for (int r = std::max(row + 1, 0); r < rows; ++r) {
        if (!m_cells[std::size_t(r)].isEmpty())
            return ObservationCell{r, m_cells[std::size_t(r)].firstFrom(0)};
    }
    for (int r = 0; r <= std::min(row, rows - 1); ++r) {
        if (!m_cells[std::size_t(r)].isEmpty())
            return ObservationCell{r, m_cells[std::size_t(r)].firstFrom(0)};
    }
    return std::nullopt;
}

std::optional<ObservationCell> Observations::previous(int row, int position) const
{
    constexpr int kLast = catalogue::kFieldCount - 1;
    const int rows = int(m_cells.size());
    if (row >= 0 && row < rows) {
        if (const int before = m_cells[std::size_t(row)].lastUpTo(position - 1); before >= 0)
            return ObservationCell{row, before};
    }
    for (int r = std::min(row - 1, rows - 1); r >= 0; --r) {
        if (!m_cells[std::size_t(r)].isEmpty())
            return ObservationCell{r, m_cells[std::size_t(r)].lastUpTo(kLast)};
    }
    for (int r = rows - 1; r >= std::max(row, 0); --r) {
        if (!m_cells[std::size_t(r)].isEmpty())
            return ObservationCell{r, m_cells[std::size_t(r)].lastUpTo(kLast)};
    }
    return std::nullopt;
}

void Observations::checkAll()
{
    const int rows = m_table.rowCount();
    m_cells.assign(std::size_t(rows), CellSet());
    inParts(rows, [this](int begin, int end) {
        for (int row = begin; row < end; ++row)
            m_cells[std::size_t(row)] = servicechecks::check(m_table, row, m_codes);
    });
    m_count = 0;
    m_lineCount = 0;
    for (const CellSet &cells : m_cells) {
        m_count += cells.count();
        m_lineCount += cells.isEmpty() ? 0 : 1;
    }
    seen();
}

void Observations::checkRow(int row)
{
    if (int(m_cells.size()) != m_table.rowCount()) {
        checkAll(); // a change it did not hear of; never leave the marks on the wrong lines
        return;
    }
    if (row < 0 || row >= m_table.rowCount())
        return;
    setCells(row, servicechecks::check(m_table, row, m_codes));
    seen();
}

void Observations::rowInserted(int row)
{
    if (int(m_cells.size()) + 1 != m_table.rowCount() || row < 0 || row > int(m_cells.size())) {
        checkAll();
        return;
    }
    m_cells.insert(m_cells.begin() + row, CellSet());
    setCells(row, servicechecks::check(m_table, row, m_codes));
    seen();
}

void Observations::rowRemoved(int row)
{
    if (int(m_cells.size()) - 1 != m_table.rowCount() || row < 0 || row >= int(m_cells.size())) {
        checkAll();
        return;
    }
    setCells(row, CellSet());
    m_cells.erase(m_cells.begin() + row);
    seen();
}

void Observations::tableReset()
{
    if (int(m_cells.size()) == m_table.rowCount() && m_table.valueRevision() == m_seenRevision)
        return;
    checkAll();
    Q_EMIT changed();
}

void Observations::setCells(int row, CellSet cells)
{
    CellSet &kept = m_cells[std::size_t(row)];
    m_count += cells.count() - kept.count();
    m_lineCount += (cells.isEmpty() ? 0 : 1) - (kept.isEmpty() ? 0 : 1);
    kept = cells;
}

void Observations::seen()
{
    m_seenRevision = m_table.valueRevision();
}
