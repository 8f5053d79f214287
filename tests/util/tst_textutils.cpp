#include "util/AppError.h"
#include "util/TextUtils.h"

#include <QTest>

#include <optional>

using Entries = QList<QByteArray>;

class TestTextUtils : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void validaRut_data();
    void validaRut();
    void buscaCodigo_data();
    void buscaCodigo();
    void rellena_data();
    void rellena();
    void quitaCaracter_data();
    void quitaCaracter();
    void reemplazaCaracter_data();
    void reemplazaCaracter();
    void fechas_data();
    void fechas();
};

void TestTextUtils::validaRut_data()
{
    QTest::addColumn<QByteArray>("rut");
    QTest::addColumn<bool>("valid");

    QTest::addRow("with dash") << QByteArray("12345678-5") << true;
    QTest::addRow("without dash") << QByteArray("123456785") << true;
    QTest::addRow("check K") << QByteArray("6K") << true;
    QTest::addRow("wrong check K") << QByteArray("12345678-K") << false;
    QTest::addRow("lower-case k") << QByteArray("6k") << false;
    QTest::addRow("K where 8 is due") << QByteArray("7-K") << false;
    QTest::addRow("remainder 0 gives 0") << QByteArray("00") << true;
    QTest::addRow("d = 9") << QByteArray("19") << true;
    QTest::addRow("d = 1") << QByteArray("51") << true;
    QTest::addRow("empty") << QByteArray() << true;
    QTest::addRow("lone dash") << QByteArray("-") << true;
    QTest::addRow("lone K") << QByteArray("K") << false;
    QTest::addRow("lone 0") << QByteArray("0") << true;
    // 8 digits: the weights start over at 2 after 7.
    QTest::addRow("weights wrap") << QByteArray("76354771-K") << true;
    QTest::addRow("several dashes") << QByteArray("1-2-3-4-5-6-7-8-5") << true;
    // "/" counts -1: the remainder is negative and the check is "0".
    QTest::addRow("negative remainder") << QByteArray("/0") << true;
    QTest::addRow("negative remainder not K") << QByteArray("/K") << false;
    // A byte above 0x7F counts as its code 209, not as a negative char: (209 - 48) * 2 = 322, d = 8.
    QTest::addRow("cp1252 byte in body") << QByteArray("\3218") << true;
}

void TestTextUtils::validaRut()
{
    QFETCH(QByteArray, rut);
    QFETCH(bool, valid);
    QCOMPARE(ValidaRut(rut), valid);
}

void TestTextUtils::buscaCodigo_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("error"); // empty when the lookup succeeds

    const QByteArray none("untouched");
    QTest::addRow("numeric match") << Entries{"01 A", "02 B"} << 2 << QByteArray("1") << QByteArray("01 A")
                                   << QString();
    QTest::addRow("last match wins") << Entries{"01 A", "01 B"} << 2 << QByteArray("1") << QByteArray("01 B")
                                     << QString();
    QTest::addRow("no match keeps result")
        << Entries{"01 A", "02 B"} << 2 << QByteArray("3") << none << QString();
    QTest::addRow("empty list keeps result, code not read")
        << Entries{} << 2 << QByteArray("x") << none << QString();
    QTest::addRow("width 1 stored 005")
        << Entries{"4 D", "5 E"} << 1 << QByteArray("005") << QByteArray("5 E") << QString();
    QTest::addRow("width 4 stored 0") << Entries{"0000 Sin caja", "1001 SSS"} << 4 << QByteArray("0")
                                      << QByteArray("0000 Sin caja") << QString();
    QTest::addRow("entry shorter than width")
        << Entries{"7"} << 2 << QByteArray("07") << QByteArray("7") << QString();
    QTest::addRow("leading blanks of the code")
        << Entries{"07 Fonasa"} << 2 << QByteArray("  7") << QByteArray("07 Fonasa") << QString();
    // "1 " ends in a blank: the conversion fails there, after "01 A" matched; the caller shows blank.
    QTest::addRow("entry part ends in blank")
        << Entries{"01 A", "1 B", "01 C"} << 2 << QByteArray("1") << QByteArray("01 A")
        << QStringLiteral("'1 ' is not a valid integer value");
    QTest::addRow("empty code") << Entries{"01 A"} << 2 << QByteArray() << none
                                << QStringLiteral("'' is not a valid integer value");
    QTest::addRow("code with trailing blank") << Entries{"01 A"} << 2 << QByteArray("1 ") << none
                                              << QStringLiteral("'1 ' is not a valid integer value");
    QTest::addRow("letter code") << Entries{"A Primer tramo"} << 1 << QByteArray("A") << none
                                 << QStringLiteral("'A' is not a valid integer value");
    QTest::addRow("cp1252 in message") << Entries{"\3211 X"} << 2 << QByteArray("1") << none
                                       << QStringLiteral("'Ñ1' is not a valid integer value");
}

