#include "ui/editor/DatosTarvinelBindings.h"

#include "model/RecordTable.h"
#include "ui/editor/DatosTarvinelFields.h"
#include "ui/editor/DatosTarvinelUi.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/UpperCaseEdit.h"
#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/EntryConversions.h"

namespace datosbindings {

using datosfields::Kind;

namespace {

void showIn(CurrencyEdit *box, const FieldRef &field)
{
    // A text field that does not read as a number leaves the box at 0.
    try {
        box->setValue(field.asNumber());
    } catch (const AppError &) {
        box->setValue(0);
    }
}

void showIn(UpperCaseEdit *box, const FieldRef &field)
{
    box->setStoredText(cp1252::toUnicode(field.asText()));
}

void showIn(DateEdit *box, const FieldRef &field)
{
    box->setDate(entryconversions::storedDate(field.asText()));
}

void storeFrom(const CurrencyEdit *box, FieldRef &field)
{
    field.setNumber(box->value());
}

void storeFrom(const UpperCaseEdit *box, FieldRef &field)
{
    field.setText(cp1252::fromUnicode(box->text()));
}

void storeFrom(const DateEdit *box, FieldRef &field)
{
    // A date cannot be erased here: an empty box keeps the stored one.
    if (!box->isEmpty())
        field.setText(cp1252::fromUnicode(box->text()));
}

} // namespace

QList<Binding> plainBindings(const DatosTarvinelUi &ui)
{
    QList<Binding> bindings;
    for (int tab = 0; tab < datosfields::kTabCount; ++tab) {
        for (const datosfields::Field &f : datosfields::tab(tab)) {
            if (!datosfields::isPlain(f.kind))
                continue;
            const BoundControl control =
                f.kind == Kind::Amount ? BoundControl(ui.control<CurrencyEdit>(f.control))
                : f.kind == Kind::Date ? BoundControl(ui.control<DateEdit>(f.control))
                                       : BoundControl(ui.control<UpperCaseEdit>(f.control));
            bindings.append({control, f.field});
        }
    }
    return bindings;
}

QList<CodeBinding> codeBindings(const DatosTarvinelUi &ui)
{
    QList<CodeBinding> bindings;
    for (int tab = 0; tab < datosfields::kTabCount; ++tab) {
        for (const datosfields::Field &f : datosfields::tab(tab)) {
            if (f.kind == Kind::Code)
                bindings.append({ui.control<CodeComboBox>(f.control), f.shape.table, f.field});
        }
    }
    return bindings;
}

void show(const Binding &binding, const FieldRef &field)
{
    std::visit([&field](auto *box) { showIn(box, field); }, binding.control);
}

void store(const Binding &binding, FieldRef field)
{
    std::visit([&field](auto *box) { storeFrom(box, field); }, binding.control);
}

} // namespace datosbindings
