#pragma once

#include <QByteArrayView>
#include <QStringView>

// The 106 fields of a declaration row: position 0 is the line number `Linea`, positions 1 to 105
// are the fields of a declaration line in line order, so a field's position is its number.
enum class FieldKind { Text, Floating, Integer };

struct FieldDef {
    const char *name; // catalogue spelling; look-ups ignore case
    FieldKind kind;
    int size;                // characters of a text field; 0 for numbers
    const char16_t *caption; // grid caption, e.g. "[1] Rut"
    int gridWidth;           // pixels at 96 dpi; 0 when the grid picks the width
    bool alignRight;
    bool captionCentred;
};

namespace catalogue {

constexpr int kFieldCount = 106;
constexpr int kLineFieldCount = 105;
constexpr int kLinea = 0;

const FieldDef &field(int position);
// The position of the field of that name, the case of letters ignored; -1 when there is none.
int indexOf(QByteArrayView name);
QStringView caption(int position);

} // namespace catalogue