void TestTextUtils::buscaCodigo()
{
    QFETCH(Entries, entries);
    QFETCH(int, width);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, expected);
    QFETCH(QString, error);

    QByteArray result("untouched");
    std::optional<QString> raised;
    try {
        BuscaCodigo(entries, width, code, result);
    } catch (const AppError &e) {
        raised = e.message();
    }
    QCOMPARE(raised.value_or(QString()), error);
    QCOMPARE(raised.has_value(), !error.isEmpty());
    QCOMPARE(result, expected);
}

void TestTextUtils::rellena_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("pad");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("left drops blanks")
        << true << QByteArray("12 3") << QByteArray("0") << 6 << QByteArray("000123");
    QTest::addRow("left longer kept whole")
        << true << QByteArray("1234567") << QByteArray("0") << 4 << QByteArray("1234567");
    QTest::addRow("left exact") << true << QByteArray("12") << QByteArray("0") << 2 << QByteArray("12");
    QTest::addRow("left all blanks") << true << QByteArray("   ") << QByteArray("0") << 2 << QByteArray("00");
    QTest::addRow("left blanks counted after removal")
        << true << QByteArray(" 1 ") << QByteArray("0") << 2 << QByteArray("01");
    QTest::addRow("left pad repeated not cut")
        << true << QByteArray("1") << QByteArray("ab") << 3 << QByteArray("abab1");
    QTest::addRow("left cp1252") << true << QByteArray("\xD1") << QByteArray("0") << 3
                                 << QByteArray("00\xD1");
    QTest::addRow("right pads") << false << QByteArray("AB") << QByteArray(" ") << 5 << QByteArray("AB   ");
    QTest::addRow("right longer kept whole")
        << false << QByteArray("ABCDEF") << QByteArray(" ") << 5 << QByteArray("ABCDEF");
    QTest::addRow("right keeps blanks")
        << false << QByteArray(" A B") << QByteArray(" ") << 6 << QByteArray(" A B  ");
    QTest::addRow("right empty") << false << QByteArray() << QByteArray(" ") << 3 << QByteArray("   ");
    QTest::addRow("right width 0") << false << QByteArray("A") << QByteArray(" ") << 0 << QByteArray("A");
}

void TestTextUtils::rellena()
{
    QFETCH(bool, left);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, pad);
    QFETCH(int, width);
    QFETCH(QByteArray, expected);
    QCOMPARE(left ? RellenaIzquierda(text, pad, width) : RellenaDerecha(text, pad, width), expected);
}

void TestTextUtils::quitaCaracter_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("c");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("period") << QByteArray("05/2024") << QByteArray("/") << QByteArray("052024");
    QTest::addRow("empty period mask") << QByteArray("  /    ") << QByteArray("/") << QByteArray("      ");
    QTest::addRow("every occurrence") << QByteArray("1-2-3") << QByteArray("-") << QByteArray("123");
    QTest::addRow("longer c removes nothing")
        << QByteArray("05//2024") << QByteArray("//") << QByteArray("05//2024");
    QTest::addRow("empty c removes nothing") << QByteArray("ab") << QByteArray() << QByteArray("ab");
    QTest::addRow("cp1252 byte") << QByteArray("A\321B\xD1") << QByteArray("\xD1") << QByteArray("AB");
}

void TestTextUtils::quitaCaracter()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, c);
    QFETCH(QByteArray, expected);
    QCOMPARE(QuitaCaracter(text, c), expected);
}

void TestTextUtils::reemplazaCaracter_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("decimal point") << QByteArray("1.25") << QByteArray(".") << QByteArray(",")
                                   << QByteArray("1,25");
    QTest::addRow("every occurrence")
        << QByteArray("1.2.3") << QByteArray(".") << QByteArray(",") << QByteArray("1,2,3");
    QTest::addRow("first character of to")
        << QByteArray("a.b") << QByteArray(".") << QByteArray(",;") << QByteArray("a,b");
    QTest::addRow("nothing to replace")
        << QByteArray("125") << QByteArray(".") << QByteArray(",") << QByteArray("125");
    QTest::addRow("empty to drops") << QByteArray("1.25") << QByteArray(".") << QByteArray()
                                    << QByteArray("125");
    QTest::addRow("longer from replaces nothing")
        << QByteArray("1..2") << QByteArray("..") << QByteArray(",") << QByteArray("1..2");
}

void TestTextUtils::reemplazaCaracter()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QByteArray, expected);
    QCOMPARE(ReemplazaCaracter(text, from, to), expected);
}

void TestTextUtils::fechas_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");

    QTest::addRow("january") << QDate(2024, 1, 31) << 2024 << 1;
    QTest::addRow("december") << QDate(1999, 12, 1) << 1999 << 12;
    QTest::addRow("leap day") << QDate(2028, 2, 29) << 2028 << 2;
}

void TestTextUtils::fechas()
{
    QFETCH(QDate, date);
    QFETCH(int, year);
    QFETCH(int, month);
    QCOMPARE(int(AnoDeFecha(date)), year);
    QCOMPARE(int(MesDeFecha(date)), month);
}

QTEST_GUILESS_MAIN(TestTextUtils)
#include "tst_textutils.moc"
