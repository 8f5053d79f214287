#pragma once

#include <QList>

#include <variant>

class CurrencyEdit;
class DateEdit;
class FieldRef;
class UpperCaseEdit;
struct DatosTarvinelUi;

// The plain bindings of the record editor: controls that show their field and copy it back by the
// rule of their kind alone. The kind of a binding is the kind of its control:
// - amount (numeric box): shows the field as a number, 0 when it does not read as one; stores the
//   box's number;
// - text (text box): shows the stored text as it is; stores the text as the box holds it;
// - date (date box): shows the stored date, empty when it does not read as one; stores the date as
//   the box shows it, and an empty box leaves the field as it was.
// Codes, radio groups, periods, counts and RUTs have rules of their own and are not bound here.
namespace datosbindings {

using BoundControl = std::variant<CurrencyEdit *, UpperCaseEdit *, DateEdit *>;

struct Binding {
    BoundControl control;
    const char *field;
};

// Every plain binding, in screen order.
QList<Binding> plainBindings(const DatosTarvinelUi &ui);

void show(const Binding &binding, const FieldRef &field);
void store(const Binding &binding, FieldRef field);

} // namespace datosbindings
