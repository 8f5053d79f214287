#include "app/JDGMessage.h"
#include "model/FieldCatalogue.h"
#include "model/LineLayout.h"
#include "model/RecordTable.h"
#include "ui/editor/DatosTarvinelFields.h"
#include "ui/editor/PageControl.h"
#include "ui/editor/UnitDatosTarvinel.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"
#include "util/Cp1252.h"
#include "util/ProgramInfo.h"

#include "Controls.h"
#include "FullLine.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "TestLocale.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// The code tables of most tests, with enough entries for every add-mode default position.
const QByteArray kCodes = fileBytes(testCodeTablePath());

// Replaces one section of kCodes by the given entries.
QByteArray codesWith(const QByteArray &section, const QList<QByteArray> &entries)
{
    QByteArray codes;
    const QList<QByteArray> parts = kCodes.split('[');
    for (const QByteArray &part : parts) {
        if (part.isEmpty())
            continue;
        if (part.startsWith(section + ']')) {
            codes += '[' + section + "]\r\n";
            for (qsizetype i = 0; i < entries.size(); ++i)
                codes += entries[i] + '=' + QByteArray::number(i) + "\r\n";
        } else {
            codes += '[' + part;
        }
    }
    return codes;
}

// Everything of a table that a refused save must leave as it was.
struct TableState {
    int rows = 0;
    int current = -1;
    bool pending = false;
    quint64 revision = 0;
    QList<QByteArray> cells; // every field of every row, "<null>" for unset

    static TableState of(const RecordTable &table)
    {
        TableState s;
        s.rows = table.rowCount();
        s.current = table.currentRow();
        s.pending = table.isPending();
        s.revision = table.revision();
        for (int row = 0; row < table.rowCount(); ++row) {
            for (int field = 0; field < RecordTable::fieldCount(); ++field)
                s.cells << (table.isNullAt(row, field) ? QByteArray("<null>") : table.textAt(row, field));
        }
        return s;
    }
};

bool focusIsOn(const QWidget *window, const QWidget *control)
{
    const QWidget *focus = window->focusWidget();
    return focus && (focus == control || control->isAncestorOf(focus));
}

} // namespace

class TestDatosTarvinel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void loadsCodes_data();
    void loadsCodes();
    void loadsRemuHasta_data();
    void loadsRemuHasta();
    void loadsRadioGroups_data();
    void loadsRadioGroups();
    void loadsDates_data();
    void loadsDates();
    void loadsNumbers_data();
    void loadsNumbers();
    void loadsEmptyTable();
    void addDefaults_data();
    void addDefaults();
    void addDefaultsOnShortLists();
    void missingCodeFile();
    void codesReadAtEveryOpening();

    void checks_data();
    void checks();
    void cargasSimples_data();
    void cargasSimples();
    void typedCodes_data();
    void typedCodes();
    void periods_data();
    void periods();
    void emptyDateKeepsStored();
    void addModeStoresDefaults();
    void addInsertsInFrontOfCurrent();
    void modifyKeepsAnUntouchedLine();
    void modifyStoresChangedControls();
    void voluntaryMovement_data();
    void voluntaryMovement();
    void stopsLeaveTableUnchanged_data();
    void stopsLeaveTableUnchanged();
    void cancelLeavesTable();
    void throughThePlatform();

    void tabHighlighting();
    void tabOrder();
    void enterMovesOn();
    void nothingClipped_data();
    void nothingClipped();
    void officialCodesKeptUnchanged_data();
    void officialCodesKeptUnchanged();
    void regimes_data();
    void regimes();
    void storedTextKeepsItsCase_data();
    void storedTextKeepsItsCase();
    void tablesShowEveryFieldOnce();
    void amountsShowTheirLargestValue_data();
    void amountsShowTheirLargestValue();

private:
    void writeCodes(const QByteArray &content);
    std::unique_ptr<TFrmDatosTarvinel> open(bool addMode, QDate today = QDate(2024, 5, 15));
    // Fills what add mode needs beyond its defaults to pass the checks.
    static void fillRequired(TFrmDatosTarvinel &editor);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TestLocale> m_locale;
    std::unique_ptr<ScriptedPlatform> m_platform;
    RecordTable m_table;
};

void TestDatosTarvinel::init()
{
    m_locale = std::make_unique<TestLocale>("es_CL");
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    programinfo::setProgramFolder(m_folder->path());
    writeCodes(kCodes);
    m_platform = std::make_unique<ScriptedPlatform>();
    m_table.open();
}

void TestDatosTarvinel::cleanup()
{
    m_table.close();
    m_platform.reset();
    programinfo::setProgramFolder(QString());
    m_folder.reset();
    m_locale.reset();
}

void TestDatosTarvinel::writeCodes(const QByteArray &content)
{
    QVERIFY(writeFileBytes(m_folder->filePath(QStringLiteral("Tarvinel.cfg")), content));
}

std::unique_ptr<TFrmDatosTarvinel> TestDatosTarvinel::open(bool addMode, QDate today)
{
    auto editor = std::make_unique<TFrmDatosTarvinel>(m_table, addMode, nullptr, today);
    editor->show();
    return editor;
}

void TestDatosTarvinel::fillRequired(TFrmDatosTarvinel &editor)
{
    control<PictureEdit>(editor, "EdRut")->setValue(QStringLiteral("12345678"));
    control<UpperCaseEdit>(editor, "EdDV")->setText(QStringLiteral("5"));
    control<UpperCaseEdit>(editor, "EdApepat")->setText(QStringLiteral("PEREZ"));
    control<UpperCaseEdit>(editor, "EdApeMat")->setText(QStringLiteral("SOTO"));
    control<UpperCaseEdit>(editor, "EdNombres")->setText(QStringLiteral("ANA"));
}

void TestDatosTarvinel::loadsCodes_data()
{
    QTest::addColumn<QByteArray>("codes");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("shown");

    QTest::addRow("numeric match") << kCodes << QByteArray("tipo_pago") << QByteArray("1")
                                   << QStringLiteral("CBxTipoPago") << QStringLiteral("01 Remuneraciones");
    QTest::addRow("two entries, one code: the later")
        << codesWith("TipoPago", {"01 Primera", "01 Segunda"}) << QByteArray("tipo_pago") << QByteArray("1")
        << QStringLiteral("CBxTipoPago") << QStringLiteral("01 Segunda");
    QTest::addRow("non-numeric code part before the match")
        << codesWith("TipoPago", {"1 Corto", "01 Remuneraciones"}) << QByteArray("tipo_pago")
        << QByteArray("1") << QStringLiteral("CBxTipoPago") << QString();
    QTest::addRow("code not in the table")
        << kCodes << QByteArray("tipo_pago") << QByteArray("9") << QStringLiteral("CBxTipoPago") << QString();
    QTest::addRow("stored code not a number")
        << kCodes << QByteArray("tipo_pago") << QByteArray("X") << QStringLiteral("CBxTipoPago") << QString();
    QTest::addRow("caja 0 matches 0000")
        << kCodes << QByteArray("cod_ex_caja") << QByteArray("0") << QStringLiteral("CBxCodCajaReg")
        << QStringLiteral("0000 Sin caja");
    QTest::addRow("caja 0 without a 0 entry")
        << codesWith("Codigo Caja", {"0012 Caja doce"}) << QByteArray("cod_ex_caja") << QByteArray("0")
        << QStringLiteral("CBxCodCajaReg") << QString();
    QTest::addRow("desahucio caja from the same table")
        << kCodes << QByteArray("cod_ex_caja_des") << QByteArray("12") << QStringLiteral("CBxCodCajaDesa")
        << QStringLiteral("0012 Caja doce");
    QTest::addRow("Tramo B") << kCodes << QByteArray("Tramo_Fam") << QByteArray("B")
                             << QStringLiteral("CBxTramoFam") << QStringLiteral("B Segundo");
    QTest::addRow("Tramo b matches nothing")
        << kCodes << QByteArray("Tramo_Fam") << QByteArray("b") << QStringLiteral("CBxTramoFam") << QString();
    QTest::addRow("worker type, width 1")
        << kCodes << QByteArray("tipo_trab") << QByteArray("1") << QStringLiteral("CBxTTrabajador")
        << QStringLiteral("1 Pensionado");
    QTest::addRow("AFP 8 shows 08") << kCodes << QByteArray("nom_AFP") << QByteArray("8")
                                    << QStringLiteral("CBxAfp") << QStringLiteral("08 ProVida");
    QTest::addRow("voluntary AFP from the AFP table")
        << kCodes << QByteArray("cod_afp_volun") << QByteArray("33") << QStringLiteral("CBxAfpVolun")
        << QStringLiteral("33 Capital");
    QTest::addRow("APV, width 3") << kCodes << QByteArray("inst_apvc") << QByteArray("33")
                                  << QStringLiteral("CBxAPVC") << QStringLiteral("033 AFP Capital");
    QTest::addRow("Isapre") << kCodes << QByteArray("cod_inst_salud") << QByteArray("7")
                            << QStringLiteral("CBxIsapre") << QStringLiteral("07 Fonasa");
    QTest::addRow("CCAF") << kCodes << QByteArray("cod_CCAF") << QByteArray("0")
                          << QStringLiteral("CBxCodigoCcaf") << QStringLiteral("00 Sin CCAF");
    QTest::addRow("Mutual") << kCodes << QByteArray("cod_mutual") << QByteArray("1")
                            << QStringLiteral("CBxMutual") << QStringLiteral("01 ACHS");
    QTest::addRow("line type") << kCodes << QByteArray("tipo_linea") << QByteArray("01")
                               << QStringLiteral("CBxTipoLinea") << QStringLiteral("01 Adicional");
    QTest::addRow("personnel movement")
        << kCodes << QByteArray("cod_mov") << QByteArray("1") << QStringLiteral("CBxMovPersonal")
        << QStringLiteral("01 Contratacion");
}

