#include "ui/widgets/FormFields.h"

#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"

#include <QAbstractItemView>
#include <QLayout>

#include <cmath>

namespace formfields {

namespace {

template <class W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Room for the frame, the inner margins and the cursor beside a text.
constexpr int kTextRoom = 12;

int widthFor(const QWidget *widget, const QString &sample, int extra = kTextRoom)
{
    return widget->fontMetrics().horizontalAdvance(sample) + extra;
}

int widthFor(const QWidget *widget, const char *sample, int extra = kTextRoom)
{
    return widthFor(widget, QLatin1String(sample), extra);
}

} // namespace

QString wholeFormat()
{
    return QStringLiteral(",0;-,0");
}

QString twoDecimalsFormat()
{
    return QStringLiteral(",0.00;-,0.00");
}

QString daysFormat()
{
    return QStringLiteral(",0;-$,0");
}

UpperCaseEdit *textBox(QWidget *parent, const char *name, int limit)
{
    auto *edit = named(new UpperCaseEdit(limit, parent), name);
    edit->setMinimumWidth(widthFor(edit, "MMMMMMMM"));
    return edit;
}

UpperCaseEdit *checkCharacter(QWidget *parent, const char *name)
{
    auto *edit = named(new UpperCaseEdit(1, parent), name);
    edit->setFixedWidth(widthFor(edit, "MM", 10));
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

UpperCaseEdit *countBox(QWidget *parent, const char *name, int limit)
{
    auto *edit = named(new UpperCaseEdit(limit, parent), name);
    edit->setFixedWidth(widthFor(edit, "9999"));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

PictureEdit *picture(QWidget *parent, const char *name, PictureEdit::Picture kind)
{
    auto *edit = named(new PictureEdit(kind, parent), name);
    edit->setFixedWidth(kind == PictureEdit::Picture::Digits ? widthFor(edit, "99999999999")
                                                             : widthFor(edit, "99/99999"));
    return edit;
}

CurrencyEdit *amount(QWidget *parent, const char *name, const QString &format, int digits)
{
    auto *edit = named(new CurrencyEdit(parent), name);
    edit->setDisplayFormat(format);
    const double largest = std::pow(10.0, digits) - 1;
    edit->setFixedWidth(std::max({widthFor(edit, "999.999.999"), widthFor(edit, edit->formatted(largest)),
                                  widthFor(edit, edit->editText(largest))}));
    return edit;
}

DateEdit *dateBox(QWidget *parent, const char *name)
{
    auto *edit = named(new DateEdit(parent), name);
    // Room for the calendar button at the right.
    edit->setFixedWidth(widthFor(edit, "99/99/99999", kTextRoom + edit->fontMetrics().height() + 8));
    return edit;
}

CodeComboBox *codeBox(QWidget *parent, const char *name)
{
    auto *box = named(new CodeComboBox(parent), name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    box->view()->setTextElideMode(Qt::ElideNone);
    return box;
}

RadioGroup *radioGroup(QWidget *parent, const char *name, const QString &caption, const QStringList &items,
                       int columns)
{
    auto *group = named(new RadioGroup(caption, items, columns, parent), name);
    if (QLayout *buttons = group->layout())
        buttons->setContentsMargins(8, 2, 8, 2);
    return group;
}

} // namespace formfields
