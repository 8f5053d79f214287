#pragma once

#include "model/FieldCheck.h"

#include <QtGlobal>

#include <array>

// The declaration format as one table: everything the program knows of each of the 106 fields of a
// declaration row. Position 0 is the line number `Linea`, positions 1 to 105 are the fields of a
// declaration line in line order, so a field's position is its number. The catalogue, the line
// layouts, the reader, the grid and the help reference all read it.

enum class FieldKind : quint8 { Text, Floating, Integer };

// How a field's text becomes its columns in the fixed-position layout.
enum class FixedRule : quint8 {
    ZeroPadded,   // blanks removed, "0" in front up to the width
    RightAligned, // blanks removed, " " in front up to the width
    SpacePadded,  // " " after the text up to the width
    AsStored,     // the text unchanged, nothing added
    DateOrZero,   // as stored, but "" and "0" give 10 blanks
    Date,         // as stored, but "" gives 10 blanks
};

// How the reader turns a field's text, as the layout cut it, into its value.
enum class ReadRule : quint8 {
    T,   // the text unchanged, cut to the field's size
    S,   // strict number reading, the number stored; 0 when unreadable
    I,   // strict integer reading, its digits stored; "0" when unreadable
    I00, // as I, with "00" when unreadable
    G,   // strict number reading, its general text stored; "0" when unreadable
    P,   // as G, after every "." became the regional decimal separator
    Z,   // the regional conversion into `nacion`, no fallback
    R,   // the regional conversion into a floating field; 0 when refused
    E,   // the text unchanged, "0" for the empty text
};

// A field's place in a declaration line and its rules there; all zero for `Linea`, which is no part
// of a line.
struct LineField {
    int start; // fixed-position column, from 1
    int width; // fixed-position columns
    FixedRule compose;
    ReadRule readFixed;
    ReadRule readSeparated;
};

enum class GridAlignment : quint8 { Left, Right, LeftCaptionCentred, RightCaptionCentred };

struct FieldDef {
    const char *name; // catalogue spelling; look-ups ignore case
    FieldKind kind;
    int size; // characters of a text field; 0 for numbers
    LineField line;
    const char16_t *caption; // grid caption, e.g. "[1] Rut"
    int gridWidth;           // pixels at 96 dpi; 0 when the grid picks the width
    GridAlignment alignment;
    FieldCheck check;

    bool alignRight() const
    {
        return alignment == GridAlignment::Right || alignment == GridAlignment::RightCaptionCentred;
    }
    bool captionCentred() const
    {
        return alignment == GridAlignment::LeftCaptionCentred
               || alignment == GridAlignment::RightCaptionCentred;
    }
};

namespace catalogue {

constexpr int kFieldCount = 106;
constexpr int kLineFieldCount = 105;
constexpr int kLinea = 0;

// The table, indexed by position; a constant, ready before any static initialisation runs.
const std::array<FieldDef, kFieldCount> &fields();

} // namespace catalogue
