#include "util/Cp1252.h"
#include "util/Regional.h"

#include "TestLocale.h"

#include <QTest>

#include <charconv>
#include <optional>

Q_DECLARE_METATYPE(std::optional<double>)

class TestRegional : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cp1252EveryByteRoundTrips();
    void cp1252HighBytesAreNotLatin1();
    void numberReadings_data();
    void numberReadings();
    void digitRunsReadExactly();
    void strictInteger_data();
    void strictInteger();
    void generalText_data();
    void generalText();
    void shortDateFormat_data();
    void shortDateFormat();
};

void TestRegional::cp1252EveryByteRoundTrips()
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        const QString text = cp1252::toUnicode(byte);
        QCOMPARE(text.size(), 1);
        QVERIFY(cp1252::isRepresentable(text[0]));
        QCOMPARE(cp1252::fromUnicode(text), byte);
    }
}

void TestRegional::cp1252HighBytesAreNotLatin1()
{
    QCOMPARE(cp1252::toUnicode("\x80"), QString(QChar(0x20AC))); // euro sign
    QCOMPARE(cp1252::toUnicode("\x93\x94"), QString::fromUtf16(u"\u201C\u201D"));
    QCOMPARE(cp1252::toUnicode("\xD1\xE1\xBA"), QString::fromUtf16(u"Ñáº"));
    QCOMPARE(cp1252::fromUnicode(QString::fromUtf16(u"\u2014")), QByteArray("\x97"));
    QCOMPARE(cp1252::fromUnicode(QString::fromUtf16(u"\u0100")), QByteArray("?")); // not in the set
    QVERIFY(!cp1252::isRepresentable(QChar(0x0100)));
}

// Each row: locale, text, what the strict reading gives and what the regional conversion gives.
void TestRegional::numberReadings_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<std::optional<double>>("strict");
    QTest::addColumn<std::optional<double>>("regional");
    const std::optional<double> none;
    QTest::addRow("es_CL decimal comma")
        << QByteArray("es_CL") << QByteArray("2,5") << std::optional(2.5) << std::optional(2.5);
    QTest::addRow("es_CL point is grouping")
        << QByteArray("es_CL") << QByteArray("12.345.678") << none << std::optional(12345678.0);
    QTest::addRow("es_CL blanks around")
        << QByteArray("es_CL") << QByteArray("  0012 ") << std::optional(12.0) << std::optional(12.0);
    QTest::addRow("es_CL trailing sign")
        << QByteArray("es_CL") << QByteArray("1,5-") << none << std::optional(-1.5);
    QTest::addRow("es_CL leading sign")
        << QByteArray("es_CL") << QByteArray("-100") << std::optional(-100.0) << std::optional(-100.0);
    QTest::addRow("es_CL exponent") << QByteArray("es_CL") << QByteArray("1,5E3") << std::optional(1500.0)
                                    << std::optional(1500.0);
    QTest::addRow("es_CL bare exponent") << QByteArray("es_CL") << QByteArray("1E") << none << none;
    QTest::addRow("es_CL empty") << QByteArray("es_CL") << QByteArray("") << none << none;
    QTest::addRow("es_CL blanks only") << QByteArray("es_CL") << QByteArray("   ") << none << none;
    QTest::addRow("es_CL letter") << QByteArray("es_CL") << QByteArray("5A") << none << none;
    QTest::addRow("es_CL blank inside") << QByteArray("es_CL") << QByteArray("1 2") << none << none;
    QTest::addRow("en_US decimal point")
        << QByteArray("en_US") << QByteArray("2.5") << std::optional(2.5) << std::optional(2.5);
    QTest::addRow("en_US comma is grouping")
        << QByteArray("en_US") << QByteArray("1,234.5") << none << std::optional(1234.5);
    // A thousands separator stands only between groups of three digits.
    QTest::addRow("es_CL floating-point text")
        << QByteArray("es_CL") << QByteArray("1059396.0") << none << none;
    QTest::addRow("es_CL point in a short number")
        << QByteArray("es_CL") << QByteArray("3.2") << none << none;
    QTest::addRow("es_CL group of four") << QByteArray("es_CL") << QByteArray("1.0593,5") << none << none;
    QTest::addRow("es_CL first group of four")
        << QByteArray("es_CL") << QByteArray("1059.396") << none << none;
    QTest::addRow("es_CL separator at the end") << QByteArray("es_CL") << QByteArray("12.") << none << none;
    QTest::addRow("es_CL two separators in a row")
        << QByteArray("es_CL") << QByteArray("1..000") << none << none;
    QTest::addRow("es_CL groups with a fraction")
        << QByteArray("es_CL") << QByteArray("1.059.396,25") << none << std::optional(1059396.25);
    QTest::addRow("en_US comma alone refused") << QByteArray("en_US") << QByteArray("2,5") << none << none;
    QTest::addRow("long run of zeros")
        << QByteArray("en_US") << QByteArray(200, '0') + "7" << std::optional(7.0) << std::optional(7.0);
}

void TestRegional::numberReadings()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, text);
    QFETCH(std::optional<double>, strict);
    QFETCH(std::optional<double>, regional);
    TestLocale setting(locale.constData());
    QCOMPARE(regional::strictNumber(text), strict);
    QCOMPARE(regional::regionalNumber(text), regional);
}