void TestDatosTarvinel::loadsCodes()
{
    QFETCH(QByteArray, codes);
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, stored);
    QFETCH(QString, box);
    QFETCH(QString, shown);
    writeCodes(codes);
    appendLine(m_table, {{field, stored}}, 1);
    const auto editor = open(false);
    const auto *combo = editor->findChild<CodeComboBox *>(box);
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), shown);
    QCOMPARE(combo->currentIndex() >= 0, !shown.isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestDatosTarvinel::loadsRemuHasta_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");

    QTest::addRow("single blank keeps the empty mask") << QByteArray(" ") << QStringLiteral("  /    ");
    QTest::addRow("empty") << QByteArray() << QStringLiteral("  /    ");
    QTest::addRow("000000 is a period") << QByteArray("000000") << QStringLiteral("00/0000");
    QTest::addRow("a month") << QByteArray("122024") << QStringLiteral("12/2024");
}

void TestDatosTarvinel::loadsRemuHasta()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    appendLine(m_table, {{"remu_desde", "052024"}, {"remu_hasta", stored}}, 1);
    const auto editor = open(false);
    QCOMPARE(control<PictureEdit>(*editor, "EdPerHasta")->value(), shown);
    QCOMPARE(control<PictureEdit>(*editor, "EdPerDesde")->value(), QStringLiteral("05/2024"));
}

void TestDatosTarvinel::loadsRadioGroups_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("index");

    QTest::addRow("sexo F") << QByteArray("sexo") << QByteArray("F") << QStringLiteral("RGpSexo") << 0;
    QTest::addRow("sexo M") << QByteArray("sexo") << QByteArray("M") << QStringLiteral("RGpSexo") << 1;
    QTest::addRow("sexo other") << QByteArray("sexo") << QByteArray() << QStringLiteral("RGpSexo") << 1;
    QTest::addRow("nacion 1") << QByteArray("nacion") << QByteArray("1") << QStringLiteral("RGNacionalidad")
                              << 1;
    QTest::addRow("nacion 0") << QByteArray("nacion") << QByteArray("0") << QStringLiteral("RGNacionalidad")
                              << 0;
    QTest::addRow("nacion unset") << QByteArray("nacion") << QByteArray() << QStringLiteral("RGNacionalidad")
                                  << 0;
    QTest::addRow("AFP") << QByteArray("reg_previ") << QByteArray("AFP") << QStringLiteral("RGpRegPrevi")
                         << 0;
    QTest::addRow("IPS shows INP") << QByteArray("reg_previ") << QByteArray("IPS")
                                   << QStringLiteral("RGpRegPrevi") << 1;
    QTest::addRow("INP too") << QByteArray("reg_previ") << QByteArray("INP") << QStringLiteral("RGpRegPrevi")
                             << 1;
    QTest::addRow("subsidio S") << QByteArray("sub_trab_jov") << QByteArray("S")
                                << QStringLiteral("RGSubsiTrabajador") << 0;
    QTest::addRow("subsidio other") << QByteArray("sub_trab_jov") << QByteArray("s")
                                    << QStringLiteral("RGSubsiTrabajador") << 1;
    QTest::addRow("APVI 2") << QByteArray("forma_pago_apvi") << QByteArray("2")
                            << QStringLiteral("RGFormaPagoAPVI") << 1;
    QTest::addRow("APVI empty") << QByteArray("forma_pago_apvi") << QByteArray()
                                << QStringLiteral("RGFormaPagoAPVI") << 0;
    QTest::addRow("APVC 2") << QByteArray("forma_pago_apvc") << QByteArray("2")
                            << QStringLiteral("RGFormaPAgoAPVC") << 1;
    QTest::addRow("moneda 1 Pesos") << QByteArray("moneda_plan") << QByteArray("1")
                                    << QStringLiteral("RGpMonedaPlan") << 0;
    QTest::addRow("moneda 2 UF") << QByteArray("moneda_plan") << QByteArray("2")
                                 << QStringLiteral("RGpMonedaPlan") << 1;
    QTest::addRow("moneda other number UF")
        << QByteArray("moneda_plan") << QByteArray("3") << QStringLiteral("RGpMonedaPlan") << 1;
    QTest::addRow("moneda empty: none")
        << QByteArray("moneda_plan") << QByteArray() << QStringLiteral("RGpMonedaPlan") << -1;
    QTest::addRow("moneda letter: none")
        << QByteArray("moneda_plan") << QByteArray("P") << QStringLiteral("RGpMonedaPlan") << -1;
}

void TestDatosTarvinel::loadsRadioGroups()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, stored);
    QFETCH(QString, group);
    QFETCH(int, index);
    appendLine(m_table, {{field, stored}}, 1);
    const auto editor = open(false);
    const auto *radio = editor->findChild<RadioGroup *>(group);
    QVERIFY(radio);
    QCOMPARE(radio->itemIndex(), index);
}

void TestDatosTarvinel::loadsDates_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("shown");

    QTest::addRow("regional form") << QByteArray("es_CL") << QByteArray("01-05-2024") << QDate(2024, 5, 1)
                                   << QStringLiteral("01-05-2024");
    QTest::addRow("slashes under es_CL") << QByteArray("es_CL") << QByteArray("01/05/2024")
                                         << QDate(2024, 5, 1) << QStringLiteral("01-05-2024");
    QTest::addRow("dashes under a day-first / locale") << QByteArray("en_GB") << QByteArray("01-05-2024")
                                                       << QDate(2024, 5, 1) << QStringLiteral("01/05/2024");
    // The fallback puts the day first whatever the regional order; under en_US 01/05/2024 is 5 January.
    QTest::addRow("dashes under en_US") << QByteArray("en_US") << QByteArray("01-05-2024")
                                        << QDate(2024, 1, 5) << QStringLiteral("01/05/2024");
    QTest::addRow("ten blanks") << QByteArray("es_CL") << QByteArray("          ") << QDate() << QString();
    QTest::addRow("zero") << QByteArray("es_CL") << QByteArray("0") << QDate() << QString();
    QTest::addRow("not a date") << QByteArray("es_CL") << QByteArray("99-99-9999") << QDate() << QString();
}

