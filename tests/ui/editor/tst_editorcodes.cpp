#include "ui/editor/EditorCodes.h"
#include "util/AppError.h"

#include "TestLocale.h"

#include <QTest>

using Entries = QList<QByteArray>;

class TestEditorCodes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buscaCodigoTexto_data();
    void buscaCodigoTexto();
    void codeOf_data();
    void codeOf();
    void countValue_data();
    void countValue();
    void tooManyCargasSimples_data();
    void tooManyCargasSimples();
    void storedDate_data();
    void storedDate();
    void period_data();
    void period();
};

void TestEditorCodes::buscaCodigoTexto_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("expected");

    const Entries tramos{"A Primer tramo", "B Segundo tramo", "C Tercer tramo", "D Sin derecho"};
    QTest::addRow("upper-case code") << tramos << 1 << QByteArray("B") << QByteArray("B Segundo tramo");
    QTest::addRow("lower-case code matches nothing") << tramos << 1 << QByteArray("b") << QByteArray("kept");
    QTest::addRow("last match wins") << Entries{"B uno", "B dos"} << 1 << QByteArray("B")
                                     << QByteArray("B dos");
    QTest::addRow("whole width compared")
        << Entries{"AB x", "AC y"} << 2 << QByteArray("AC") << QByteArray("AC y");
    QTest::addRow("not a numeric match") << Entries{"01 A"} << 2 << QByteArray("1") << QByteArray("kept");
    QTest::addRow("empty code") << tramos << 1 << QByteArray() << QByteArray("kept");
    QTest::addRow("entry shorter than the width") << Entries{"B"} << 2 << QByteArray("B") << QByteArray("B");
    QTest::addRow("empty list") << Entries{} << 1 << QByteArray("B") << QByteArray("kept");
}

void TestEditorCodes::buscaCodigoTexto()
{
    QFETCH(Entries, entries);
    QFETCH(int, width);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, expected);
    QByteArray result("kept");
    BuscaCodigoTexto(entries, width, code, result);
    QCOMPARE(result, expected);
}

void TestEditorCodes::codeOf_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("read");
    QTest::addColumn<double>("value");

    QTest::addRow("two-digit entry") << QByteArray("01 Remuneraciones del mes") << 2 << true << 1.0;
    QTest::addRow("typed one digit and a description") << QByteArray("7 Otro") << 2 << true << 7.0;
    QTest::addRow("shorter than the width") << QByteArray("3") << 2 << true << 3.0;
    QTest::addRow("width one of a two-digit entry") << QByteArray("10 Cese") << 1 << true << 1.0;
    QTest::addRow("voluntary movement, width two")
        << QByteArray("10 Cese Cotiza. Afiliado Voluntario") << 2 << true << 10.0;
    QTest::addRow("four-digit caja") << QByteArray("0000 Sin caja") << 4 << true << 0.0;
    QTest::addRow("leading blank") << QByteArray(" 5 x") << 2 << true << 5.0;
    QTest::addRow("begins with a letter") << QByteArray("A1 x") << 2 << false << 0.0;
    QTest::addRow("digit then letter") << QByteArray("1A x") << 2 << false << 0.0;
    QTest::addRow("empty box") << QByteArray() << 2 << false << 0.0;
    QTest::addRow("blanks only") << QByteArray("   ") << 2 << false << 0.0;
}

void TestEditorCodes::codeOf()
{
    QFETCH(QByteArray, text);
    QFETCH(int, width);
    QFETCH(bool, read);
    QFETCH(double, value);
    const std::optional<double> code = editorcodes::codeOf(text, width);
    QCOMPARE(code.has_value(), read);
    if (read)
        QCOMPARE(*code, value);
}

void TestEditorCodes::countValue_data()
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

void TestEditorCodes::countValue()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QFETCH(QString, error);
    try {
        QCOMPARE(editorcodes::countValue(text), value);
        QVERIFY2(error.isEmpty(), "no error raised");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), error);
    }
}

void TestEditorCodes::tooManyCargasSimples_data()
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

void TestEditorCodes::tooManyCargasSimples()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, tooMany);
    QCOMPARE(editorcodes::tooManyCargasSimples(text), tooMany);
}

void TestEditorCodes::storedDate_data()
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

void TestEditorCodes::storedDate()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, stored);
    QFETCH(QDate, date);
    TestLocale regional(locale.constData());
    QCOMPARE(editorcodes::storedDate(stored), date);
}

void TestEditorCodes::period_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QByteArray>("ano");
    QTest::addColumn<QByteArray>("mes");

    QTest::addRow("December") << QDate(2024, 12, 9) << QByteArray("2024") << QByteArray("12");
    QTest::addRow("May, leading zero") << QDate(2024, 5, 31) << QByteArray("2024") << QByteArray("05");
    QTest::addRow("January") << QDate(2025, 1, 1) << QByteArray("2025") << QByteArray("01");
}

void TestEditorCodes::period()
{
    QFETCH(QDate, today);
    QFETCH(QByteArray, ano);
    QFETCH(QByteArray, mes);
    const editorcodes::RPeriodo period = editorcodes::periodOf(today);
    QCOMPARE(period.Ano, ano);
    QCOMPARE(period.Mes, mes);
    QCOMPARE(editorcodes::periodValue(period), mes + ano);
}

QTEST_GUILESS_MAIN(TestEditorCodes)
#include "tst_editorcodes.moc"
