#include "ui/widgets/CurrencyEdit.h"

#include "TestLocale.h"
#include "WidgetHarness.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QString kWhole = QStringLiteral(",0;-,0");
const QString kCents = QStringLiteral(",0.00;-,0.00");
const QString kDollar = QStringLiteral(",0;-$,0");
} // namespace

class TestCurrencyEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatted_data();
    void formatted();
    void editText_data();
    void editText();
    void focusSwitchesText();
    void keypadDecimalKey();
    void clamping_data();
    void clamping();
    void valueWhileFocused();
    void editingFinishedSeesNewValue();
    void charLimit();
    void longerLoadedValueIsNotCut();
    void valueHasTwoDecimals();
};

void TestCurrencyEdit::formatted_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addRow("es_CL whole") << QByteArray("es_CL") << kWhole << 1234567.0 << QStringLiteral("1.234.567");
    QTest::addRow("es_CL whole, three digits")
        << QByteArray("es_CL") << kWhole << 999.0 << QStringLiteral("999");
    QTest::addRow("es_CL whole, four digits")
        << QByteArray("es_CL") << kWhole << 1000.0 << QStringLiteral("1.000");
    QTest::addRow("es_CL whole negative")
        << QByteArray("es_CL") << kWhole << -1234.0 << QStringLiteral("-1.234");
    QTest::addRow("es_CL whole rounds half up")
        << QByteArray("es_CL") << kWhole << 2.5 << QStringLiteral("3");
    QTest::addRow("es_CL whole rounds half away")
        << QByteArray("es_CL") << kWhole << -1234.5 << QStringLiteral("-1.235");
    QTest::addRow("es_CL fraction under a half")
        << QByteArray("es_CL") << kWhole << 0.4 << QStringLiteral("0");
    QTest::addRow("es_CL no minus on a shown zero")
        << QByteArray("es_CL") << kWhole << -0.4 << QStringLiteral("0");
    QTest::addRow("es_CL zero is empty") << QByteArray("es_CL") << kWhole << 0.0 << QString();
    QTest::addRow("es_CL cents") << QByteArray("es_CL") << kCents << 1234.5 << QStringLiteral("1.234,50");
    QTest::addRow("es_CL cents negative")
        << QByteArray("es_CL") << kCents << -0.05 << QStringLiteral("-0,05");
    QTest::addRow("es_CL cents zero is empty") << QByteArray("es_CL") << kCents << 0.0 << QString();
    QTest::addRow("es_CL dollar negative")
        << QByteArray("es_CL") << kDollar << -15.0 << QStringLiteral("-$15");
    QTest::addRow("es_CL dollar positive")
        << QByteArray("es_CL") << kDollar << 1500.0 << QStringLiteral("1.500");
    QTest::addRow("en_US whole") << QByteArray("en_US") << kWhole << 1234567.0 << QStringLiteral("1,234,567");
    QTest::addRow("en_US cents") << QByteArray("en_US") << kCents << 1234.5 << QStringLiteral("1,234.50");
    QTest::addRow("en_US cents negative")
        << QByteArray("en_US") << kCents << -1234567.891 << QStringLiteral("-1,234,567.89");
    QTest::addRow("en_US dollar negative")
        << QByteArray("en_US") << kDollar << -1234.0 << QStringLiteral("-$1,234");
    QTest::addRow("one section gets a minus")
        << QByteArray("es_CL") << QStringLiteral("#,##0.##") << -1234.5 << QStringLiteral("-1.234,5");
    QTest::addRow("optional decimals dropped")
        << QByteArray("es_CL") << QStringLiteral("#,##0.##") << 7.0 << QStringLiteral("7");
}

void TestCurrencyEdit::formatted()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, shown);
    TestLocale l(locale.constData());
    CurrencyEdit edit;
    edit.setDisplayFormat(format);
    edit.setValue(value);
    QCOMPARE(edit.text(), shown);
    QCOMPARE(edit.formatted(value), shown);
}

void TestCurrencyEdit::editText_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("limit");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("es_CL") << QByteArray("es_CL") << 0 << 1234567.5 << QStringLiteral("1234567,50");
    QTest::addRow("en_US") << QByteArray("en_US") << 0 << 1234567.5 << QStringLiteral("1234567.50");
    QTest::addRow("negative") << QByteArray("es_CL") << 0 << -3.0 << QStringLiteral("-3,00");
    QTest::addRow("zero is empty") << QByteArray("es_CL") << 0 << 0.0 << QString();
    QTest::addRow("limit drops zero decimals") << QByteArray("es_CL") << 3 << 123.0 << QStringLiteral("123");
    QTest::addRow("limit keeps a real decimal") << QByteArray("es_CL") << 4 << 12.5 << QStringLiteral("12,5");
}

void TestCurrencyEdit::editText()
{
    QFETCH(QByteArray, locale);
    QFETCH(int, limit);
    QFETCH(double, value);
    QFETCH(QString, text);
    TestLocale l(locale.constData());
    CurrencyEdit edit;
    edit.setCharLimit(limit);
    QCOMPARE(edit.editText(value), text);
}