void TestDatosTarvinel::loadsDates()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, stored);
    QFETCH(QDate, date);
    QFETCH(QString, shown);
    TestLocale regional(locale.constData());
    const QList<QByteArray> fields = {"Fecha_Desde",    "Fecha_Hasta",     "per_desde_sust",
                                      "per_hasta_sust", "fec_desde_volun", "fec_hasta_volun"};
    LineFields line;
    for (const QByteArray &f : fields)
        line.append({f, stored});
    appendLine(m_table, line, 1);
    const auto editor = open(false);
    for (const DateEdit *box :
         {control<DateEdit>(*editor, "DEdMovDesde"), control<DateEdit>(*editor, "DEdMovHasta"),
          control<DateEdit>(*editor, "DEdPerDesdeSust"), control<DateEdit>(*editor, "DEdPerHastaSust"),
          control<DateEdit>(*editor, "DEdDesdeVolun"), control<DateEdit>(*editor, "DEdHastaVolun")}) {
        QCOMPARE(box->date(), date);
        QCOMPARE(box->text(), shown);
    }
}

void TestDatosTarvinel::loadsNumbers_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("box");
    QTest::addColumn<double>("value");

    QTest::addRow("floating field") << QByteArray("impo_afp") << QByteArray("1234567")
                                    << QStringLiteral("CuEdImpoAFP") << 1234567.0;
    QTest::addRow("unset floating field is 0")
        << QByteArray("impo_afp") << QByteArray() << QStringLiteral("CuEdImpoAFP") << 0.0;
    QTest::addRow("text field") << QByteArray("dias_trab") << QByteArray("30")
                                << QStringLiteral("CuEdDiasTrab") << 30.0;
    QTest::addRow("empty text field keeps 0")
        << QByteArray("dias_trab") << QByteArray() << QStringLiteral("CuEdDiasTrab") << 0.0;
    QTest::addRow("unreadable text field keeps 0")
        << QByteArray("num_FUN") << QByteArray("12AB") << QStringLiteral("CuEdNumeroFun") << 0.0;
    QTest::addRow("rate with a decimal comma")
        << QByteArray("tasa_pac_afp") << QByteArray("2,5") << QStringLiteral("CuEdTasaPacSust") << 2.5;
    QTest::addRow("days clamped to 30")
        << QByteArray("num_per_cotiza") << QByteArray("45") << QStringLiteral("CuEdPerCotizaVolun") << 30.0;
}

void TestDatosTarvinel::loadsNumbers()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, stored);
    QFETCH(QString, box);
    QFETCH(double, value);
    appendLine(m_table, {{field, stored}}, 1);
    const auto editor = open(false);
    const auto *edit = editor->findChild<CurrencyEdit *>(box);
    QVERIFY(edit);
    QCOMPARE(edit->value(), value);
}

