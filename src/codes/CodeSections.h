#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The twelve code tables of Tarvinel.cfg: section name as written in the file, the width of the
// code at the start of each entry, and the caption of the code-table editor for the tables that
// the code menu opens. The width is the program's, it is not stored in the file.
enum class CodeTable {
    TipoPago,
    TipoTrabajador,
    MovimientoPersonal,
    TramoFamiliar,
    NombreAfp,
    CodigoCaja,
    Isapres,
    Ccaf,
    Mutual,
    Apv,
    MovimientoVoluntario,
    TipoLinea,
};

struct CodeSection {
    const char *name;        // e.g. "Codigo Caja": blanks kept, no accents
    int width;               // characters of the code
    const char16_t *caption; // editor caption; nullptr when the code menu has no item for it
};

namespace codesections {

constexpr int kCount = 12;

const CodeSection &section(CodeTable table);
// The sections in the order above.
const CodeSection &at(int index);
QByteArrayView name(CodeTable table);
int width(CodeTable table);
// Empty for "Movimiento Voluntario", which cannot be edited from the program.
QStringView caption(CodeTable table);
// The section of that name, letters compared without case; nullptr when there is none.
const CodeSection *find(QByteArrayView name);

} // namespace codesections
