#include "codes/CodeLookup.h"

#include <QTest>

using Entries = QList<QByteArray>;

class TestCodeLookup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buscaCodigoTexto_data();
    void buscaCodigoTexto();
    void codeOf_data();
    void codeOf();
};

void TestCodeLookup::buscaCodigoTexto_data()
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

void TestCodeLookup::buscaCodigoTexto()
{
    QFETCH(Entries, entries);
    QFETCH(int, width);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, expected);
    QByteArray result("kept");
    BuscaCodigoTexto(entries, width, code, result);
    QCOMPARE(result, expected);
}

void TestCodeLookup::codeOf_data()
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

void TestCodeLookup::codeOf()
{
    QFETCH(QByteArray, text);
    QFETCH(int, width);
    QFETCH(bool, read);
    QFETCH(double, value);
    const std::optional<double> code = codelookup::codeOf(text, width);
    QCOMPARE(code.has_value(), read);
    if (read)
        QCOMPARE(*code, value);
}

QTEST_GUILESS_MAIN(TestCodeLookup)
#include "tst_codelookup.moc"