void TestDatosTarvinel::loadsEmptyTable()
{
    // Modify mode on an empty table: every control at its start value, no message.
    const auto editor = open(false);
    QCOMPARE(control<PictureEdit>(*editor, "EdRut")->value(), QString());
    QCOMPARE(control<CodeComboBox>(*editor, "CBxTipoPago")->currentText(), QString());
    QCOMPARE(control<CurrencyEdit>(*editor, "CuEdImpoAFP")->value(), 0.0);
    QCOMPARE(control<RadioGroup>(*editor, "RGpMonedaPlan")->itemIndex(), -1);
    QVERIFY(control<DateEdit>(*editor, "DEdMovDesde")->isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestDatosTarvinel::addDefaults_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("period");

    QTest::addRow("December") << QDate(2024, 12, 2) << QStringLiteral("12/2024");
    QTest::addRow("May") << QDate(2024, 5, 20) << QStringLiteral("05/2024");
}

void TestDatosTarvinel::addDefaults()
{
    QFETCH(QDate, today);
    QFETCH(QString, period);
    appendLine(m_table, kFullLine, 1); // add mode ignores the current line
    const auto editor = open(true, today);
    QCOMPARE(control<PictureEdit>(*editor, "EdPerDesde")->value(), period);
    QCOMPARE(control<PictureEdit>(*editor, "EdPerHasta")->value(), PictureEdit::emptyMonthYear());
    QCOMPARE(control<RadioGroup>(*editor, "RGpSexo")->itemIndex(), 0);
    QCOMPARE(control<RadioGroup>(*editor, "RGNacionalidad")->itemIndex(), 0);
    QCOMPARE(control<RadioGroup>(*editor, "RGpRegPrevi")->itemIndex(), 0);
    QCOMPARE(control<RadioGroup>(*editor, "RGSubsiTrabajador")->itemIndex(), 1);
    QCOMPARE(control<RadioGroup>(*editor, "RGFormaPagoAPVI")->itemIndex(), -1);
    QCOMPARE(control<RadioGroup>(*editor, "RGFormaPAgoAPVC")->itemIndex(), -1);
    QCOMPARE(control<RadioGroup>(*editor, "RGpMonedaPlan")->itemIndex(), 0);
    QCOMPARE(control<CodeComboBox>(*editor, "CBxTipoPago")->currentText(),
             QStringLiteral("01 Remuneraciones"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxTTrabajador")->currentText(), QStringLiteral("0 Activo"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxMovPersonal")->currentText(),
             QStringLiteral("00 Sin movimiento"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxTramoFam")->currentText(), QStringLiteral("D Sin derecho"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxAfp")->currentText(), QStringLiteral("33 Capital"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxCodCajaReg")->currentText(), QStringLiteral("0000 Sin caja"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxCodCajaDesa")->currentText(),
             QStringLiteral("0000 Sin caja"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxIsapre")->currentText(), QStringLiteral("07 Fonasa"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxCodigoCcaf")->currentText(), QStringLiteral("00 Sin CCAF"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxMutual")->currentText(), QStringLiteral("01 ACHS"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxApvi")->currentText(), QStringLiteral("000 Sin APV"));
    QCOMPARE(control<CodeComboBox>(*editor, "CBxAPVC")->currentText(), QString());
    QCOMPARE(control<CodeComboBox>(*editor, "CBxTipoLinea")->currentText(), QString());
    QCOMPARE(control<CodeComboBox>(*editor, "CBxAfpVolun")->currentText(), QString());
    QCOMPARE(control<CodeComboBox>(*editor, "CBxMovVolun")->currentText(), QString());
    for (const UpperCaseEdit *count :
         {control<UpperCaseEdit>(*editor, "EdCargasSimples"),
          control<UpperCaseEdit>(*editor, "EdCargasMater"), control<UpperCaseEdit>(*editor, "EdCargasInva")})
        QCOMPARE(count->text(), QStringLiteral("0"));
    QCOMPARE(control<PictureEdit>(*editor, "EdRut")->value(), QString());
    QCOMPARE(control<UpperCaseEdit>(*editor, "EdApepat")->text(), QString());
    QCOMPARE(control<CurrencyEdit>(*editor, "CuEdImpoAFP")->value(), 0.0);
    QVERIFY(control<DateEdit>(*editor, "DEdMovDesde")->isEmpty());
    QCOMPARE(editor->period().Ano, QByteArray::number(today.year()));
}

void TestDatosTarvinel::addDefaultsOnShortLists()
{
    // A position beyond the end of a shorter list leaves the box without a selection.
    QByteArray codes = codesWith("Isapres", {"01 I1", "02 I2", "03 I3", "04 I4", "05 I5"});
    writeCodes(codes);
    const auto editor = open(true);
    QCOMPARE(control<CodeComboBox>(*editor, "CBxIsapre")->count(), 5);
    QCOMPARE(control<CodeComboBox>(*editor, "CBxIsapre")->currentIndex(), -1);
    QCOMPARE(control<CodeComboBox>(*editor, "CBxIsapre")->currentText(), QString());
    QCOMPARE(control<CodeComboBox>(*editor, "CBxCodigoCcaf")->currentText(), QStringLiteral("00 Sin CCAF"));
}

void TestDatosTarvinel::missingCodeFile()
{
    QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("Tarvinel.cfg"))));
    const auto editor = open(true);
    QCOMPARE(control<CodeComboBox>(*editor, "CBxTipoPago")->count(), 0);
    QCOMPARE(control<CodeComboBox>(*editor, "CBxTipoPago")->currentText(), QString());
    QCOMPARE(control<CodeComboBox>(*editor, "CBxIsapre")->count(), 0);
    // The built-in entry is there whatever the file holds.
    QCOMPARE(control<CodeComboBox>(*editor, "CBxMovVolun")->count(), 1);
    QCOMPARE(control<CodeComboBox>(*editor, "CBxMovVolun")->itemText(0),
             QStringLiteral("10 Cese Cotiza. Afiliado Voluntario"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestDatosTarvinel::codesReadAtEveryOpening()
{
    {
        const auto first = open(true);
        QCOMPARE(control<CodeComboBox>(*first, "CBxTipoPago")->count(), 2);
        QCOMPARE(control<CodeComboBox>(*first, "CBxMovVolun")->count(), 3);
        QCOMPARE(control<CodeComboBox>(*first, "CBxMovVolun")->itemText(1),
                 QStringLiteral("00 Sin movimiento"));
    }
    writeCodes(codesWith("TipoPago", {"05 Nueva"}));
    const auto second = open(true);
    QCOMPARE(control<CodeComboBox>(*second, "CBxTipoPago")->count(), 1);
    QCOMPARE(control<CodeComboBox>(*second, "CBxTipoPago")->currentText(), QStringLiteral("05 Nueva"));
}

void TestDatosTarvinel::checks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("focus");

    QTest::addRow("all good") << QString() << QString() << QString() << QString();
    QTest::addRow("1 no RUT") << QStringLiteral("EdRut") << QString()
                              << QStringLiteral("Debe ingresar el rut del empleado")
                              << QStringLiteral("EdRut");
    QTest::addRow("2 no check character")
        << QStringLiteral("EdDV") << QString()
        << QStringLiteral("Debe ingresar el digito verificador del Rut") << QStringLiteral("EdDV");
    QTest::addRow("3 K for 12345678")
        << QStringLiteral("EdDV") << QStringLiteral("K")
        << QStringLiteral("El Digito verificador no corresponde al Rut") << QStringLiteral("EdDV");
    QTest::addRow("3 wrong digit") << QStringLiteral("EdDV") << QStringLiteral("4")
                                   << QStringLiteral("El Digito verificador no corresponde al Rut")
                                   << QStringLiteral("EdDV");
    QTest::addRow("4 no apellido paterno")
        << QStringLiteral("EdApepat") << QString() << QStringLiteral("Ingrese el apellido paterno")
        << QStringLiteral("EdApepat");
    QTest::addRow("5 no apellido materno")
        << QStringLiteral("EdApeMat") << QString() << QStringLiteral("Ingrese el apellido materno")
        << QStringLiteral("EdApeMat");
    QTest::addRow("6 no nombres") << QStringLiteral("EdNombres") << QString()
                                  << QStringLiteral("Ingrese el nombre del empleado")
                                  << QStringLiteral("EdNombres");
    QTest::addRow("7 fourteen cargas")
        << QStringLiteral("EdCargasSimples") << QStringLiteral("14")
        << QStringLiteral("El número de cargas simples no puede ser mayor a 13")
        << QStringLiteral("EdCargasSimples");
    // The checks run in order: the first that fails is the one shown.
    QTest::addRow("RUT before names")
        << QStringLiteral("EdRut") << QString() << QStringLiteral("Debe ingresar el rut del empleado")
        << QStringLiteral("EdRut");
}

void TestDatosTarvinel::checks()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    appendLine(m_table, kFullLine, 1);
    const TableState before = TableState::of(m_table);
    const auto editor = open(false);
    if (QTest::currentDataTag() == QByteArray("RUT before names"))
        control<UpperCaseEdit>(*editor, "EdApepat")->clear();
    if (!box.isEmpty()) {
        QWidget *w = editor->findChild<QWidget *>(box);
        QVERIFY(w);
        if (auto *picture = qobject_cast<PictureEdit *>(w))
            picture->setValue(value);
        else
            static_cast<QLineEdit *>(w)->setText(value);
    }
    control<PageControl>(*editor, "PageControl1")->setCurrentIndex(DatosTarvinelUi::TabCcaf);
    editor->BitBtn1Click();

    if (message.isEmpty()) {
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(editor->result(), int(QDialog::Accepted));
        return;
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage(), message);
    QCOMPARE(m_platform->messages.constLast().caption, programinfo::title());
    QVERIFY(editor->isVisible());
    QCOMPARE(control<PageControl>(*editor, "PageControl1")->currentIndex(),
             int(DatosTarvinelUi::TabTrabajador));
    QVERIFY(focusIsOn(editor.get(), editor->findChild<QWidget *>(focus)));
    const TableState after = TableState::of(m_table);
    QCOMPARE(after.rows, before.rows);
    QCOMPARE(after.pending, false);
    QCOMPARE(after.cells, before.cells);
}

void TestDatosTarvinel::cargasSimples_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("stored");

    QTest::addRow("13 accepted") << QStringLiteral("13") << QString() << QByteArray("13");
    QTest::addRow("14 refused") << QStringLiteral("14")
                                << QStringLiteral("El número de cargas simples no puede ser mayor a 13")
                                << QByteArray("2");
    // A passes check 7 and fails when it is converted to a number.
    QTest::addRow("A passes check 7, fails the conversion")
        << QStringLiteral("A") << QStringLiteral("'A' is not a valid floating point value.")
        << QByteArray("2");
    QTest::addRow("empty stores 0") << QString() << QString() << QByteArray("0");
    QTest::addRow("lower case typed becomes upper")
        << QStringLiteral("a") << QStringLiteral("'A' is not a valid floating point value.")
        << QByteArray("2");
}

void TestDatosTarvinel::cargasSimples()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QByteArray, stored);
    appendLine(m_table, kFullLine, 1);
    const auto editor = open(false);
    control<UpperCaseEdit>(*editor, "EdCargasSimples")->clear();
    QTest::keyClicks(control<UpperCaseEdit>(*editor, "EdCargasSimples"), typed);
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), message);
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("num_car_sim")), stored);
    QCOMPARE(m_table.isPending(), false);
}

void TestDatosTarvinel::typedCodes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("message");

    QTest::addRow("typed 7 and a description")
        << QStringLiteral("CBxTipoPago") << QStringLiteral("7 Otro pago") << QByteArray("tipo_pago")
        << QByteArray("7") << QString();
    QTest::addRow("payment type 01 stored as a number")
        << QStringLiteral("CBxTipoPago") << QStringLiteral("01 Remuneraciones") << QByteArray("tipo_pago")
        << QByteArray("1") << QString();
    QTest::addRow("payment type beginning with a letter")
        << QStringLiteral("CBxTipoPago") << QStringLiteral("Otro") << QByteArray("tipo_pago")
        << QByteArray("2") << QStringLiteral("El Tipo de Pago está vacio");
    QTest::addRow("line type 01 kept as text")
        << QStringLiteral("CBxTipoLinea") << QStringLiteral("01 Adicional") << QByteArray("tipo_linea")
        << QByteArray("01") << QString();
    QTest::addRow("empty line type") << QStringLiteral("CBxTipoLinea") << QString()
                                     << QByteArray("tipo_linea") << QByteArray() << QString();
    QTest::addRow("tramo first character") << QStringLiteral("CBxTramoFam") << QStringLiteral("c tercer")
                                           << QByteArray("Tramo_Fam") << QByteArray("c") << QString();
    QTest::addRow("APVI first three characters") << QStringLiteral("CBxApvi") << QStringLiteral("0331 AFP")
                                                 << QByteArray("inst_apvi") << QByteArray("033") << QString();
    QTest::addRow("voluntary AFP first two characters")
        << QStringLiteral("CBxAfpVolun") << QStringLiteral("8 x") << QByteArray("cod_afp_volun")
        << QByteArray("8 ") << QString();
    QTest::addRow("caja of four") << QStringLiteral("CBxCodCajaReg") << QStringLiteral("0012 Caja doce")
                                  << QByteArray("cod_ex_caja") << QByteArray("12") << QString();
    QTest::addRow("worker type of one") << QStringLiteral("CBxTTrabajador") << QStringLiteral("12")
                                        << QByteArray("tipo_trab") << QByteArray("1") << QString();
}

