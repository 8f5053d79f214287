#include "model/RecordTable.h"
#include "ui/UnitModMasiva.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "util/ProgramInfo.h"

#include "NumberedRows.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum Option { None = -1, TipoPago, Ccaf, Mutual, Desde, Hasta };

const QString kNoCode = QStringLiteral("Debe ingresar el nuevo código");
const QString kNoPeriod = QStringLiteral("Debe ingresar la nueva fecha");

QByteArrayList column(const RecordTable &table, const char *field)
{
    QByteArrayList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts.append(table.textAt(row, RecordTable::fieldIndex(field)));
    return texts;
}

} // namespace

class TestUnitModMasiva : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void aceptar_data();
    void aceptar();
    void listReadOnEveryChoice();
    void periodKeptAcrossPeriodOptions();

private:
    // Chooses an option as a click does.
    static void choose(TFrmModMasiva &dialog, Option option) { dialog.RadioGroup1->button(option)->click(); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestUnitModMasiva::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(installTestCodeTable(m_folder->path()));
    programinfo::setProgramFolder(m_folder->path());
}

void TestUnitModMasiva::cleanup()
{
    programinfo::setProgramFolder(QString());
    m_folder.reset();
}

void TestUnitModMasiva::aceptar_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("entry"); // picked from the list, -1 none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("written");

    QTest::addRow("payment type picked")
        << int(TipoPago) << 1 << QString() << QString() << QByteArray("tipo_pago") << QByteArray("02");
    QTest::addRow("mutual picked") << int(Mutual) << 3 << QString() << QString() << QByteArray("cod_mutual")
                                   << QByteArray("01");
    QTest::addRow("one character typed")
        << int(Ccaf) << -1 << QStringLiteral("7") << QString() << QByteArray("cod_CCAF") << QByteArray("7");
    QTest::addRow("period from") << int(Desde) << -1 << QStringLiteral("052024") << QString()
                                 << QByteArray("remu_desde") << QByteArray("052024");
    QTest::addRow("month only") << int(Hasta) << -1 << QStringLiteral("05") << QString()
                                << QByteArray("remu_hasta") << QByteArray("05    ");
    QTest::addRow("no code") << int(TipoPago) << -1 << QString() << kNoCode << QByteArray("tipo_pago")
                             << QByteArray();
    QTest::addRow("no period") << int(Desde) << -1 << QString() << kNoPeriod << QByteArray("remu_desde")
                               << QByteArray();
    QTest::addRow("no option") << int(None) << -1 << QString() << QString() << QByteArray("tipo_pago")
                               << QByteArray();
}

void TestUnitModMasiva::aceptar()
{
    QFETCH(int, option);
    QFETCH(int, entry);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, written);

    ScriptedPlatform platform;
    RecordTable table;
    fillNumberedRows(table, 3);
    table.moveTo(0);
    const quint64 revision = table.revision();
    TFrmModMasiva dialog(table);
    dialog.show();
    if (option != None)
        choose(dialog, Option(option));
    if (entry >= 0)
        dialog.CBox1->setCurrentIndex(entry);
    QWidget *input = option == Desde || option == Hasta ? static_cast<QWidget *>(dialog.OvcPF)
                                                        : static_cast<QWidget *>(dialog.CBox1->lineEdit());
    QTest::keyClicks(input, typed);
    dialog.BitBtn1->click();

    QCOMPARE(platform.lastMessage(), message);
    QCOMPARE(dialog.isVisible(), !message.isEmpty());
    if (written.isEmpty()) {
        QCOMPARE(table.revision(), revision);
        QCOMPARE(column(table, field), QByteArrayList({"", "", ""}));
        QCOMPARE(table.currentRow(), 0);
    } else {
        QCOMPARE(column(table, field), QByteArrayList({written, written, written}));
        QCOMPARE(table.currentRow(), 2);
    }
    if (!message.isEmpty())
        QCOMPARE(dialog.focusWidget(), option == Desde ? static_cast<QWidget *>(dialog.OvcPF) : dialog.CBox1);
}

void TestUnitModMasiva::listReadOnEveryChoice()
{
    ScriptedPlatform platform;
    RecordTable table;
    fillNumberedRows(table, 2);
    TFrmModMasiva dialog(table);
    dialog.show();
    choose(dialog, TipoPago);
    QCOMPARE(dialog.CBox1->count(), 2);
    QVERIFY(dialog.CBox1->isVisible());
    dialog.CBox1->setCurrentIndex(0);

    // The code-table editor may change the file while the dialog is open.
    const QString codes = m_folder->filePath(QStringLiteral("Tarvinel.cfg"));
    QVERIFY(writeFileBytes(codes, "[Mutual]\r\n01 Asociaci\xF3n=0\r\n"));
    choose(dialog, Mutual);
    QCOMPARE(dialog.CBox1->count(), 1);
    QCOMPARE(dialog.CBox1->itemText(0), QStringLiteral("01 Asociación"));
    QCOMPARE(dialog.CBox1->currentText(), QString());
    dialog.BitBtn1->click();
    QCOMPARE(platform.lastMessage(), kNoCode);

    // An empty section still takes a typed code.
    choose(dialog, Ccaf);
    QCOMPARE(dialog.CBox1->count(), 0);
    QTest::keyClicks(dialog.CBox1->lineEdit(), QStringLiteral("14"));
    dialog.BitBtn1->click();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(column(table, "cod_CCAF"), QByteArrayList({"14", "14"}));
    QCOMPARE(column(table, "tipo_pago"), QByteArrayList({"", ""}));
}

void TestUnitModMasiva::periodKeptAcrossPeriodOptions()
{
    ScriptedPlatform platform;
    RecordTable table;
    fillNumberedRows(table, 2);
    TFrmModMasiva dialog(table);
    dialog.show();
    QCOMPARE(dialog.RadioGroup1->itemIndex(), -1);
    QVERIFY(!dialog.CBox1->isVisible() && !dialog.OvcPF->isVisible() && !dialog.Label2->isVisible());
    choose(dialog, Desde);
    QVERIFY(dialog.OvcPF->isVisible());
    QVERIFY(dialog.Label2->isVisible());
    QVERIFY(!dialog.CBox1->isVisible());
    QTest::keyClicks(dialog.OvcPF, QStringLiteral("112023"));
    choose(dialog, Hasta);
    dialog.BitBtn1->click();
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(column(table, "remu_hasta"), QByteArrayList({"112023", "112023"}));
    QCOMPARE(column(table, "remu_desde"), QByteArrayList({"", ""}));
}

QTEST_MAIN(TestUnitModMasiva)
#include "tst_unitmodmasiva.moc"
