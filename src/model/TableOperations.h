#pragma once

#include <QByteArray>
#include <QByteArrayView>

class RecordTable;

// Work on the whole record table, for the listing window and its dialogs. Each operation first
// settles a pending row (posted when anything was set in it, cancelled otherwise). Those that write
// do it in one pass with the display suspended, so the grid is reset once instead of repainted line
// by line, and count every changed row in the table's revision.
namespace tableops {

// Numbers `Linea` 1 to n in table order. The last line ends current.
void RenumerarLineas(RecordTable &table);

// Writes `text` into the text field at `position` of every line, cut to the field's size; a field
// that is not a text refuses with AppError before any line changes. The last line ends current.
void setEveryLine(RecordTable &table, int position, QByteArrayView text);

// The choices of the mass modification, in the order its dialog lists them.
enum class MassOption { TipoPago, CodigoCcaf, CodigoMutual, PeriodoDesde, PeriodoHasta };

// Whether the option takes a code (from a code table) rather than a period.
bool takesCode(MassOption option);
// The field the option writes.
int massField(MassOption option);
// What the option writes for what the user entered: of a code, its first two characters (fewer
// when fewer were typed); of a period "mm/yyyy", the text without its "/", the positions not typed
// staying blanks. Neither is checked against a code table or a calendar.
QByteArray massValue(MassOption option, QByteArrayView entered);
// setEveryLine() with the option's field and value.
void modifyEveryLine(RecordTable &table, MassOption option, QByteArrayView entered);

// Marks the further lines of a worker with two contracts: every line whose `rut` equals, as a
// number, that of the line just before it (empty counts as 0) gets `tipo_trab` "8" when its taxable
// income is not zero, its `dias_trab` read as a whole number is not zero, and one of its
// contributions to the pension fund, health insurer, public health fund, family-allowance fund or
// mutual is not zero. The taxable income is `impo_afp`, or `renta_imp_fonasa` where `impo_afp` is
// zero (a worker outside the pension funds declares it there). A line whose `dias_trab` is empty or
// not a whole number is left as it is. Running it again changes nothing. The last line ends current.
void assignSecondContracts(RecordTable &table);

// Makes the line whose `rut` is exactly `rut` current: the current line when it holds it, else the
// first from the top. Answers false, leaving the cursor, when none does (an empty `rut` is not 0).
bool locateRut(RecordTable &table, double rut);

} // namespace tableops