void TestDatosTarvinel::typedCodes()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, stored);
    QFETCH(QString, message);
    appendLine(m_table, kFullLine, 1);
    const auto editor = open(false);
    auto *combo = editor->findChild<CodeComboBox *>(box);
    QVERIFY(combo);
    // What the user types is read from the box's text, not from its list.
    combo->setEditText(text);
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), message);
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex(field)), stored);
}

void TestDatosTarvinel::periods_data()
{
    QTest::addColumn<QString>("desde");
    QTest::addColumn<QString>("hasta");
    QTest::addColumn<QByteArray>("storedDesde");
    QTest::addColumn<QByteArray>("storedHasta");

    QTest::addRow("both") << QStringLiteral("042024") << QStringLiteral("052024") << QByteArray("042024")
                          << QByteArray("052024");
    QTest::addRow("empty Hasta stores 000000")
        << QStringLiteral("042024") << QString() << QByteArray("042024") << QByteArray("000000");
    QTest::addRow("empty Desde stores six blanks")
        << QString() << QStringLiteral("052024") << QByteArray("      ") << QByteArray("052024");
    QTest::addRow("part entry kept with its blanks")
        << QStringLiteral("04") << QString() << QByteArray("04    ") << QByteArray("000000");
}

void TestDatosTarvinel::periods()
{
    QFETCH(QString, desde);
    QFETCH(QString, hasta);
    QFETCH(QByteArray, storedDesde);
    QFETCH(QByteArray, storedHasta);
    appendLine(m_table, kFullLine, 1);
    const auto editor = open(false);
    control<PictureEdit>(*editor, "EdPerDesde")->setValue(desde);
    control<PictureEdit>(*editor, "EdPerHasta")->setValue(hasta);
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), QString());
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("remu_desde")), storedDesde);
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("remu_hasta")), storedHasta);
}

void TestDatosTarvinel::emptyDateKeepsStored()
{
    appendLine(m_table, changed(kFullLine, {{"fec_hasta_volun", "garbage"}}), 1);
    const auto editor = open(false);
    control<DateEdit>(*editor, "DEdMovDesde")->setDate(QDate());
    control<DateEdit>(*editor, "DEdMovHasta")->setDate(QDate(2024, 12, 31));
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), QString());
    // A date cannot be erased here, and one that could not be read stays as it was.
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("Fecha_Desde")), QByteArray("01-04-2024"));
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("Fecha_Hasta")), QByteArray("31-12-2024"));
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("fec_hasta_volun")), QByteArray("garbage"));
}

void TestDatosTarvinel::addModeStoresDefaults()
{
    const auto editor = open(true, QDate(2024, 12, 2));
    fillRequired(*editor);
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), QString());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(m_table.rowCount(), 1);
    const auto stored = [this](const char *name) { return m_table.textAt(0, RecordTable::fieldIndex(name)); };
    QCOMPARE(stored("forma_pago_apvi"), QByteArray("2"));
    QCOMPARE(stored("forma_pago_apvc"), QByteArray("2"));
    QCOMPARE(stored("rut"), QByteArray("12345678"));
    QCOMPARE(stored("sexo"), QByteArray("F"));
    QCOMPARE(stored("nacion"), QByteArray("0"));
    QCOMPARE(stored("reg_previ"), QByteArray("AFP"));
    QCOMPARE(stored("sub_trab_jov"), QByteArray("N"));
    QCOMPARE(stored("moneda_plan"), QByteArray("1"));
    QCOMPARE(stored("tipo_pago"), QByteArray("1"));
    QCOMPARE(stored("tipo_trab"), QByteArray("0"));
    QCOMPARE(stored("cod_mov"), QByteArray("0"));
    QCOMPARE(stored("remu_desde"), QByteArray("122024"));
    QCOMPARE(stored("remu_hasta"), QByteArray("000000"));
    QCOMPARE(stored("Tramo_Fam"), QByteArray("D"));
    QCOMPARE(stored("num_car_sim"), QByteArray("0"));
    QCOMPARE(stored("nom_AFP"), QByteArray("33"));
    QCOMPARE(stored("cod_ex_caja"), QByteArray("0"));
    QCOMPARE(stored("cod_inst_salud"), QByteArray("7"));
    QCOMPARE(stored("cod_CCAF"), QByteArray("0"));
    QCOMPARE(stored("cod_mutual"), QByteArray("1"));
    QCOMPARE(stored("inst_apvi"), QByteArray("000"));
    QCOMPARE(stored("inst_apvc"), QByteArray());
    QCOMPARE(stored("tipo_linea"), QByteArray());
    QCOMPARE(stored("cod_mov_per_volun"), QByteArray());
    QCOMPARE(stored("rut_pag_subs"), QByteArray("0"));
    QCOMPARE(stored("Fecha_Desde"), QByteArray());
    QCOMPARE(stored("impo_afp"), QByteArray("0"));
    QCOMPARE(stored("dias_trab"), QByteArray("0"));
    QCOMPARE(stored("Linea"), QByteArray());
}

void TestDatosTarvinel::addInsertsInFrontOfCurrent()
{
    appendLine(m_table, kFullLine, 1);
    appendLine(m_table, changed(kFullLine, {{"ape_pat", "SEGUNDO"}}), 2);
    m_table.moveTo(1);
    const auto editor = open(true);
    fillRequired(*editor);
    control<UpperCaseEdit>(*editor, "EdApepat")->setText(QStringLiteral("NUEVO"));
    editor->BitBtn1Click();
    QCOMPARE(m_table.rowCount(), 3);
    QCOMPARE(m_table.currentRow(), 1);
    const int apePat = RecordTable::fieldIndex("ape_pat");
    QCOMPARE(m_table.textAt(0, apePat), QByteArray("PEREZ"));
    QCOMPARE(m_table.textAt(1, apePat), QByteArray("NUEVO"));
    QCOMPARE(m_table.textAt(2, apePat), QByteArray("SEGUNDO"));
    QCOMPARE(m_table.isPending(), false);
}

void TestDatosTarvinel::modifyKeepsAnUntouchedLine()
{
    // Every field goes into its control and back into the same field.
    appendLine(m_table, kFullLine, 1);
    appendLine(m_table, changed(kFullLine, {{"ape_pat", "OTRO"}}), 2);
    m_table.moveTo(0);
    const TableState before = TableState::of(m_table);
    const auto editor = open(false);
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), QString());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    const TableState after = TableState::of(m_table);
    QCOMPARE(after.rows, 2);
    QCOMPARE(after.pending, false);
    for (int field = 0; field < RecordTable::fieldCount(); ++field) {
        QCOMPARE(after.cells[field], before.cells[field]);
    }
    QCOMPARE(after.revision, before.revision);
}

