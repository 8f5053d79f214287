#pragma once

#include "model/FieldTable.h"

#include <QByteArrayView>
#include <QStringView>

// Look-ups over the field table by position and by name.
namespace catalogue {

const FieldDef &field(int position);
// The position of the field of that name, the case of letters ignored; -1 when there is none.
int indexOf(QByteArrayView name);
QStringView caption(int position);

} // namespace catalogue