// Runs of digits are read eight at a time; every length, every non-digit next to '0' and '9' in any
// place, and numbers past 2^53 must read as the plain conversion reads them.
void TestRegional::digitRunsReadExactly()
{
    TestLocale setting("en_US");
    const auto reference = [](const QByteArray &text) -> std::optional<double> {
        double value = 0;
        const auto [ptr, ec] = std::from_chars(text.constData(), text.constData() + text.size(), value);
        return ec == std::errc() && ptr == text.constData() + text.size() ? std::optional(value)
                                                                          : std::nullopt;
    };
    const QByteArray digits = "98765432109876543210987654321";
    for (int length = 1; length <= digits.size(); ++length) {
        const QByteArray run = digits.left(length);
        QCOMPARE(regional::strictNumber(run), reference(run));
        QCOMPARE(regional::strictNumber(run + ".5"), reference(run + ".5"));
        for (int at = 0; at < length; ++at) {
            for (const char odd : {'/', ':', ' ', '\xB0', 'a'}) {
                QByteArray text = run;
                text[at] = odd;
                const QByteArray plain = odd == ' ' ? text.trimmed() : text;
                QCOMPARE(regional::strictNumber(text), plain.contains(' ') ? std::nullopt : reference(plain));
            }
        }
    }
    QCOMPARE(regional::strictNumber("9007199254740993"), std::optional(9007199254740993.0));
}

void TestRegional::strictInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<std::optional<qint32>>("value");
    QTest::addRow("leading blank") << QByteArray(" 5") << std::optional<qint32>(5);
    QTest::addRow("trailing blank") << QByteArray("5 ") << std::optional<qint32>();
    QTest::addRow("leading zeros") << QByteArray("007") << std::optional<qint32>(7);
    QTest::addRow("sign") << QByteArray("-12") << std::optional<qint32>(-12);
    QTest::addRow("sign alone") << QByteArray("-") << std::optional<qint32>();
    QTest::addRow("decimal") << QByteArray("1,0") << std::optional<qint32>();
    QTest::addRow("largest") << QByteArray("2147483647") << std::optional<qint32>(2147483647);
    QTest::addRow("smallest") << QByteArray("-2147483648") << std::optional<qint32>(-2147483647 - 1);
    QTest::addRow("too large") << QByteArray("2147483648") << std::optional<qint32>();
    QTest::addRow("empty") << QByteArray() << std::optional<qint32>();
}

void TestRegional::strictInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(std::optional<qint32>, value);
    QCOMPARE(regional::strictInteger(text), value);
}

void TestRegional::generalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("esCL");
    QTest::addColumn<QByteArray>("enUS");
    QTest::addRow("whole") << 500000.0 << QByteArray("500000") << QByteArray("500000");
    QTest::addRow("fraction") << 2.5 << QByteArray("2,5") << QByteArray("2.5");
    QTest::addRow("15 digits") << 0.1 + 0.2 << QByteArray("0,3") << QByteArray("0.3");
    QTest::addRow("negative zero") << -0.0 << QByteArray("0") << QByteArray("0");
    QTest::addRow("negative whole") << -100.0 << QByteArray("-100") << QByteArray("-100");
    QTest::addRow("largest plain") << 999999999999999.0 << QByteArray("999999999999999")
                                   << QByteArray("999999999999999");
    QTest::addRow("exponent") << 1e15 << QByteArray("1e+15") << QByteArray("1e+15");
    QTest::addRow("small") << 0.0001 << QByteArray("0,0001") << QByteArray("0.0001");
    QTest::addRow("fifth place written out") << 0.00005 << QByteArray("0,00005") << QByteArray("0.00005");
    QTest::addRow("fifth place, 15 digits") << -1.23456789012345e-5 << QByteArray("-0,0000123456789012345")
                                            << QByteArray("-0.0000123456789012345");
    QTest::addRow("sixth place in exponent form") << 0.000005 << QByteArray("5e-06") << QByteArray("5e-06");
    QTest::addRow("rounds up into the fifth place")
        << 9.9999999999999999e-6 << QByteArray("0,00001") << QByteArray("0.00001");
}

void TestRegional::generalText()
{
    QFETCH(double, value);
    QFETCH(QByteArray, esCL);
    QFETCH(QByteArray, enUS);
    {
        TestLocale setting("es_CL");
        QCOMPARE(regional::generalText(value), esCL);
    }
    TestLocale setting("en_US");
    QCOMPARE(regional::generalText(value), enUS);
}

void TestRegional::shortDateFormat_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QChar>("separator");
    QTest::addRow("es_CL") << QByteArray("es_CL") << QStringLiteral("dd-MM-yyyy") << QChar(u'-');
    QTest::addRow("en_US") << QByteArray("en_US") << QStringLiteral("MM/dd/yyyy") << QChar(u'/');
    QTest::addRow("de_DE") << QByteArray("de_DE") << QStringLiteral("dd.MM.yyyy") << QChar(u'.');
    // The C locale's short format names the month; a masked box needs its digits.
    QTest::addRow("C") << QByteArray("C") << QStringLiteral("dd MM yyyy") << QChar(u' ');
}

void TestRegional::shortDateFormat()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, format);
    QFETCH(QChar, separator);
    TestLocale setting(locale.constData());
    QCOMPARE(regional::shortDateFormat(), format);
    QCOMPARE(regional::dateSeparator(), separator);
}

QTEST_GUILESS_MAIN(TestRegional)
#include "tst_regional.moc"