void TestDatosTarvinel::modifyStoresChangedControls()
{
    appendLine(m_table, kFullLine, 1);
    const auto editor = open(false);
    control<RadioGroup>(*editor, "RGpSexo")->setItemIndex(1);
    control<RadioGroup>(*editor, "RGNacionalidad")->setItemIndex(0);
    control<RadioGroup>(*editor, "RGpRegPrevi")->setItemIndex(2);
    control<RadioGroup>(*editor, "RGSubsiTrabajador")->setItemIndex(1);
    control<RadioGroup>(*editor, "RGFormaPagoAPVI")->setItemIndex(0);
    control<RadioGroup>(*editor, "RGFormaPAgoAPVC")->setItemIndex(1);
    control<RadioGroup>(*editor, "RGpMonedaPlan")->setItemIndex(0);
    control<CurrencyEdit>(*editor, "CuEdCotPactada")->setValue(2.75);
    control<CurrencyEdit>(*editor, "CuEdDiasTrab")->setValue(15);
    control<PictureEdit>(*editor, "EdRutPagSub")->setValue(QString());
    control<PictureEdit>(*editor, "PFRutAfiVol")->setValue(QStringLiteral("11"));
    control<UpperCaseEdit>(*editor, "EdCentroCosto")->setText(QStringLiteral("nuevo"));
    control<DateEdit>(*editor, "DEdDesdeVolun")->setDate(QDate(2023, 3, 9));
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), QString());
    const auto stored = [this](const char *name) { return m_table.textAt(0, RecordTable::fieldIndex(name)); };
    QCOMPARE(stored("sexo"), QByteArray("M"));
    QCOMPARE(stored("nacion"), QByteArray("0"));
    QCOMPARE(stored("reg_previ"), QByteArray("SIP"));
    QCOMPARE(stored("sub_trab_jov"), QByteArray("N"));
    QCOMPARE(stored("forma_pago_apvi"), QByteArray("1"));
    QCOMPARE(stored("forma_pago_apvc"), QByteArray("2"));
    QCOMPARE(stored("moneda_plan"), QByteArray("1"));
    QCOMPARE(stored("cot_pactada"), QByteArray("2,75"));
    QCOMPARE(stored("dias_trab"), QByteArray("15"));
    QCOMPARE(stored("rut_pag_subs"), QByteArray("0"));
    QCOMPARE(stored("rut_afi_volun"), QByteArray("11"));
    QCOMPARE(stored("centro_costo"), QByteArray("NUEVO"));
    QCOMPARE(stored("fec_desde_volun"), QByteArray("09-03-2023"));
}

void TestDatosTarvinel::voluntaryMovement_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("saved");

    QTest::addRow("10 shows the built-in entry")
        << QByteArray("10") << QStringLiteral("10 Cese Cotiza. Afiliado Voluntario") << QByteArray("10");
    QTest::addRow("a code of the table")
        << QByteArray("0") << QStringLiteral("00 Sin movimiento") << QByteArray("0");
    QTest::addRow("an unknown code is kept") << QByteArray("12") << QString() << QByteArray("12");
    QTest::addRow("empty stays empty") << QByteArray() << QString() << QByteArray();
}

void TestDatosTarvinel::voluntaryMovement()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(QByteArray, saved);
    appendLine(m_table, changed(kFullLine, {{"cod_mov_per_volun", stored}}), 1);
    const auto editor = open(false);
    QCOMPARE(control<CodeComboBox>(*editor, "CBxMovVolun")->currentText(), shown);
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), QString());
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("cod_mov_per_volun")), saved);
}

void TestDatosTarvinel::stopsLeaveTableUnchanged_data()
{
    QTest::addColumn<bool>("addMode");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("good");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("tab"); // the tab shown after the stop; the test starts on the last one
    QTest::addColumn<QString>("focus");

    const QString monto = QStringLiteral("No debe haber un monto en blanco");
    const int trabajador = DatosTarvinelUi::TabTrabajador;
    const int ccaf = DatosTarvinelUi::TabCcaf;
    struct Stop {
        const char *tag;
        const char *control;
        const char *bad;
        const char *good;
        QString message;
        int tab;
        const char *focus;
    };
    const QList<Stop> stops = {
        {"tipo de pago", "CBxTipoPago", "", "02 x", QStringLiteral("El Tipo de Pago está vacio"), trabajador,
         "CBxTipoPago"},
        {"tipo de trabajador", "CBxTTrabajador", "X", "1",
         QStringLiteral("El Tipo de Trabajador no debe quedar en blanco"), trabajador, "CBxTTrabajador"},
        {"movimiento personal", "CBxMovPersonal", "", "2",
         QStringLiteral("El Código Movimiento Personal no debe quedar en blanco"), trabajador,
         "CBxMovPersonal"},
        {"count conversion", "EdCargasMater", "A", "1",
         QStringLiteral("'A' is not a valid floating point value."), ccaf, ""},
        {"AFP", "CBxAfp", "", "08", monto, ccaf, ""},
        {"caja", "CBxCodCajaReg", "Sin", "0000", monto, ccaf, ""},
        {"caja desahucio", "CBxCodCajaDesa", "", "0012", monto, ccaf, ""},
        {"isapre", "CBxIsapre", "", "07", monto, ccaf, ""},
        {"CCAF", "CBxCodigoCcaf", "", "03", monto, ccaf, ""},
        {"mutual", "CBxMutual", "", "02", monto, ccaf, ""},
    };
    for (const bool add : {false, true}) {
        for (const Stop &s : stops) {
            QTest::addRow("%s, %s", add ? "add" : "modify", s.tag)
                << add << QString::fromLatin1(s.control) << QString::fromLatin1(s.bad)
                << QString::fromLatin1(s.good) << s.message << s.tab << QString::fromLatin1(s.focus);
        }
    }
}

void TestDatosTarvinel::stopsLeaveTableUnchanged()
{
    QFETCH(bool, addMode);
    QFETCH(QString, box);
    QFETCH(QString, bad);
    QFETCH(QString, good);
    QFETCH(QString, message);
    QFETCH(int, tab);
    QFETCH(QString, focus);

    appendLine(m_table, kFullLine, 1);
    appendLine(m_table, changed(kFullLine, {{"rut", "6"}, {"dv", "K"}}), 2);
    m_table.moveTo(1);
    const TableState before = TableState::of(m_table);
    const auto editor = open(addMode);
    fillRequired(*editor);
    // Every field copied before the stop changes, so that a partly copied line would show.
    control<UpperCaseEdit>(*editor, "EdApepat")->setText(QStringLiteral("CAMBIADO"));
    control<CurrencyEdit>(*editor, "CuEdImpoAFP")->setValue(999);
    QWidget *w = editor->findChild<QWidget *>(box);
    QVERIFY(w);
    const auto set = [w](const QString &text) {
        if (auto *combo = qobject_cast<QComboBox *>(w))
            combo->setEditText(text);
        else
            static_cast<QLineEdit *>(w)->setText(text);
    };
    set(bad);
    control<PageControl>(*editor, "PageControl1")->setCurrentIndex(DatosTarvinelUi::TabCcaf);
    QWidget *focusBefore = control<UpperCaseEdit>(*editor, "EdCentroCosto");
    focusBefore->setFocus();

    for (int attempt = 0; attempt < 2; ++attempt) {
        m_platform->messages.clear();
        editor->BitBtn1Click();
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->lastMessage(), message);
        QVERIFY(editor->isVisible());
        QCOMPARE(control<PageControl>(*editor, "PageControl1")->currentIndex(), tab);
        QVERIFY(focusIsOn(editor.get(), focus.isEmpty() ? focusBefore : editor->findChild<QWidget *>(focus)));

        const TableState after = TableState::of(m_table);
        QCOMPARE(after.rows, before.rows);
        QCOMPARE(after.current, before.current);
        QCOMPARE(after.pending, false);
        QCOMPARE(after.revision, before.revision);
        QCOMPARE(after.cells, before.cells);
    }

    // Corrected, the whole save runs again and stores one complete line.
    set(good);
    m_platform->messages.clear();
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), QString());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(m_table.rowCount(), before.rows + (addMode ? 1 : 0));
    QCOMPARE(m_table.isPending(), false);
    QCOMPARE(m_table.currentRow(), 1);
    QCOMPARE(m_table.textAt(1, RecordTable::fieldIndex("ape_pat")), QByteArray("CAMBIADO"));
    QCOMPARE(m_table.textAt(1, RecordTable::fieldIndex("impo_afp")), QByteArray("999"));
    QCOMPARE(m_table.textAt(1, RecordTable::fieldIndex("nombres")), QByteArray("ANA"));
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("ape_pat")), QByteArray("PEREZ"));
}

