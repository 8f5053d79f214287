#include "app/JDGMessage.h"
#include "codes/CodeTableFile.h"
#include "platform/Platform.h"
#include "ui/codes/UnitModCodTarvinel.h"
#include "util/ProgramInfo.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using platform::Answer;

namespace {

const QString kSelectEntry = QStringLiteral("Debe seleccionar un dato");

// A code-table editor on "TipoPago" (width 2) of a Tarvinel.cfg of its own, whose section
// "TipoPago" holds `entries`, shown and active.
struct Editor {
    explicit Editor(
        const QByteArray &section = "TipoPago", int width = 2,
        const QByteArray &entries = "01 Remuneraciones=0\r\n02 Gratificaciones=1\r\n03 Bono=2\r\n")
    {
        programinfo::setProgramFolder(folder.path());
        writeFileBytes(cfgPath(), "[TipoPago]\r\n" + entries);
        window = std::make_unique<TFrmModCodTarvinel>(section, width);
        window->show();
        window->activateWindow();
    }
    ~Editor() { programinfo::setProgramFolder(QString()); }

    QString cfgPath() const { return folder.filePath(QStringLiteral("Tarvinel.cfg")); }
    QListWidget *list() const { return window->findChild<QListWidget *>(QStringLiteral("ListBox1")); }
    QLineEdit *field(const char *name) const { return window->findChild<QLineEdit *>(QLatin1String(name)); }
    void click(const char *name) const { window->findChild<QPushButton *>(QLatin1String(name))->click(); }
    QString shown(int row) const { return list()->item(row)->text(); }
    QByteArrayList inFile() const { return readSection(cfgPath(), "TipoPago"); }
    // Types into a field and leaves it with Enter, as the clerk does.
    void enter(const char *name, const QString &text)
    {
        QLineEdit *edit = field(name);
        QCOMPARE(QApplication::focusWidget(), edit);
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    std::unique_ptr<TFrmModCodTarvinel> window;
};

} // namespace

class TestModCodTarvinel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { JDGMessage::install(); }
    void withoutSelection_data();
    void withoutSelection();
    void deleteAsks_data();
    void deleteAsks();
    void enterAfterDescriptionStores();
    void loadedCodeKeepsItsCase_data();
    void loadedCodeKeepsItsCase();
    void refusedWrite();
    void helpTexts_data();
    void helpTexts();
};

void TestModCodTarvinel::withoutSelection_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addRow("modify") << QByteArray("BitBtn1");
    QTest::addRow("delete") << QByteArray("BitBtn4");
}

void TestModCodTarvinel::withoutSelection()
{
    QFETCH(QByteArray, button);
    Editor e;
    e.click(button.constData());
    QCOMPARE(e.platform.messages.size(), 1);
    QCOMPARE(e.platform.lastMessage(), kSelectEntry);
    QVERIFY(!e.field("EdCodigo")->isEnabled());
    QCOMPARE(e.inFile().size(), 3);
}

void TestModCodTarvinel::deleteAsks_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArrayList>("entries");
    QTest::addRow("OK") << Answer::Ok << QByteArrayList({"01 Remuneraciones", "03 Bono"});
    QTest::addRow("Cancel") << Answer::Cancel
                            << QByteArrayList({"01 Remuneraciones", "02 Gratificaciones", "03 Bono"});
}

void TestModCodTarvinel::deleteAsks()
{
    QFETCH(Answer, answer);
    QFETCH(QByteArrayList, entries);
    Editor e;
    e.list()->setCurrentRow(1);
    e.platform.answers.enqueue(answer);
    e.click("BitBtn4");
    QCOMPARE(e.platform.messages.size(), 1);
    QCOMPARE(e.platform.messages.constFirst().caption, QStringLiteral("Atención"));
    QCOMPARE(e.platform.lastMessage(), QStringLiteral("¿Seguro de Eliminar este Registro?"));
    QCOMPARE(e.inFile(), entries);
    QCOMPARE(e.list()->count(), entries.size());
}

void TestModCodTarvinel::enterAfterDescriptionStores()
{
    Editor e;
    QVERIFY(QTest::qWaitForWindowActive(e.window.get()));
    e.list()->setCurrentRow(1);
    e.click("BitBtn1");
    QCOMPARE(e.field("EdCodigo")->text(), QStringLiteral("02"));
    QCOMPARE(e.field("EdGlosa")->text(), QStringLiteral("Gratificaciones"));
    QTest::keyClick(e.field("EdCodigo"), Qt::Key_Return);
    e.enter("EdGlosa", QStringLiteral("Aguinaldo"));
    QCOMPARE(e.inFile(), QByteArrayList({"01 Remuneraciones", "02 Aguinaldo", "03 Bono"}));
    QCOMPARE(e.shown(1), QStringLiteral("02 Aguinaldo"));
    QVERIFY(e.field("EdCodigo")->text().isEmpty());
    QVERIFY(e.field("EdGlosa")->text().isEmpty());
    QVERIFY(e.field("EdGlosa")->isEnabled());

    // A short code is padded when the field is left; an added entry goes last.
    e.click("BitBtn3");
    e.enter("EdCodigo", QStringLiteral("7"));
    QCOMPARE(e.field("EdCodigo")->text(), QStringLiteral("07"));
    e.enter("EdGlosa", QStringLiteral("Retroactivo"));
    QCOMPARE(e.inFile().constLast(), QByteArray("07 Retroactivo"));
    QVERIFY(e.platform.messages.isEmpty());
}

