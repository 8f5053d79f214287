#include "model/TableOperations.h"

#include "model/RecordTable.h"
#include "util/Regional.h"
#include "util/TextUtils.h"

#include <algorithm>
#include <array>

namespace tableops {

namespace {

// Settles a pending row and suspends the display for the length of a whole-table operation; the
// last line ends current, as after a walk from the first line to the last.
class WholeTable {
public:
    explicit WholeTable(RecordTable &table) : m_table(table), m_suspended(table) { m_table.first(); }
    ~WholeTable() { m_table.moveTo(m_table.rowCount() - 1); }
    WholeTable(const WholeTable &) = delete;
    WholeTable &operator=(const WholeTable &) = delete;

private:
    RecordTable &m_table;
    SuspendedDisplay m_suspended;
};

struct SecondContractFields {
    int rut = RecordTable::fieldIndex("rut");
    int impoAfp = RecordTable::fieldIndex("impo_afp");
    int rentaImpFonasa = RecordTable::fieldIndex("renta_imp_fonasa");
    int diasTrab = RecordTable::fieldIndex("dias_trab");
    int tipoTrab = RecordTable::fieldIndex("tipo_trab");
    std::array<int, 5> contributions{
        RecordTable::fieldIndex("cot_obli_afp"), RecordTable::fieldIndex("cot_obli_isa"),
        RecordTable::fieldIndex("cotiza_fonasa"), RecordTable::fieldIndex("cot_CCAF"),
        RecordTable::fieldIndex("cotiza_mutual")};
};

bool isSecondContract(const RecordTable &table, int row, const SecondContractFields &f)
{
    double income = table.numberAt(row, f.impoAfp);
    if (income == 0)
        income = table.numberAt(row, f.rentaImpFonasa);
    if (income == 0)
        return false;
    const auto days = regional::strictInteger(table.textAt(row, f.diasTrab));
    if (!days || *days == 0)
        return false;
    for (const int contribution : f.contributions) {
        if (table.numberAt(row, contribution) != 0)
            return true;
    }
    return false;
}

} // namespace

void RenumerarLineas(RecordTable &table)
{
    const WholeTable whole(table);
    for (int row = 0; row < table.rowCount(); ++row)
        table.writeIntegerAt(row, catalogue::kLinea, row + 1);
}

void setEveryLine(RecordTable &table, int position, QByteArrayView text)
{
    const WholeTable whole(table);
    for (int row = 0; row < table.rowCount(); ++row)
        table.writeTextAt(row, position, text);
}

bool takesCode(MassOption option)
{
    return option == MassOption::TipoPago || option == MassOption::CodigoCcaf
           || option == MassOption::CodigoMutual;
}

int massField(MassOption option)
{
    switch (option) {
    case MassOption::TipoPago:
        return RecordTable::fieldIndex("tipo_pago");
    case MassOption::CodigoCcaf:
        return RecordTable::fieldIndex("cod_CCAF");
    case MassOption::CodigoMutual:
        return RecordTable::fieldIndex("cod_mutual");
    case MassOption::PeriodoDesde:
        return RecordTable::fieldIndex("remu_desde");
    case MassOption::PeriodoHasta:
        return RecordTable::fieldIndex("remu_hasta");
    }
    return -1;
}

QByteArray massValue(MassOption option, QByteArrayView entered)
{
    if (takesCode(option))
        return entered.first(std::min<qsizetype>(entered.size(), 2)).toByteArray();
    return QuitaCaracter(entered, "/");
}

void modifyEveryLine(RecordTable &table, MassOption option, QByteArrayView entered)
{
    setEveryLine(table, massField(option), massValue(option, entered));
}

void assignSecondContracts(RecordTable &table)
{
    const SecondContractFields fields;
    const WholeTable whole(table);
    for (int row = 1; row < table.rowCount(); ++row) {
        if (table.numberAt(row, fields.rut) == table.numberAt(row - 1, fields.rut)
            && isSecondContract(table, row, fields))
            table.writeTextAt(row, fields.tipoTrab, "8");
    }
}

bool locateRut(RecordTable &table, double rut)
{
    return table.locate(RecordTable::fieldIndex("rut"), rut);
}

} // namespace tableops