void TestDatosTarvinel::cancelLeavesTable()
{
    appendLine(m_table, kFullLine, 1);
    const TableState before = TableState::of(m_table);
    const auto editor = open(false);
    control<UpperCaseEdit>(*editor, "EdApepat")->setText(QStringLiteral("OTRO"));
    control<CodeComboBox>(*editor, "CBxTipoPago")->setEditText(QString());
    editor->BitBtn1Click(); // refused
    editor->BitBtn2Click();
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    QVERIFY(!editor->isVisible());
    const TableState after = TableState::of(m_table);
    QCOMPARE(after.rows, before.rows);
    QCOMPARE(after.pending, false);
    QCOMPARE(after.revision, before.revision);
    QCOMPARE(after.cells, before.cells);
}

void TestDatosTarvinel::throughThePlatform()
{
    // As the listing opens it: shown modally through the platform, accepted by "&Aceptar".
    appendLine(m_table, kFullLine, 1);
    TFrmDatosTarvinel editor(m_table, false);
    m_platform->onNextModal([](QDialog &dialog) {
        auto &form = static_cast<TFrmDatosTarvinel &>(dialog);
        QCOMPARE(control<UpperCaseEdit>(form, "EdApepat")->text(), QStringLiteral("PEREZ"));
        control<UpperCaseEdit>(form, "EdApepat")->setText(QStringLiteral("gonzalez"));
        control<QPushButton>(form, "BitBtn1")->click();
    });
    QCOMPARE(platform::current().showModal(editor), int(QDialog::Accepted));
    QCOMPARE(m_table.textAt(0, RecordTable::fieldIndex("ape_pat")), QByteArray("GONZALEZ"));
    QCOMPARE(m_platform->modalWindows, QStringList{QStringLiteral("TFrmDatosTarvinel")});
}

void TestDatosTarvinel::tabHighlighting()
{
    const auto editor = open(true);
    PageControl *tabs = control<PageControl>(*editor, "PageControl1");
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Datos Trabajador"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Datos AFP - APVI - APVC"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Datos Afi. Voluntario - INP - Salud"));
    QCOMPARE(tabs->tabText(3), QStringLiteral("Datos CCAF - Mutual - Cesantía - Centro Costo"));
    QCOMPARE(tabs->currentIndex(), 0);
    const auto highlighted = [tabs] {
        QList<bool> on;
        for (int i = 0; i < tabs->count(); ++i)
            on << tabs->isTabHighlighted(i);
        return on;
    };
    QCOMPARE(highlighted(), (QList<bool>{false, true, true, true}));
    tabs->setCurrentIndex(2);
    QCOMPARE(highlighted(), (QList<bool>{true, true, false, true}));
    QCOMPARE(editor->windowTitle(), QStringLiteral("Modificar Datos"));
    QVERIFY(!control<QPushButton>(*editor, "BitBtn1")->isDefault()
            && !control<QPushButton>(*editor, "BitBtn1")->autoDefault());
    QVERIFY(!control<QPushButton>(*editor, "BitBtn2")->isDefault()
            && !control<QPushButton>(*editor, "BitBtn2")->autoDefault());
    QCOMPARE(control<QPushButton>(*editor, "BitBtn1")->text(), QStringLiteral("&Aceptar"));
    QCOMPARE(control<QPushButton>(*editor, "BitBtn2")->text(), QStringLiteral("&Cancelar"));
}

void TestDatosTarvinel::tabOrder()
{
    const auto editor = open(true);
    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    const QStringList expected =
        QStringLiteral("EdDV RGpSexo EdApepat EdApeMat EdNombres RGNacionalidad CBxTipoPago EdPerDesde "
                       "EdPerHasta RGpRegPrevi CBxTTrabajador CuEdDiasTrab CBxTipoLinea CBxMovPersonal "
                       "DEdMovDesde DEdMovHasta CBxTramoFam EdCargasSimples EdCargasMater EdCargasInva "
                       "CuEdAsigFamiliar CuEdAsigRetro CuEdReintegro RGSubsiTrabajador BitBtn1 BitBtn2 "
                       "PageControl1 EdRut")
            .split(QLatin1Char(' '));
    control<PictureEdit>(*editor, "EdRut")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        // A radio group's focus rests on one of its buttons.
        if (qobject_cast<QRadioButton *>(focus))
            focus = focus->parentWidget();
        // An editable combo box's focus may rest on its line edit.
        if (focus && qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        visited << (focus ? focus->objectName() : QStringLiteral("<none>"));
    }
    QCOMPARE(visited, expected);
}

void TestDatosTarvinel::enterMovesOn()
{
    // The editor's controls take part in the program-wide Enter convention.
    JDGMessage::install();
    const auto editor = open(true);
    for (QWidget *w : editor->findChildren<QWidget *>()) {
        const bool entry =
            qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QRadioButton *>(w);
        if (entry && !qobject_cast<QComboBox *>(w->parentWidget()))
            QVERIFY2(w->property("enterActsAsTab").toBool(), qPrintable(w->objectName()));
    }
    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    control<CodeComboBox>(*editor, "CBxTipoPago")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(focusIsOn(editor.get(), control<PictureEdit>(*editor, "EdPerDesde")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QVERIFY(focusIsOn(editor.get(), control<PictureEdit>(*editor, "EdPerHasta")));
    // Enter on the last control of the tab goes on to the buttons, and presses none of them.
    control<RadioGroup>(*editor, "RGSubsiTrabajador")->button(1)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(*editor, "BitBtn1"));
    QVERIFY(editor->isVisible());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestDatosTarvinel::nothingClipped_data()
{
    QTest::addColumn<int>("page");
    for (int i = 0; i < 4; ++i)
        QTest::addRow("tab %d", i) << i;
}

void TestDatosTarvinel::nothingClipped()
{
    QFETCH(int, page);
    const auto editor = open(false);
    control<PageControl>(*editor, "PageControl1")->setCurrentIndex(page);
    QApplication::processEvents();
    QWidget *sheet = control<PageControl>(*editor, "PageControl1")->widget(page);
    // Every control gets at least the room it asks for, and lies inside the page.
    for (QWidget *w : sheet->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(sheet) || w->isWindow() || qobject_cast<QComboBox *>(w->parentWidget())
            || qobject_cast<QLineEdit *>(w->parentWidget()))
            continue;
        const QSize wanted = w->minimumSizeHint().expandedTo(w->minimumSize());
        QVERIFY2(w->width() >= wanted.width() && w->height() >= wanted.height(),
                 qPrintable(QStringLiteral("%1 %2 (%3) smaller than %4x%5")
                                .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                     qobject_cast<QLabel *>(w) ? static_cast<QLabel *>(w)->text() : QString())
                                .arg(wanted.width())
                                .arg(wanted.height())));
        const QRect inPage(w->mapTo(sheet, QPoint(0, 0)), w->size());
        QVERIFY2(sheet->rect().contains(inPage), qPrintable(w->objectName()));
    }
    // The tabs wrap rather than widen the window beyond the controls.
    QVERIFY(control<PageControl>(*editor, "PageControl1")->tabRowCount() >= 1);
    QVERIFY(editor->width() >= editor->minimumSizeHint().width());
}

