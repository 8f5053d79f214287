// Record-table operations against a small model of what they mean: rows in order, the cursor and the
// end-of-table flag, pending new and changed rows, what moving the cursor does to a pending row,
// failures that leave everything as it was, and a revision that counts only real changes. Whoever
// hears a signal finds the cursor on a row that exists.
//
// Input: a sequence of operations, one byte each, some followed by an argument byte.

#include "FuzzCheck.h"

#include "model/RecordTable.h"
#include "util/AppError.h"
#include "util/Regional.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using Row = std::array<QByteArray, catalogue::kFieldCount>;

// The fields the operations set: of every kind, and `rut` for locate.
constexpr int kFields[] = {0, 1, 2, 3, 7, 8, 27};
const QByteArray kTexts[] = {
    "", "0", "-0", "1", "2,5", "A", " ", "123456789012", "NOMBRE LARGO DE MAS DE TREINTA LETRAS"};
constexpr double kNumbers[] = {0.0, -0.0, 1.0, 2.5, -100.0, 1e15, 123456789012.0};

class Model {
public:
    std::vector<Row> rows;
    int current = -1;
    bool eof = true;
    RecordTable::State state = RecordTable::State::Browse;
    bool modified = false;
    Row backup;
    quint64 revision = 0;

    bool pending() const { return state != RecordTable::State::Browse; }
    void append()
    {
        settle();
        insertAt(int(rows.size()));
    }
    void insert()
    {
        settle();
        insertAt(current < 0 ? 0 : current);
    }
    void insertAt(int at)
    {
        rows.insert(rows.begin() + at, Row{});
        current = at;
        state = RecordTable::State::Insert;
        modified = false;
        eof = false;
    }
    void edit()
    {
        if (pending())
            return;
        if (rows.empty()) {
            insert();
            return;
        }
        backup = rows[std::size_t(current)];
        state = RecordTable::State::Edit;
        modified = false;
    }
    void post()
    {
        if (state == RecordTable::State::Insert || rows[std::size_t(current)] != backup)
            ++revision;
        state = RecordTable::State::Browse;
        modified = false;
    }
    void removeCurrent()
    {
        rows.erase(rows.begin() + current);
        current = rows.empty() ? -1 : std::min(current, int(rows.size()) - 1);
        eof = rows.empty();
    }
    void cancel()
    {
        if (state == RecordTable::State::Insert)
            removeCurrent();
        else if (state == RecordTable::State::Edit)
            rows[std::size_t(current)] = backup;
        state = RecordTable::State::Browse;
        modified = false;
    }
    void settle()
    {
        if (!pending())
            return;
        if (modified)
            post();
        else
            cancel();
    }
};

void compare(const RecordTable &table, const Model &model)
{
    FUZZ_CHECK(table.rowCount() == int(model.rows.size()));
    FUZZ_CHECK(table.currentRow() == model.current);
    FUZZ_CHECK(table.eof() == model.eof);
    FUZZ_CHECK(table.state() == model.state);
    FUZZ_CHECK(table.isModified() == model.modified);
    FUZZ_CHECK(table.revision() == model.revision);
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int position = 0; position < RecordTable::fieldCount(); ++position)
            FUZZ_CHECK(table.textAt(row, position) == model.rows[std::size_t(row)][std::size_t(position)]);
    }
}

// Runs `action` on the table; when it fails, nothing may have changed.
template <typename Action> bool attempt(RecordTable &table, const Model &model, Action action)
{
    try {
        action();
        return true;
    } catch (const AppError &) {
        compare(table, model);
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    regional::setLocale(fuzzing::localeFor(0));
    RecordTable table;
    Model model;
    const auto cursorValid = [&] {
        FUZZ_CHECK(table.currentRow() >= -1 && table.currentRow() < table.rowCount());
        FUZZ_CHECK((table.currentRow() < 0) == (table.rowCount() == 0));
    };
    QObject::connect(&table, &RecordTable::rowRemoved, cursorValid);
    QObject::connect(&table, &RecordTable::rowInserted, cursorValid);
    QObject::connect(&table, &RecordTable::currentRowChanged,
                     [&](int row) { FUZZ_CHECK(row == table.currentRow()); });
    table.open();

    std::size_t at = 0;
    const auto argument = [&]() -> unsigned char { return at < size ? data[at++] : 0; };
    while (at < size) {
        const unsigned char operation = data[at++];
        switch (operation % 13) {
        case 0:
            table.append();
            model.append();
            break;
        case 1:
            table.insert();
            model.insert();
            break;
        case 2:
            table.edit();
            model.edit();
            break;
        case 3:
            if (attempt(table, model, [&] { table.post(); }))
                model.post();
            break;
        case 4:
            table.cancel();
            model.cancel();
            break;
        case 5:
            if (model.state == RecordTable::State::Insert) {
                table.deleteRow();
                model.cancel();
            } else if (attempt(table, model, [&] { table.deleteRow(); })) {
                model.settle();
                model.removeCurrent();
                ++model.revision;
            }
            break;
        case 6:
            table.first();
            model.settle();
            model.eof = model.rows.empty();
            model.current = model.rows.empty() ? -1 : 0;
            break;
        case 7:
            table.next();
            model.settle();
            if (model.current < 0 || model.current + 1 >= int(model.rows.size())) {
                model.eof = true;
            } else {
                ++model.current;
                model.eof = false;
            }
            break;
        case 8: {
            const int row = argument() % 8;
            table.moveTo(row);
            model.settle();
            if (!model.rows.empty()) {
                model.eof = false;
                model.current = std::min(row, int(model.rows.size()) - 1);
            }
            break;
        }
        case 9:
        case 10:
        case 11: {
            const unsigned char choice = argument();
            const int position = kFields[choice % std::size(kFields)];
            FieldRef field = table.field(position);
            const bool stored = attempt(table, model, [&] {
                if (operation % 13 == 9)
                    field.setText(kTexts[(choice / 8) % std::size(kTexts)]);
                else if (operation % 13 == 10)
                    field.setNumber(kNumbers[(choice / 8) % std::size(kNumbers)]);
                else
                    field.clear();
            });
            if (stored) {
                model.rows[std::size_t(model.current)][std::size_t(position)] =
                    table.textAt(model.current, position);
                model.modified = true;
            }
            break;
        }
        case 12: {
            const double value = kNumbers[argument() % std::size(kNumbers)];
            const bool found = table.locate(1, value);
            model.settle();
            const auto holds = [&](int row) {
                const auto number = regional::strictNumber(model.rows[std::size_t(row)][1]);
                return number && *number == value;
            };
            bool expected = model.current >= 0 && holds(model.current);
            for (int row = 0; !expected && row < int(model.rows.size()); ++row) {
                if (holds(row)) {
                    expected = true;
                    model.current = row;
                    model.eof = false;
                }
            }
            FUZZ_CHECK(found == expected);
            break;
        }
        }
        compare(table, model);
    }
    return 0;
}