void TestModCodTarvinel::loadedCodeKeepsItsCase_data()
{
    QTest::addColumn<QString>("typed"); // into the code field; empty leaves it as loaded
    QTest::addColumn<QByteArray>("stored");
    QTest::addRow("left as loaded") << QString() << QByteArray("a Primer tramo");
    QTest::addRow("typed") << QStringLiteral("b") << QByteArray("B Primer tramo");
}

void TestModCodTarvinel::loadedCodeKeepsItsCase()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    Editor e("TipoPago", 1, "a Primer tramo=0\r\n");
    QVERIFY(QTest::qWaitForWindowActive(e.window.get()));
    e.list()->setCurrentRow(0);
    e.click("BitBtn1");
    QCOMPARE(e.field("EdCodigo")->text(), QStringLiteral("a"));
    if (typed.isEmpty())
        QTest::keyClick(e.field("EdCodigo"), Qt::Key_Return);
    else
        e.enter("EdCodigo", typed);
    QTest::keyClick(e.field("EdGlosa"), Qt::Key_Return);
    QCOMPARE(e.inFile(), QByteArrayList({stored}));
}

void TestModCodTarvinel::refusedWrite()
{
    Editor e;
    QVERIFY(QTest::qWaitForWindowActive(e.window.get()));
    // The file goes and a folder takes its name: the new file cannot be put in its place.
    QVERIFY(QFile::remove(e.cfgPath()));
    QVERIFY(QDir(e.folder.path()).mkdir(QStringLiteral("Tarvinel.cfg")));
    e.click("BitBtn3");
    e.enter("EdCodigo", QStringLiteral("04"));
    e.enter("EdGlosa", QStringLiteral("Nuevo"));
    QCOMPARE(e.platform.lastMessage(),
             QStringLiteral("Unable to write to %1.").arg(QDir::toNativeSeparators(e.cfgPath())));
    QCOMPARE(e.shown(3), QStringLiteral("04 Nuevo"));
    QVERIFY(e.window->isVisible());
}

void TestModCodTarvinel::helpTexts_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    const auto row = [](const char *section, const char *title, const char *text, int height) {
        QTest::addRow("%s", section) << QByteArray(section) << QString::fromUtf8(title)
                                     << QString::fromUtf8(text) << height;
    };
    row("TipoPago", "Tipo Pago",
        "  \n  Estos datos se refieren al tipo de pago que se está\n"
        "  declarando, es decir, si corresponde a remuneraciones\n"
        "  del mes (normal) o gratificaciones o bien si son pagos\n  retroactivos a empresas publicas.\n",
        110);
    row("Tipo Trabajador", "Tipo Trabajador",
        "  \n  Estos datos se refieren a si el trabajador está activo\n"
        "  (no pensionado) o pensionado aun trabajando o bien\n"
        "  si es mayor de 60 o 65 años pero nunca ha sido\n  pensionado\n",
        100);
    row("Movimiento Personal", "Movimiento personal",
        "  \n  Estos datos se refieren a los movimientos del personal\n"
        "  durante el mes, es decir, faltas, retiros, accidentes del\n  trabajo etc.\n",
        100);
    row("Tramo Familiar", "Tramo Familiar",
        "  \n  Estos datos se refieren a los tramos correspondientes\n  a las asignaciones familiares. \n",
        90);
    row("Nombre AFP", "Nombre AFP",
        "  \n  Estos datos corresponden a los nombres y códigos de \n  las AFP vigentes a la fecha\n", 90);
    row("Isapres", "Isapres",
        "  \n  Estos datos corresponden a los nombres y códigos\n  de las Isapres vigentes a la fecha\n", 90);
    row("CCAF", "Cajas de Compensación",
        "  \n  Estos datos corresponden a los nombres y códigos\n  de las cajas de compensación vigentes\n",
        90);
    row("Mutual", "Mutuales",
        "  \n  Estos datos corresponden a los nombres y códigos\n  de las mutuales de seguridad\n", 90);
    row("Codigo Caja", "Cajas ex Régimen",
        "  \n  Estos datos corresponden a los nombres y códigos\n  de las cajas del ex régimen previsional\n",
        90);
    row("APV", "Ahorro Previsional Voluntario",
        "  \n  Estos datos corresponden a las instituciones autorizadas\n"
        "  para manejar los fondos correspondientes al ahorro \n  previsional voluntario\n",
        100);
    row("Tipo Linea", "", "", 0);
}

void TestModCodTarvinel::helpTexts()
{
    QFETCH(QByteArray, section);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, height);

    Editor e(section, 2);
    QString shownTitle;
    QString shownText;
    QSize shownSize;
    bool closedByEscape = false;
    e.platform.onNextModal([&](QDialog &help) {
        shownTitle = help.windowTitle();
        shownText = help.findChild<QLabel *>(QStringLiteral("Label1"))->text();
        shownSize = help.size();
        QTest::keyClick(&help, Qt::Key_Escape);
        closedByEscape = !help.isVisible();
    });
    e.click("BitBtn5");
    if (title.isEmpty()) {
        QCOMPARE(e.platform.modalWindows, QStringList());
        return;
    }
    QCOMPARE(e.platform.modalWindows, QStringList(QStringLiteral("TFrmAyudaParametros")));
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownText, text);
    // The client area of the designed outer size, or more where this font needs it.
    QVERIFY(shownSize.width() >= 290 - 8);
    QVERIFY(shownSize.height() >= height - 27);
    QVERIFY(closedByEscape);
}

QTEST_MAIN(TestModCodTarvinel)
#include "tst_modcodtarvinel.moc"
