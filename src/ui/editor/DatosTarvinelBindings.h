#pragma once

#include "codes/CodeSections.h"

#include <QList>

#include <variant>

class CodeComboBox;
class CurrencyEdit;
class DateEdit;
class FieldRef;
class UpperCaseEdit;
struct DatosTarvinelUi;

// The bindings of the record editor, read from its field tables. Plain bindings are controls that
// show their field and copy it back by the rule of their kind alone. The kind of a binding is the kind of its
// control:
// - amount (numeric box): shows the field as a number, 0 when it does not read as one; stores the
//   box's number;
// - text (text box): shows the stored text as it is; stores the text as the box holds it;
// - date (date box): shows the stored date, empty when it does not read as one; stores the date as
//   the box shows it, and an empty box leaves the field as it was.
// Codes are bound to their table and field here, shown and stored by the editor's rules; radio
// groups, periods, counts and RUTs have rules of their own and are not bound here.
namespace datosbindings {

using BoundControl = std::variant<CurrencyEdit *, UpperCaseEdit *, DateEdit *>;

struct Binding {
    BoundControl control;
    const char *field;
};

// A combo box, the code table that fills it and the field whose code it shows.
struct CodeBinding {
    CodeComboBox *box;
    CodeTable table;
    const char *field;
};

// Every plain binding, in tab order.
QList<Binding> plainBindings(const DatosTarvinelUi &ui);
// Every combo box of codes, in tab order.
QList<CodeBinding> codeBindings(const DatosTarvinelUi &ui);

void show(const Binding &binding, const FieldRef &field);
void store(const Binding &binding, FieldRef field);

} // namespace datosbindings
