#pragma once

#include "model/RecordTable.h"

// Opens `table` with `n` stored rows: `Linea` 1..n, `ape_pat` "L1".."Ln", `rut` 1000, 2000 ...
inline void fillNumberedRows(RecordTable &table, int n)
{
    table.open();
    for (int i = 1; i <= n; ++i) {
        table.append();
        table.field(catalogue::kLinea).setInteger(i);
        table.fieldByName("ape_pat").setText("L" + QByteArray::number(i));
        table.fieldByName("rut").setInteger(i * 1000);
        table.post();
    }
}
