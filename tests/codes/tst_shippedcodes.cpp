#include "codes/CodeSections.h"
#include "codes/CodeTableFile.h"
#include "util/ProgramInfo.h"

#include "TestFiles.h"

#include "TestFiles.h"

#include <QFile>
#include <QSet>
#include <QTest>

// The code tables shipped beside the program, and the catalogue that reads them.
class TestShippedCodes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void catalogue_data();
    void catalogue();
    void officialTables_data();
    void officialTables();
    void entriesHaveTheirCodeWidth_data();
    void entriesHaveTheirCodeWidth();
    void addModeDefaults_data();
    void addModeDefaults();
    void fileIsCp1252WithCrLf();
    void filePath();
};

namespace {

const QString kShipped = QStringLiteral(SHIPPED_CODE_TABLES);

} // namespace

void TestShippedCodes::catalogue_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("caption");

    QTest::addRow("TipoPago") << 0 << QByteArray("TipoPago") << 2 << QStringLiteral("Modifica Tipo de Pago");
    QTest::addRow("Tipo Trabajador") << 1 << QByteArray("Tipo Trabajador") << 1
                                     << QStringLiteral("Modifica Tipo de Trabajador");
    QTest::addRow("Movimiento Personal")
        << 2 << QByteArray("Movimiento Personal") << 2 << QStringLiteral("Modifica Movimiento Personal");
    QTest::addRow("Tramo Familiar") << 3 << QByteArray("Tramo Familiar") << 1
                                    << QStringLiteral("Modifica Tramo Familiar");
    QTest::addRow("Nombre AFP") << 4 << QByteArray("Nombre AFP") << 2 << QStringLiteral("Modifica AFP");
    QTest::addRow("Codigo Caja") << 5 << QByteArray("Codigo Caja") << 4
                                 << QStringLiteral("Modifica Cajas Ex Régimen");
    QTest::addRow("Isapres") << 6 << QByteArray("Isapres") << 2 << QStringLiteral("Modifica Isapres");
    QTest::addRow("CCAF") << 7 << QByteArray("CCAF") << 2 << QStringLiteral("Modifica CCAF");
    QTest::addRow("Mutual") << 8 << QByteArray("Mutual") << 2
                            << QStringLiteral("Modifica Mutual de Seguridad");
    QTest::addRow("APV") << 9 << QByteArray("APV") << 3 << QStringLiteral("Modifica APV");
    QTest::addRow("Movimiento Voluntario") << 10 << QByteArray("Movimiento Voluntario") << 2 << QString();
    QTest::addRow("Tipo Linea") << 11 << QByteArray("Tipo Linea") << 2
                                << QStringLiteral("Modifica Tipo Linea");
}

void TestShippedCodes::catalogue()
{
    QFETCH(int, index);
    QFETCH(QByteArray, name);
    QFETCH(int, width);
    QFETCH(QString, caption);

    const auto table = CodeTable(index);
    QCOMPARE(codesections::name(table), QByteArrayView(name));
    QCOMPARE(codesections::width(table), width);
    QCOMPARE(codesections::caption(table).toString(), caption);
    QCOMPARE(codesections::caption(table).isNull(), caption.isNull());
    QCOMPARE(&codesections::at(index), &codesections::section(table));
    QCOMPARE(codesections::find(name.toLower()), &codesections::section(table));
}

void TestShippedCodes::officialTables_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < codesections::kCount; ++i)
        QTest::addRow("%s", codesections::at(i).name) << i;
}

void TestShippedCodes::officialTables()
{
    // The equivalence tables of the service's published format, with the program's own decisions.
    QFETCH(int, index);
    const char *name = codesections::at(index).name;
    const QList<QByteArray> official =
        readSection(dataFile(QStringLiteral("official_code_tables.cfg")), name);
    QVERIFY(!official.isEmpty());
    QCOMPARE(readSection(kShipped, name), official);
}

void TestShippedCodes::entriesHaveTheirCodeWidth_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < codesections::kCount; ++i)
        QTest::addRow("%s", codesections::at(i).name) << i;
}

void TestShippedCodes::entriesHaveTheirCodeWidth()
{
    QFETCH(int, index);
    const CodeSection &section = codesections::at(index);
    const QList<QByteArray> entries = readSection(kShipped, section.name);
    QVERIFY2(!entries.isEmpty(), section.name);
    QSet<QByteArray> codes;
    for (const QByteArray &entry : entries) {
        const QByteArray code = entry.left(section.width);
        const bool letterCode = CodeTable(index) == CodeTable::TramoFamiliar;
        for (const char c : code)
            QVERIFY2(letterCode ? (c >= 'A' && c <= 'Z') : (c >= '0' && c <= '9'), entry.constData());
        QVERIFY2(entry.size() > section.width + 1, entry.constData());
        QVERIFY2(entry[section.width] == ' ' && entry[section.width + 1] != ' ', entry.constData());
        QVERIFY2(!codes.contains(code), entry.constData());
        codes.insert(code);
    }
}

void TestShippedCodes::addModeDefaults_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("entry");

    const auto row = [](const char *name, CodeTable table, int position, const char *entry) {
        QTest::addRow("%s", name) << int(table) << position << QByteArray(entry);
    };
    row("TipoPago first", CodeTable::TipoPago, 0, "01 Remuneraciones del mes");
    row("Tipo Trabajador first", CodeTable::TipoTrabajador, 0, "0 Activo (no pensionado)");
    row("Movimiento Personal first", CodeTable::MovimientoPersonal, 0, "00 Sin movimiento en el mes");
    row("Tramo Familiar fourth", CodeTable::TramoFamiliar, 3,
        "D Sin derecho (tambi\xE9n sin informaci\xF3n)");
    row("Nombre AFP first", CodeTable::NombreAfp, 0, "33 Capital");
    row("Codigo Caja first", CodeTable::CodigoCaja, 0, "0000 No pertenece al IPS");
    row("Isapres sixth", CodeTable::Isapres, 5, "07 Fonasa");
    // Five CCAFs: the sixth-entry default leaves the choice to the user.
    row("CCAF has no sixth", CodeTable::Ccaf, 5, nullptr);
    row("Mutual fourth", CodeTable::Mutual, 3, "01 Asociaci\xF3n Chilena de Seguridad (ACHS)");
    row("APV first", CodeTable::Apv, 0, "000 No cotiza APV");
    row("Tipo Linea first", CodeTable::TipoLinea, 0, "00 L\xEDnea principal o base");
}

void TestShippedCodes::addModeDefaults()
{
    QFETCH(int, index);
    QFETCH(int, position);
    QFETCH(QByteArray, entry);
    const QList<QByteArray> entries = readSection(kShipped, codesections::at(index).name);
    QCOMPARE(entries.value(position), entry);
}

void TestShippedCodes::fileIsCp1252WithCrLf()
{
    const QByteArray bytes = fileBytes(kShipped);
    QVERIFY(!bytes.isEmpty());
    QVERIFY(bytes.startsWith(';'));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(!bytes.contains("\xC3")); // a UTF-8 letter with an accent starts with this byte
    QVERIFY(bytes.contains("03 Los H\xE9roes=2\r\n"));
}

void TestShippedCodes::filePath()
{
    programinfo::setProgramFolder(QStringLiteral("/opt/texmendo"));
    QCOMPARE(programinfo::codeTableFilePath(), QStringLiteral("/opt/texmendo/Tarvinel.cfg"));
    programinfo::setProgramFolder(QString());
}

QTEST_GUILESS_MAIN(TestShippedCodes)
#include "tst_shippedcodes.moc"
