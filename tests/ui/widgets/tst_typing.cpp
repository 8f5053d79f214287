#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/PictureEdit.h"

#include "TestLocale.h"
#include "WidgetHarness.h"

#include <QDate>
#include <QTest>

#include <memory>

namespace {

enum class Box { Amount, Date, Digits, MonthYear };

// A box of that kind holding `before`: an amount shown with two decimals, an ISO date, a value.
QWidget *makeBox(Box box, const QString &before)
{
    switch (box) {
    case Box::Amount: {
        auto *edit = new CurrencyEdit;
        edit->setDisplayFormat(QStringLiteral(",0.00;-,0.00"));
        edit->setValue(before.toDouble());
        return edit;
    }
    case Box::Date: {
        auto *edit = new DateEdit;
        edit->setDate(QDate::fromString(before, Qt::ISODate));
        return edit;
    }
    case Box::Digits:
    case Box::MonthYear: {
        auto *edit = new PictureEdit(box == Box::Digits ? PictureEdit::Picture::Digits
                                                        : PictureEdit::Picture::MonthYear);
        edit->setValue(before);
        return edit;
    }
    }
    return nullptr;
}

// What the program reads from the box: the amount as a plain number, the date in ISO form, the value.
QString holds(Box box, const QWidget *widget)
{
    switch (box) {
    case Box::Amount:
        return QString::number(static_cast<const CurrencyEdit *>(widget)->value());
    case Box::Date:
        return static_cast<const DateEdit *>(widget)->date().toString(Qt::ISODate);
    case Box::Digits:
    case Box::MonthYear:
        return static_cast<const PictureEdit *>(widget)->value();
    }
    return QString();
}

} // namespace

// What a user gets by tabbing into an entry box, typing and tabbing out.
class TestTyping : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typing_data();
    void typing();
};

void TestTyping::typing_data()
{
    QTest::addColumn<Box>("box");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    const auto row = [](const char *name, Box box, const char *locale, const char *before, const char *typed,
                        const char *after) {
        QTest::newRow(name) << box << QByteArray(locale) << QString::fromUtf8(before)
                            << QString::fromUtf8(typed) << QString::fromUtf8(after);
    };
    // Tabbing in selects what the box holds, so typing replaces it; "\b" is Backspace.
    row("amount, es_CL decimal", Box::Amount, "es_CL", "777", "1234,5", "1234.5");
    row("amount, es_CL point refused", Box::Amount, "es_CL", "777", "1.234", "1234");
    row("amount, en_US decimal", Box::Amount, "en_US", "777", "1234.5", "1234.5");
    row("amount, en_US comma refused", Box::Amount, "en_US", "777", "1,234", "1234");
    row("amount, third decimal refused", Box::Amount, "es_CL", "777", "1,239", "1.23");
    row("amount, letters refused", Box::Amount, "es_CL", "777", "1a2b", "12");
    row("amount, negative", Box::Amount, "es_CL", "777", "-50", "-50");
    row("amount, minus only in front", Box::Amount, "es_CL", "777", "5-0", "50");
    row("amount, erased is zero", Box::Amount, "es_CL", "777", "\b", "0");
    row("amount, lone minus is zero", Box::Amount, "es_CL", "777", "-", "0");
    row("amount, lone separator is zero", Box::Amount, "es_CL", "777", ",", "0");
    row("amount, fraction only", Box::Amount, "es_CL", "777", ",5", "0.5");

    row("date, es_CL day first", Box::Date, "es_CL", "", "05122024", "2024-12-05");
    row("date, en_US month first", Box::Date, "en_US", "", "12052024", "2024-12-05");
    row("date, separators typed", Box::Date, "es_CL", "", "05-12-2024", "2024-12-05");
    row("date, overwrites a date", Box::Date, "es_CL", "2001-02-03", "31121999", "1999-12-31");
    row("date, no such day keeps the old date", Box::Date, "es_CL", "2001-02-03", "31022024", "2001-02-03");
    row("date, part entry into an empty box", Box::Date, "es_CL", "", "0512", "");
    row("date, part entry over a date keeps its year", Box::Date, "es_CL", "2001-02-03", "0512",
        "2001-12-05");
    row("date, two-digit year is not 1924", Box::Date, "es_CL", "", "051224", "");
    row("date, letters refused", Box::Date, "es_CL", "", "0a5b122024", "2024-12-05");
    row("date, one-digit day then separator", Box::Date, "es_CL", "", "5-12-2024", "2024-12-05");

    row("digits, rut", Box::Digits, "es_CL", "", "12345678", "12345678");
    row("digits, letters and signs refused", Box::Digits, "es_CL", "", "12a3-4.5 k", "12345");
    row("digits, at most ten", Box::Digits, "es_CL", "", "123456789012", "1234567890");
    row("digits, blank refused", Box::Digits, "es_CL", "", " 7", "7");

    row("month and year, full", Box::MonthYear, "es_CL", "", "052024", "05/2024");
    row("month and year, slash typed", Box::MonthYear, "es_CL", "", "05/2024", "05/2024");
    row("month and year, month only", Box::MonthYear, "es_CL", "", "05", "05/    ");
    row("month and year, letters refused", Box::MonthYear, "es_CL", "", "0a5x2024", "05/2024");
    row("month and year, nothing", Box::MonthYear, "es_CL", "", "", "  /    ");
}

void TestTyping::typing()
{
    QFETCH(Box, box);
    QFETCH(QByteArray, locale);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    TestLocale l(locale.constData());
    QWidget *edit = makeBox(box, before);
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    QCOMPARE(h.focus(), edit);
    QTest::keyClicks(edit, typed);
    h.key(Qt::Key_Tab);
    QCOMPARE(h.focus(), h.after);
    QCOMPARE(holds(box, edit), after);
}

QTEST_MAIN(TestTyping)
#include "tst_typing.moc"
