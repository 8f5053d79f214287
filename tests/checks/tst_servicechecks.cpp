#include "CheckedLine.h"
#include "TestLocale.h"

#include "checks/ServiceChecks.h"

#include <QTest>

class TestServiceChecks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachRule_data();
    void eachRule();
    void reasons_data();
    void reasons();
};

void TestServiceChecks::eachRule_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("otherField"); // set first, when the rule reads another field
    QTest::addColumn<QByteArray>("otherValue");
    QTest::addColumn<bool>("observed");

    const auto row = [](const char *name, const char *field, const char *value, bool observed,
                        const char *otherField = "", const char *otherValue = "") {
        QTest::addRow("%s", name) << QByteArray(field) << QByteArray(value) << QByteArray(otherField)
                                  << QByteArray(otherValue) << observed;
    };
    row("rut 1", "rut", "1", false, "dv", "9");
    row("rut 0", "rut", "0", true);
    row("rut of nine digits", "rut", "100000000", true);
    row("dv right", "dv", "5", false);
    row("dv wrong", "dv", "K", true);
    row("dv lower-case k", "dv", "k", true, "rut", "6");
    row("dv K", "dv", "K", false, "rut", "6");
    row("name given", "ape_mat", "DE LA FUENTE", false);
    row("name blank", "nombres", "   ", true);
    row("sexo M", "sexo", "M", false);
    row("sexo X", "sexo", "X", true);
    row("nacion 1", "nacion", "1", false);
    row("nacion 2", "nacion", "2", true);
    row("code by number", "tipo_pago", "1", false);
    row("code not in its table", "tipo_pago", "05", true);
    row("code empty", "cod_CCAF", "", true);
    row("period from december", "remu_desde", "122024", false);
    row("period from month 13", "remu_desde", "132024", true);
    row("period from 1979", "remu_desde", "011979", true);
    row("period to after", "remu_hasta", "022024", false);
    row("period to before", "remu_hasta", "122023", true);
    row("regimen INP", "reg_previ", "INP", false);
    row("regimen XYZ", "reg_previ", "XYZ", true);
    row("days 30", "dias_trab", "30", false);
    row("days 31", "dias_trab", "31", true);
    row("date none", "Fecha_Desde", "00-00-0000", false);
    row("date not real", "Fecha_Desde", "31-02-2024", true);
    row("date missing for movement 3", "Fecha_Desde", "", true, "cod_mov", "3");
    row("date for movement 3", "Fecha_Desde", "01/05/2024", false, "cod_mov", "3");
    row("date to after", "Fecha_Hasta", "11-05-2024", false, "Fecha_Desde", "10-05-2024");
    row("date to before", "Fecha_Hasta", "09-05-2024", true, "Fecha_Desde", "10-05-2024");
    row("tramo as text", "Tramo_Fam", "A", false);
    row("tramo lower-case", "Tramo_Fam", "a", true);
    row("simple dependants 13", "num_car_sim", "13", false);
    row("simple dependants 14", "num_car_sim", "14", true);
    row("maternal dependants -1", "num_car_mat", "-1", true);
    row("young worker S", "sub_trab_jov", "S", false);
    row("young worker X", "sub_trab_jov", "X", true);
    row("voluntary afp empty", "cod_afp_volun", "", false);
    row("voluntary afp 99", "cod_afp_volun", "99", true);
    row("voluntary movement 10", "cod_mov_per_volun", "10", false);
    row("voluntary movement 5", "cod_mov_per_volun", "5", true);
    row("other rut letters", "rut_afi_volun", "12A", true);
    row("other dv right", "dv_afi_volun", "5", false, "rut_afi_volun", "12345678");
    row("other dv wrong", "dv_pag_subs", "4", true, "rut_pag_subs", "12345678");
    row("other dv without rut", "dv_pag_subs", "4", false, "rut_pag_subs", "0");
    row("amount", "impo_afp", "12345678", false);
    row("amount negative", "impo_afp", "-100", true);
    row("amount with cents", "impo_afp", "100,5", true);
    row("amount too wide", "impo_afp", "123456789", true);
    row("rate with a fraction", "porc_trab_pesado", "2,5", false);
    row("rate too wide", "porc_trab_pesado", "123456", true);
    row("cp1252 letter", "ape_pat",
        "AG\xDC"
        "ERO",
        false);
    row("utf-8 letter", "ape_pat",
        "AG\xC3\x9C"
        "ERO",
        true);
}

void TestServiceChecks::eachRule()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, otherField);
    QFETCH(QByteArray, otherValue);
    QFETCH(bool, observed);
    const TestLocale regional("es_CL");
    RecordTable table;
    table.open();
    if (otherField.isEmpty())
        appendCheckedLine(table, {{field.constData(), value}});
    else
        appendCheckedLine(table, {{otherField.constData(), otherValue}, {field.constData(), value}});
    const CodeTables codes = testCodeTables();
    const int position = RecordTable::fieldIndex(field);

    const servicechecks::CellSet cells = servicechecks::check(table, 0, codes);
    QCOMPARE(cells.contains(position), observed);
    QCOMPARE(cells.count(), observed ? 1 : 0); // the rest of the line passes
    QCOMPARE(servicechecks::reason(table, 0, position, codes).isEmpty(), !observed);
}

void TestServiceChecks::reasons_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("reason");

    QTest::addRow("check character") << QByteArray("dv") << QByteArray("K")
                                     << QStringLiteral("El dígito verificador de 12345678 es 5, no K");
    QTest::addRow("code") << QByteArray("tipo_pago") << QByteArray("05")
                          << QStringLiteral("\"05\" no es un código de la tabla TipoPago");
    QTest::addRow("negative amount")
        << QByteArray("impo_afp") << QByteArray("-100")
        << QStringLiteral("-100 es negativo: el formato por posición lo escribe 0000-100, que se lee como 0");
    QTest::addRow("utf-8") << QByteArray("ape_pat")
                           << QByteArray("AG\xC3\x9C"
                                         "ERO")
                           << QStringLiteral(
                                  "\"AGÃœERO\" trae un carácter escrito en UTF-8: debe ser \"AGÜERO\"");
}

void TestServiceChecks::reasons()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, value);
    QFETCH(QString, reason);
    const TestLocale regional("es_CL");
    RecordTable table;
    table.open();
    appendCheckedLine(table, {{field.constData(), value}});
    QCOMPARE(servicechecks::reason(table, 0, RecordTable::fieldIndex(field), testCodeTables()), reason);
}

QTEST_GUILESS_MAIN(TestServiceChecks)
#include "tst_servicechecks.moc"
