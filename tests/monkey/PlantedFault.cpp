// A deliberately wrong renumbering, linked into monkey_planted in place of the program's own: the
// last line keeps its old number. The monkey must find it.

#include "model/RecordTable.h"
#include "model/TableOperations.h"

namespace tableops {

void RenumerarLineas(RecordTable &table)
{
    const SuspendedDisplay suspended(table);
    table.first();
    for (int row = 0; row + 1 < table.rowCount(); ++row)
        table.writeIntegerAt(row, catalogue::kLinea, row + 1);
    table.moveTo(table.rowCount() - 1);
}

} // namespace tableops