void TestCurrencyEdit::focusSwitchesText()
{
    TestLocale l("es_CL");
    auto *edit = new CurrencyEdit;
    edit->setDisplayFormat(kWhole);
    edit->setValue(1234567.25);
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    QCOMPARE(edit->text(), QStringLiteral("1.234.567"));
    h.tabIn();
    QCOMPARE(edit->text(), QStringLiteral("1234567,25"));
    h.key(Qt::Key_Tab);
    QCOMPARE(h.focus(), h.after);
    QCOMPARE(edit->text(), QStringLiteral("1.234.567"));
    QCOMPARE(edit->value(), 1234567.25);
}

void TestCurrencyEdit::keypadDecimalKey()
{
    TestLocale l("es_CL");
    auto *edit = new CurrencyEdit;
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    QTest::keyClicks(edit, QStringLiteral("12"));
    QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(edit, QStringLiteral("5"));
    QCOMPARE(edit->text(), QStringLiteral("12,5"));
    QCOMPARE(edit->value(), 12.5);
}

void TestCurrencyEdit::clamping_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addRow("days over") << 0.0 << 30.0 << QStringLiteral("45") << 30.0;
    QTest::addRow("days under") << 0.0 << 30.0 << QStringLiteral("-5") << 0.0;
    QTest::addRow("days inside") << 0.0 << 30.0 << QStringLiteral("17") << 17.0;
    QTest::addRow("days at the edge") << 0.0 << 30.0 << QStringLiteral("30") << 30.0;
    QTest::addRow("percent over") << 0.0 << 99.0 << QStringLiteral("99,5") << 99.0;
    QTest::addRow("empty in a range from one") << 1.0 << 30.0 << QString() << 1.0;
}

void TestCurrencyEdit::clamping()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, typed);
    QFETCH(double, value);
    TestLocale l("es_CL");
    auto *edit = new CurrencyEdit;
    edit->setRange(minimum, maximum);
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    QTest::keyClicks(edit, typed);
    h.key(Qt::Key_Tab);
    QCOMPARE(edit->value(), value);

    CurrencyEdit set;
    set.setRange(minimum, maximum);
    set.setValue(maximum + 10);
    QCOMPARE(set.value(), maximum);
    set.setValue(minimum - 10);
    QCOMPARE(set.value(), minimum);
}

void TestCurrencyEdit::valueWhileFocused()
{
    TestLocale l("es_CL");
    auto *edit = new CurrencyEdit;
    edit->setRange(0, 30);
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    QTest::keyClicks(edit, QStringLiteral("12,5"));
    QCOMPARE(edit->value(), 12.5);
    QTest::keyClicks(edit, QStringLiteral("0"));
    QCOMPARE(edit->value(), 12.5);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("99"));
    QCOMPARE(edit->value(), 30.0);
    QCOMPARE(edit->text(), QStringLiteral("99")); // not rewritten while typing
}

void TestCurrencyEdit::editingFinishedSeesNewValue()
{
    TestLocale l("es_CL");
    auto *edit = new CurrencyEdit;
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    QList<double> seen;
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [&] { seen << edit->value(); });
    h.tabIn();
    QTest::keyClicks(edit, QStringLiteral("42"));
    h.key(Qt::Key_Tab);
    QCOMPARE(seen, QList<double>{42.0});
}

void TestCurrencyEdit::charLimit()
{
    TestLocale l("es_CL");
    auto *edit = new CurrencyEdit;
    edit->setCharLimit(3);
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    QTest::keyClicks(edit, QStringLiteral("12345"));
    h.key(Qt::Key_Tab);
    QCOMPARE(edit->value(), 123.0);
    // The two-decimal edit text would not fit three characters: it must not be cut to "123,".
    h.tabIn();
    QCOMPARE(edit->text(), QStringLiteral("123"));
    h.key(Qt::Key_Tab);
    QCOMPARE(edit->value(), 123.0);
}

void TestCurrencyEdit::longerLoadedValueIsNotCut()
{
    TestLocale l("es_CL");
    auto *edit = new CurrencyEdit;
    edit->setCharLimit(3);
    edit->setValue(12345);
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    QCOMPARE(edit->text(), QStringLiteral("12345"));
    h.key(Qt::Key_Tab);
    QCOMPARE(edit->value(), 12345.0);
    // It can still be shortened.
    h.tabIn();
    edit->end(false);
    h.key(Qt::Key_Backspace);
    h.key(Qt::Key_Backspace);
    h.key(Qt::Key_Tab);
    QCOMPARE(edit->value(), 123.0);
}

void TestCurrencyEdit::valueHasTwoDecimals()
{
    CurrencyEdit edit;
    edit.setValue(2.346);
    QCOMPARE(edit.value(), 2.35);
    edit.setValue(-0.001);
    QCOMPARE(edit.value(), 0.0);
    QCOMPARE(edit.text(), QString());
}

QTEST_MAIN(TestCurrencyEdit)
#include "tst_currencyedit.moc"
