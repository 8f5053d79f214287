#pragma once

#include "ui/widgets/PictureEdit.h"

#include <QString>
#include <QStringList>

class CodeComboBox;
class CurrencyEdit;
class DateEdit;
class QWidget;
class RadioGroup;
class UpperCaseEdit;

// The data-entry controls of a form, made ready to place: each carries its control name as its
// object name (tests and tab orders find it by that name) and is as wide as what it holds, measured
// in its parent's font, so the form's font must be set before its controls are made.
namespace formfields {

// Display formats of numeric boxes: a whole number, two decimals, and a whole number whose negative
// form carries "-$".
QString wholeFormat();
QString twoDecimalsFormat();
QString daysFormat();

// A text box of at most `limit` characters (0: no limit), upper case as typed.
UpperCaseEdit *textBox(QWidget *parent, const char *name, int limit);
// A one-character box for the check character of a RUT, centred.
UpperCaseEdit *checkCharacter(QWidget *parent, const char *name);
// A narrow text box for a count, right-aligned.
UpperCaseEdit *countBox(QWidget *parent, const char *name, int limit);
PictureEdit *picture(QWidget *parent, const char *name, PictureEdit::Picture kind);
// A numeric box wide enough to show whole every value of up to `digits` whole digits: with its
// thousands separators in `format` and, while it is focused, with its two decimals.
CurrencyEdit *amount(QWidget *parent, const char *name, const QString &format = wholeFormat(),
                     int digits = 8);
DateEdit *dateBox(QWidget *parent, const char *name);
// A combo box of code-table entries; long descriptions do not widen the form, the list does.
CodeComboBox *codeBox(QWidget *parent, const char *name);
RadioGroup *radioGroup(QWidget *parent, const char *name, const QString &caption, const QStringList &items,
                       int columns);

} // namespace formfields
