#pragma once

#include "codes/CodeSections.h"

#include <span>

// What the record editor shows of each field, one table per tab, each listing every control of its
// tab in tab order: its object name, its label, its cell, its kind and the field it shows. The tab
// layout makes and places the controls of the tables, the plain bindings copy their fields by
// kind, and the editor's own rules find the rest by name.
namespace datosfields {

enum class Kind {
    // Plain: made, placed and bound by the table.
    Amount, // numeric box
    Text,   // upper-case text box
    Date,   // date box
    // Made and placed by the table, bound by the editor's own rules.
    Code,  // combo box of a code table
    Count, // narrow upper-case text box holding a count
    // Bound by the text rule and made by the table; its tab places it beside its RUT.
    CheckCharacter,
    // Made by the table, placed by the tab and bound by the editor's own rules.
    Rut,    // picture field of digits
    Period, // picture field of month and year
    Choice, // radio group
};

enum class Format { Whole, TwoDecimals, Days };

// Group box (or panel) `group` of the tab, grid row `row`, pair column `column`, over `span` pair
// columns. Unused for the kinds that their tab places.
struct Cell {
    int group = 0;
    int row = 0;
    int column = 0;
    int span = 1;
};

// The details a kind may need; the defaults fit most controls. The table makes its controls in
// its order, which is the tab order: a compound control made out of order would break the chain.
struct Shape {
    int limit = 0;                         // text and count: characters, amount: typed characters (0: any)
    Format format = Format::Whole;         // amount
    int digits = 8;                        // amount: whole digits it is wide enough for
    int maximum = 0;                       // amount: the range 0 to maximum when above 0
    CodeTable table = CodeTable::TipoPago; // code: the table that fills it
    bool wrapLabel = false;                // a long label on two lines
    const char16_t *caption = nullptr;     // choice: the caption of its frame
    const char16_t *choices = nullptr;     // choice: its items, "|" between them, one column each
};

struct Field {
    const char *control;
    const char16_t *label; // nullptr where the tab writes the label itself
    Cell cell;
    Kind kind;
    const char *field;
    Shape shape = {};
};

constexpr int kTabCount = 4;

// The table of tab `tab` (0 to 3, the order of DatosTarvinelUi::Tab).
std::span<const Field> tab(int tab);

bool isPlain(Kind kind);

} // namespace datosfields