void TestDatosTarvinel::officialCodesKeptUnchanged_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("shown");

    const auto movement = [](const char *name, const char *stored, const char *shown) {
        QTest::addRow("%s", name) << QByteArray("cod_mov") << QByteArray(stored)
                                  << QStringLiteral("CBxMovPersonal") << QString::fromUtf8(shown);
    };
    movement("no movement", "0", "00 Sin movimiento en el mes");
    movement("movement 1, stored in one digit", "1", "01 Contratación a plazo indefinido");
    movement("movement 11", "11", "11 Otros movimientos (ausentismos)");
    movement("movement 15", "15", "15 Reducción de jornada (Ley 21.227)");
    QTest::addRow("second contract") << QByteArray("tipo_trab") << QByteArray("8")
                                     << QStringLiteral("CBxTTrabajador")
                                     << QStringLiteral("8 Segundo contrato");
    QTest::addRow("ex-regime fund 1301")
        << QByteArray("cod_ex_caja") << QByteArray("1301") << QStringLiteral("CBxCodCajaReg")
        << QString::fromUtf8("1301 Canaempu: Públicos - Régimen 1");
    QTest::addRow("APV 106") << QByteArray("inst_apvi") << QByteArray("106") << QStringLiteral("CBxApvi")
                             << QString::fromUtf8("106 BICE VIDA COMPAÑIA DE SEGUROS S.A.");
    QTest::addRow("Isapre 11") << QByteArray("cod_inst_salud") << QByteArray("11")
                               << QStringLiteral("CBxIsapre")
                               << QStringLiteral("11 Isapre de Codelco Ltda. (Isalud)");
    QTest::addRow("CCAF 06") << QByteArray("cod_CCAF") << QByteArray("6") << QStringLiteral("CBxCodigoCcaf")
                             << QStringLiteral("06 18 de Septiembre");
}

void TestDatosTarvinel::officialCodesKeptUnchanged()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, stored);
    QFETCH(QString, box);
    QFETCH(QString, shown);
    // The tables shipped with the program, on a line of real ex-regime fund and APV codes.
    writeCodes(fileBytes(QStringLiteral(SHIPPED_CODE_TABLES)));
    appendLine(m_table, changed(kFullLine, {{"cod_ex_caja", "1301"}, {"inst_apvi", "106"}, {field, stored}}),
               1);
    const TableState before = TableState::of(m_table);
    const auto editor = open(false);
    const auto *combo = editor->findChild<CodeComboBox *>(box);
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), shown);
    editor->BitBtn1Click();
    QCOMPARE(m_platform->lastMessage(), QString());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(TableState::of(m_table).cells, before.cells);
    QCOMPARE(m_table.fieldByName(field).asText(), stored);
}

void TestDatosTarvinel::regimes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QByteArray>("saved");

    QTest::addRow("AFP") << QByteArray("AFP") << 0 << QByteArray("AFP");
    QTest::addRow("IPS, the program's own") << QByteArray("IPS") << 1 << QByteArray("IPS");
    QTest::addRow("INP, the service's") << QByteArray("INP") << 1 << QByteArray("INP");
    QTest::addRow("SIP") << QByteArray("SIP") << 2 << QByteArray("SIP");
    QTest::addRow("anything else is SIP") << QByteArray("XYZ") << 2 << QByteArray("SIP");
}

void TestDatosTarvinel::regimes()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, choice);
    QFETCH(QByteArray, saved);
    appendLine(m_table, changed(kFullLine, {{"reg_previ", stored}}), 1);
    const auto editor = open(false);
    QCOMPARE(control<RadioGroup>(*editor, "RGpRegPrevi")->itemIndex(), choice);
    editor->BitBtn1Click();
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(m_table.fieldByName("reg_previ").asText(), saved);
}

void TestDatosTarvinel::storedTextKeepsItsCase_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("stored");

    QTest::addRow("surname") << QByteArray("ape_pat") << QStringLiteral("EdApepat")
                             << QByteArray("de la Fuente");
    QTest::addRow("names, accented") << QByteArray("nombres") << QStringLiteral("EdNombres")
                                     << QByteArray("Mar\xED"
                                                   "a Jos\xE9");
    QTest::addRow("voluntary affiliate")
        << QByteArray("ape_mat_volun") << QStringLiteral("EdApeMatVolun") << QByteArray("van der Berg");
    QTest::addRow("cost centre") << QByteArray("centro_costo") << QStringLiteral("EdCentroCosto")
                                 << QByteArray("cc-norte");
}

void TestDatosTarvinel::storedTextKeepsItsCase()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, box);
    QFETCH(QByteArray, stored);
    appendLine(m_table, changed(kFullLine, {{field, stored}}), 1);
    {
        const auto editor = open(false);
        auto *edit = editor->findChild<UpperCaseEdit *>(box);
        QVERIFY(edit);
        QCOMPARE(edit->text(), cp1252::toUnicode(stored));
        editor->BitBtn1Click();
        QCOMPARE(editor->result(), int(QDialog::Accepted));
    }
    QCOMPARE(m_table.fieldByName(field).asText(), stored);

    // What is typed after it still turns into capitals.
    const auto editor = open(false);
    auto *edit = editor->findChild<UpperCaseEdit *>(box);
    edit->setCursorPosition(int(edit->text().size()));
    QTest::keyClicks(edit, QStringLiteral(" xy"));
    QCOMPARE(edit->text(), cp1252::toUnicode(stored) + QStringLiteral(" XY"));
}

void TestDatosTarvinel::tablesShowEveryFieldOnce()
{
    const auto editor = open(true);
    QList<int> shown(catalogue::kFieldCount, 0);
    for (int tab = 0; tab < datosfields::kTabCount; ++tab) {
        for (const datosfields::Field &f : datosfields::tab(tab)) {
            const int position = catalogue::indexOf(f.field);
            QVERIFY2(position > 0, f.field);
            ++shown[position];
            QVERIFY2(editor->findChild<QWidget *>(QLatin1String(f.control)), f.control);
        }
    }
    QCOMPARE(shown.count(1), catalogue::kFieldCount - 1); // all but Linea, which the editor leaves
}

void TestDatosTarvinel::amountsShowTheirLargestValue_data()
{
    QTest::addColumn<int>("page");
    for (int i = 0; i < 4; ++i)
        QTest::addRow("tab %d", i) << i;
}

void TestDatosTarvinel::amountsShowTheirLargestValue()
{
    QFETCH(int, page);
    // Every field as full of nines as the line holds it; FUN numbers run to ten digits.
    m_table.append();
    for (int position = 1; position < catalogue::kFieldCount; ++position) {
        const int digits = std::min(catalogue::field(position).line.width, 10);
        FieldRef field = m_table.field(position);
        if (field.kind() == FieldKind::Floating)
            field.setNumber(std::pow(10.0, digits) - 1);
        else if (field.kind() == FieldKind::Text)
            field.setText(QByteArray(digits, '9'));
    }
    m_table.post();
    const auto editor = open(false);
    control<PageControl>(*editor, "PageControl1")->setCurrentIndex(page);
    QApplication::processEvents();
    const auto boxes =
        control<PageControl>(*editor, "PageControl1")->widget(page)->findChildren<CurrencyEdit *>();
    QVERIFY(!boxes.isEmpty());
    for (CurrencyEdit *box : boxes) {
        QVERIFY2(box->value() > 0, qPrintable(box->objectName()));
        // The room QLineEdit gives its text: the contents of its frame, less its margins of 2.
        QStyleOptionFrame option;
        option.initFrom(box);
        option.rect = box->rect();
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        option.state |= QStyle::State_Sunken;
        const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
        for (const QString &shown : {box->text(), box->editText(box->value())}) {
            // A text fits with its cursor beside it, or the edit scrolls it.
            QVERIFY2(box->fontMetrics().horizontalAdvance(shown) + 2 <= room,
                     qPrintable(box->objectName() + QLatin1Char(' ') + shown));
        }
    }
}

QTEST_MAIN(TestDatosTarvinel)
#include "tst_datostarvinel.moc"
