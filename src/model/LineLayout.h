#pragma once

#include "model/FieldCatalogue.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>

class RecordTable;

// The two layouts of a declaration line: fields 1 to 105 at fixed columns (861 characters), or
// separated by ";", each field at the columns and by the composition rule of the field table.
// Composing checks nothing and cuts nothing; cutting never fails.
namespace linelayout {

enum class Layout { Fixed, Separated };

// The characters a field's text must not hold for its line to read back as written: the separator
// in the separated layout, none in the fixed-position one.
QByteArrayView refusedInText(Layout layout);

constexpr int kFixedLineLength = 861;
// What ends a field in the separated layout.
constexpr char kSeparator = ';';

// Texts of fields 1 to 105; index 0 holds field 1.
using FieldTexts = std::array<QByteArray, catalogue::kLineFieldCount>;
// The same as views into a line that outlives them.
using FieldViews = std::array<QByteArrayView, catalogue::kLineFieldCount>;

// The texts of fields 1 to 105 of a row, each read as text.
FieldTexts rowTexts(const RecordTable &table, int row);

// The line without its line end.
QByteArray compose(const FieldTexts &texts, Layout layout);
// The line of a row of the table, the same as compose(rowTexts(table, row), layout).
QByteArray composeRow(const RecordTable &table, int row, Layout layout);
// Appends that line to `out`, composed in place without a text per field: the writer's way.
void appendRow(QByteArray &out, const RecordTable &table, int row, Layout layout);

// The number (1 to 105) of the first field of a row that would not take exactly its width in the
// fixed-position layout, so that the line would not be 861 characters long; 0 when every field fits.
// An over-long number and a short text under the rules that add nothing make a field misfit.
int firstMisfitField(const RecordTable &table, int row);
// The number (1 to 105) of the first text field of a row that holds ";", which in the separated
// layout ends the field early and moves every field after it; 0 when none does.
int firstSeparatorField(const RecordTable &table, int row);

// Fixed: each field is what the line holds at its columns (shorter or empty past the line's end).
// Separated: as the reader's separator search gives them: when the line has fewer than 104
// separators, every field after the last one receives the rest of the line.
FieldViews cut(QByteArrayView line, Layout layout);

} // namespace linelayout
