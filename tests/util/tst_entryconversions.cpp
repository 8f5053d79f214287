#include "util/AppError.h"
#include "util/EntryConversions.h"

#include "TestLocale.h"

#include <QTest>

class TestEntryConversions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countValue_data();
    void countValue();
    void tooManyCargasSimples_data();
    void tooManyCargasSimples();
    void storedDate_data();
    void storedDate();
    void period_data();
    void period();
};

void TestEntryConversions::countValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("error");

    QTest::addRow("empty is 0") << QByteArray() << 0.0 << QString();
    QTest::addRow("number") << QByteArray("3") << 3.0 << QString();
    QTest::addRow("two digits") << QByteArray("13") << 13.0 << QString();
    QTest::addRow("letter") << QByteArray("A") << 0.0
                            << QStringLiteral("'A' is not a valid floating point value");
    QTest::addRow("digit and letter")
        << QByteArray("1A") << 0.0 << QStringLiteral("'1A' is not a valid floating point value");
}

void TestEntryConversions::countValue()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QFETCH(QString, error);
    try {
        QCOMPARE(entryconversions::countValue(text), value);
        QVERIFY2(error.isEmpty(), "no error raised");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), error);
    }
}

void TestEntryConversions::tooManyCargasSimples_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("tooMany");

    QTest::addRow("13 is the most") << QByteArray("13") << false;
    QTest::addRow("14") << QByteArray("14") << true;
    QTest::addRow("99") << QByteArray("99") << true;
    QTest::addRow("0") << QByteArray("0") << false;
    QTest::addRow("empty skips the check") << QByteArray() << false;
    QTest::addRow("letter skips the check") << QByteArray("A") << false;
    QTest::addRow("negative") << QByteArray("-5") << false;
}

void TestEntryConversions::tooManyCargasSimples()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, tooMany);
    QCOMPARE(entryconversions::tooManyCargasSimples(text), tooMany);
}

void TestEntryConversions::storedDate_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QDate>("date");

    // es_CL: dd-MM-yy, read with a four-digit year.
    QTest::addRow("regional form") << QByteArray("es_CL") << QByteArray("01-05-2024") << QDate(2024, 5, 1);
    QTest::addRow("one-digit day and month")
        << QByteArray("es_CL") << QByteArray("1-5-2024") << QDate(2024, 5, 1);
    QTest::addRow("other separator, fallback")
        << QByteArray("es_CL") << QByteArray("01/05/2024") << QDate(2024, 5, 1);
    QTest::addRow("dotted, fallback")
        << QByteArray("es_CL") << QByteArray("31.12.2023") << QDate(2023, 12, 31);
    QTest::addRow("empty") << QByteArray("es_CL") << QByteArray() << QDate();
    QTest::addRow("ten blanks") << QByteArray("es_CL") << QByteArray("          ") << QDate();
    QTest::addRow("zero of an empty date") << QByteArray("es_CL") << QByteArray("0") << QDate();
    QTest::addRow("not a day") << QByteArray("es_CL") << QByteArray("31-02-2024") << QDate();
    QTest::addRow("year first is no day-first date")
        << QByteArray("es_CL") << QByteArray("2024-05-01") << QDate();
    QTest::addRow("two-digit year") << QByteArray("es_CL") << QByteArray("01-05-24") << QDate();
    // en_GB: dd/MM/yyyy.
    QTest::addRow("day-first locale, fallback")
        << QByteArray("en_GB") << QByteArray("01-05-2024") << QDate(2024, 5, 1);
    // en_US: M/d/yy. The fallback builds the text day first and reads it in the regional order.
    QTest::addRow("month-first locale, regional form")
        << QByteArray("en_US") << QByteArray("05/01/2024") << QDate(2024, 5, 1);
    QTest::addRow("month-first locale, fallback")
        << QByteArray("en_US") << QByteArray("01-05-2024") << QDate(2024, 1, 5);
}

void TestEntryConversions::storedDate()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, stored);
    QFETCH(QDate, date);
    TestLocale regional(locale.constData());
    QCOMPARE(entryconversions::storedDate(stored), date);
}

void TestEntryConversions::period_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QByteArray>("ano");
    QTest::addColumn<QByteArray>("mes");

    QTest::addRow("December") << QDate(2024, 12, 9) << QByteArray("2024") << QByteArray("12");
    QTest::addRow("May, leading zero") << QDate(2024, 5, 31) << QByteArray("2024") << QByteArray("05");
    QTest::addRow("January") << QDate(2025, 1, 1) << QByteArray("2025") << QByteArray("01");
}

void TestEntryConversions::period()
{
    QFETCH(QDate, today);
    QFETCH(QByteArray, ano);
    QFETCH(QByteArray, mes);
    const entryconversions::RPeriodo period = entryconversions::periodOf(today);
    QCOMPARE(period.Ano, ano);
    QCOMPARE(period.Mes, mes);
    QCOMPARE(entryconversions::periodValue(period), mes + ano);
}

QTEST_GUILESS_MAIN(TestEntryConversions)
#include "tst_entryconversions.moc"
