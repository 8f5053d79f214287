#include "codes/CodeTableFile.h"
#include "model/RecordTable.h"
#include "platform/Platform.h"
#include "ui/CodeMenu.h"
#include "ui/RecordGrid.h"
#include "ui/RecordTableModel.h"
#include "ui/UnitBuscar.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/UnitModMasiva.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"
#include "util/Cp1252.h"
#include "util/ProgramInfo.h"
#include "util/WebAddresses.h"

#include "Controls.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "TestLocale.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "NumberedRows.h"
#include <QToolButton>

using platform::Answer;

namespace {

const int kRut = 1;
const int kApePat = 3;

const QString kDeleteQuestion = QStringLiteral("¿Seguro de Eliminar esta línea?");
const QString kCloseQuestion =
    QStringLiteral("Hay cambios que no se han grabado en un archivo. ¿Desea cerrar sin grabarlos?");

// The fields that the fixed-position layout writes as they are, each with a text of its width.
const std::pair<const char *, const char *> kAsStoredFields[] = {{"dv", "K"},
                                                                 {"sexo", "M"},
                                                                 {"nacion", "0"},
                                                                 {"reg_previ", "AFP"},
                                                                 {"tipo_trab", "0"},
                                                                 {"Tramo_Fam", "D"},
                                                                 {"num_car_mat", "0"},
                                                                 {"num_car_inv", "0"},
                                                                 {"sub_trab_jov", "N"},
                                                                 {"forma_pago_apvi", "1"},
                                                                 {"forma_pago_apvc", "1"}};

// A listing window whose table the reader has filled with `rows` lines (`Linea` 1..n, `ape_pat`
// "L1".."Ln", `rut` 1000, 2000 ...) that fit the fixed-position layout, shown as the reader shows it.
struct Listing {
    explicit Listing(int rows, linelayout::Layout layout = linelayout::Layout::Fixed) : window(layout)
    {
        RecordTable &table = window.RxMem();
        table.suspendDisplay();
        fillNumberedRows(table, rows);
        for (table.first(); !table.eof(); table.next()) {
            table.edit();
            for (const auto &[name, text] : kAsStoredFields)
                table.fieldByName(name).setText(text);
        }
        table.resumeDisplay();
        window.show();
    }

    RecordTable &table() { return window.RxMem(); }
    RecordGrid *grid() const { return window.findChild<RecordGrid *>(QStringLiteral("DBGrid1")); }
    QToolButton *button(const char *name) const
    {
        return window.findChild<QToolButton *>(QLatin1String(name));
    }
    QMenu *menu(const char *name) const { return window.findChild<QMenu *>(QLatin1String(name)); }

    QList<int> lineas()
    {
        QList<int> numbers;
        for (int row = 0; row < table().rowCount(); ++row)
            numbers.append(table().textAt(row, catalogue::kLinea).toInt());
        return numbers;
    }
    QByteArrayList names()
    {
        QByteArrayList texts;
        for (int row = 0; row < table().rowCount(); ++row)
            texts.append(table().textAt(row, kApePat));
        return texts;
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const platform::MessageRequest &m : platform.messages)
            texts.append(m.text);
        return texts;
    }

    ScriptedPlatform platform;
    TFrmTarvinel window;
};

QByteArrayList byteArrays(std::initializer_list<const char *> texts)
{
    QByteArrayList list;
    for (const char *text : texts)
        list.append(text);
    return list;
}

} // namespace

class TestUnitDespTarvinel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowFrame();
    void buttonBar_data();
    void buttonBar();
    void acceleratorPressesButton();
    void gridMenu();
    void shiftF10OpensGridMenu();
    void codeMenu_data();
    void codeMenu();
    void codeMenuOpensAtFixedPlace();
    void deleteMiddleLineRenumbers();
    void cancelledDeleteRenumbersToo();
    void deleteFromEmptyTableAsksNothing();
    void deleteOnlyLineLeavesEmptyGrid();
    void refusedCellEditShowsErrorBox();
    void separatorRefusedInTexts_data();
    void separatorRefusedInTexts();
    void currentLineInView_data();
    void currentLineInView();
    void closeAsksOnlyAfterChanges_data();
    void closeAsksOnlyAfterChanges();
    void closeQuestionCancelKeepsWindow();
    void escapeDoesNotClose();
    void createFileCancelWritesNothing();
    void createFileDialogSettings();
    void createFileWritesLayout_data();
    void createFileWritesLayout();
    void createFileFailureShowsError();
    void createFileAsksBeforeMisalignedLines_data();
    void createFileAsksBeforeMisalignedLines();
    void webSiteButton();
    void secondContractsAtOnce();
    void massiveModificationByKeyboard();
    void searchCommitsPendingEditFirst();
    void commandKeysFinishTheEditFirst_data();
    void commandKeysFinishTheEditFirst();
};

void TestUnitDespTarvinel::windowFrame()
{
    Listing l(1);
    QCOMPARE(l.window.windowTitle(), QStringLiteral("Listado para Tarvinel"));
    const Qt::WindowFlags flags = l.window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(l.window.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(l.window.findChild<QWidget *>(QStringLiteral("Panel1"))->height(), 49);
    QVERIFY(l.grid());
}

void TestUnitDespTarvinel::buttonBar_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("working"); // its action exists already

    const auto row = [](const char *name, const char *caption, const char *hint, bool working) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << QString::fromUtf8(caption)
                                  << QString::fromUtf8(hint) << working;
    };
    // Left to right.
    row("SpeedButton1", "Crear &Arch.", "Crear archivo de texto para Tarvinel", true);
    row("SpeedButton3", "&Tarvinel", "Entra a la Página de Tarvinel", true);
    row("SpeedButton5", "E&xcel", "Envia archivo a Excel", true);
    row("SpeedButton6", "&Modificar", "Modificar datos de un empleado", true);
    row("SpeedButton7", "&Eliminar", "Eliminar línea", true);
    row("SpeedButton2", "C&ódigos", "Modifica códigos de Tarvinel", true);
    row("SpeedButton9", "Masi&va", "Modificación masiva", true);
    row("SpeedButton11", "2° Contra.", "Asigna segundos contratos", true);
    row("SpeedButton12", "O&bservaciones", "Lista de observaciones", true);
    row("SpeedButton8", "", "Ayuda", true);
    row("SpeedButton10", "", "Acerca de...", true);
    row("SpeedButton4", "", "Cerrar esta pantalla", true);
}

void TestUnitDespTarvinel::buttonBar()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, working);

    Listing l(1);
    QWidget *panel = l.window.findChild<QWidget *>(QStringLiteral("Panel1"));
    QStringList order;
    for (int i = 0; i < panel->layout()->count(); ++i) {
        if (QWidget *w = panel->layout()->itemAt(i)->widget())
            order.append(w->objectName());
    }
    QCOMPARE(order, QStringList({QStringLiteral("SpeedButton1"), QStringLiteral("SpeedButton3"),
                                 QStringLiteral("SpeedButton5"), QStringLiteral("SpeedButton6"),
                                 QStringLiteral("SpeedButton7"), QStringLiteral("SpeedButton2"),
                                 QStringLiteral("SpeedButton9"), QStringLiteral("SpeedButton11"),
                                 QStringLiteral("SpeedButton12"), QStringLiteral("SpeedButton8"),
                                 QStringLiteral("SpeedButton10"), QStringLiteral("SpeedButton4")}));

    const QToolButton *button = l.button(name.toLatin1().constData());
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), hint);
    QVERIFY(button->autoRaise());
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->isEnabled(), working);
}

void TestUnitDespTarvinel::acceleratorPressesButton()
{
    Listing l(3);
    l.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&l.window));
    l.platform.answers.enqueue(Answer::Cancel);
    QTest::keyClick(l.grid(), Qt::Key_E, Qt::AltModifier);
    // The button shows itself pressed for a moment before it clicks.
    QTRY_COMPARE(l.messageTexts(), QStringList{kDeleteQuestion});
}

void TestUnitDespTarvinel::shiftF10OpensGridMenu()
{
    Listing l(3);
    l.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&l.window));
    l.grid()->setFocus();
    QTest::keyClick(l.grid(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu *menu = l.menu("PopupMenu1");
    QTRY_VERIFY(menu->isVisible());
    // It opens on the current cell, as the Menu key's does.
    const QRect cell = l.grid()->visualRect(l.grid()->currentIndex());
    QVERIFY(menu->geometry().contains(l.grid()->viewport()->mapToGlobal(cell.center()) + QPoint(1, 1)));
    menu->close();
}

void TestUnitDespTarvinel::gridMenu()
{
    Listing l(3);
    QMenu *menu = l.menu("PopupMenu1");
    QVERIFY(menu);
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts,
             QStringList({QStringLiteral("Modificar"), QStringLiteral("Eliminar"), QStringLiteral("Agregar"),
                          QStringLiteral("-"), QStringLiteral("Buscar"), QStringLiteral("Observaciones")}));
    QCOMPARE(l.grid()->contextMenuPolicy(), Qt::CustomContextMenu);

    // "Eliminar" is the button's action.
    l.table().moveTo(0);
    l.platform.answers.enqueue(Answer::Ok);
    menu->actions().at(1)->trigger();
    QCOMPARE(l.names(), byteArrays({"L2", "L3"}));
    QCOMPARE(l.lineas(), QList<int>({1, 2}));
}

void TestUnitDespTarvinel::codeMenu_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("caption");

    const auto row = [](int item, const char *text, const char *section, int width, const char *caption) {
        QTest::addRow("%s", section) << item << QString::fromUtf8(text) << QByteArray(section) << width
                                     << QString::fromUtf8(caption);
    };
    row(0, "Tipo &Pago", "TipoPago", 2, "Modifica Tipo de Pago");
    row(1, "&Tipo Trabajador", "Tipo Trabajador", 1, "Modifica Tipo de Trabajador");
    row(2, "&Movimiento Personal", "Movimiento Personal", 2, "Modifica Movimiento Personal");
    row(3, "Tramo &Asignación Familiar", "Tramo Familiar", 1, "Modifica Tramo Familiar");
    row(4, "&Códigos de AFP", "Nombre AFP", 2, "Modifica AFP");
    row(5, "Códigos de &Isapres", "Isapres", 2, "Modifica Isapres");
    row(6, "&Nombre CCAF", "CCAF", 2, "Modifica CCAF");
    row(7, "Nombre Mutual de &Seguridad", "Mutual", 2, "Modifica Mutual de Seguridad");
    row(8, "Códigos de Cajas ex &Régimen", "Codigo Caja", 4, "Modifica Cajas Ex Régimen");
    row(9, "Nombres de Inst. AP&V Autorizadas", "APV", 3, "Modifica APV");
    row(10, "Tipo &Línea", "Tipo Linea", 2, "Modifica Tipo Linea");
}

void TestUnitDespTarvinel::codeMenu()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QByteArray, section);
    QFETCH(int, width);
    QFETCH(QString, caption);

    Listing l(1);
    const QList<QAction *> actions = l.menu("PopupMenu2")->actions();
    QCOMPARE(actions.size(), codemenu::kCount);
    QCOMPARE(actions.at(item)->text(), text);

    QTemporaryDir folder;
    QVERIFY(installTestCodeTable(folder.path()));
    programinfo::setProgramFolder(folder.path());

    QString shownCaption;
    QStringList shownEntries;
    int codeLimit = 0;
    l.platform.onNextModal([&](QDialog &editor) {
        shownCaption = editor.windowTitle();
        const QListWidget *list = editor.findChild<QListWidget *>(QStringLiteral("ListBox1"));
        for (int row = 0; row < list->count(); ++row)
            shownEntries.append(list->item(row)->text());
        codeLimit = editor.findChild<UpperCaseEdit *>(QStringLiteral("EdCodigo"))->charLimit();
    });
    actions.at(item)->trigger();
    programinfo::setProgramFolder(QString());
    QCOMPARE(l.platform.modalWindows, QStringList(QStringLiteral("TFrmModCodTarvinel")));
    QCOMPARE(shownCaption, caption);
    QStringList entries;
    for (const QByteArray &entry : readSection(testCodeTablePath(), section))
        entries.append(cp1252::toUnicode(entry));
    QVERIFY(!entries.isEmpty());
    QCOMPARE(shownEntries, entries);
    QCOMPARE(codeLimit, width);
}

void TestUnitDespTarvinel::codeMenuOpensAtFixedPlace()
{
    Listing l(1);
    l.window.move(150, 90);
    QMenu *menu = l.menu("PopupMenu2");
    l.button("SpeedButton2")->click();
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(400, 70));
    menu->close();
}

void TestUnitDespTarvinel::deleteMiddleLineRenumbers()
{
    Listing l(5);
    l.table().moveTo(2);
    l.platform.answers.enqueue(Answer::Ok);
    l.button("SpeedButton7")->click();

    QCOMPARE(l.platform.messages.size(), 1);
    const platform::MessageRequest &question = l.platform.messages.constFirst();
    QCOMPARE(question.text, kDeleteQuestion);
    QCOMPARE(question.caption, QStringLiteral("Atención"));
    QCOMPARE(question.icon, platform::Icon::Question);
    QVERIFY(question.withCancel);
    QCOMPARE(question.defaultAnswer, Answer::Cancel);

    QCOMPARE(l.names(), byteArrays({"L1", "L2", "L4", "L5"}));
    QCOMPARE(l.lineas(), QList<int>({1, 2, 3, 4}));
    QCOMPARE(l.table().currentRow(), 3);
    QCOMPARE(l.grid()->currentIndex().row(), 3);
    QCOMPARE(l.grid()->model()->data(l.grid()->model()->index(2, 0)).toString(), QStringLiteral("3"));
}

void TestUnitDespTarvinel::cancelledDeleteRenumbersToo()
{
    Listing l(3);
    // Numbers out of order, as a hand-edited "N°" leaves them.
    for (int row = 0; row < 3; ++row) {
        l.table().moveTo(row);
        l.table().edit();
        l.table().field(catalogue::kLinea).setInteger(10 - row);
        l.table().post();
    }
    l.table().moveTo(0);
    l.platform.answers.enqueue(Answer::Cancel);
    l.button("SpeedButton7")->click();

    QCOMPARE(l.messageTexts(), QStringList{kDeleteQuestion});
    QCOMPARE(l.names(), byteArrays({"L1", "L2", "L3"}));
    QCOMPARE(l.lineas(), QList<int>({1, 2, 3}));
    QCOMPARE(l.table().currentRow(), 2);
    QCOMPARE(l.grid()->currentIndex().row(), 2);
}

void TestUnitDespTarvinel::deleteFromEmptyTableAsksNothing()
{
    Listing l(0);
    l.button("SpeedButton7")->click();
    QVERIFY(l.platform.messages.isEmpty());
    QCOMPARE(l.table().rowCount(), 0);
}

void TestUnitDespTarvinel::deleteOnlyLineLeavesEmptyGrid()
{
    Listing l(1);
    l.platform.answers.enqueue(Answer::Ok);
    l.button("SpeedButton7")->click();
    QCOMPARE(l.table().rowCount(), 0);
    QCOMPARE(l.grid()->model()->rowCount(), 0);
    QCOMPARE(l.table().currentRow(), -1);
}

void TestUnitDespTarvinel::refusedCellEditShowsErrorBox()
{
    TestLocale es("es_CL");
    Listing l(2);
    l.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&l.window));
    RecordGrid *grid = l.grid();
    grid->setCurrentIndex(grid->model()->index(1, kRut));
    QTest::keyClicks(grid, QStringLiteral("a"));
    auto *editor = qobject_cast<QLineEdit *>(grid->openEditor());
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("bc"));
    QTest::keyClick(editor, Qt::Key_Return);

    QTRY_COMPARE(l.platform.messages.size(), 1);
    const platform::MessageRequest &box = l.platform.messages.constFirst();
    QCOMPARE(box.text, QStringLiteral("'ABC' is not a valid floating point value for field 'rut'."));
    QCOMPARE(box.icon, platform::Icon::Error);
    QCOMPARE(box.caption, programinfo::title());
    QCOMPARE(l.table().textAt(1, kRut), QByteArray("2000"));
    QCOMPARE(grid->model()->data(grid->model()->index(1, kRut)).toString(), QStringLiteral("2000"));
}

enum class TextEntry { GridCell, EditorBox, MassiveCombo };

void TestUnitDespTarvinel::separatorRefusedInTexts_data()
{
    QTest::addColumn<TextEntry>("entry");
    QTest::addColumn<linelayout::Layout>("layout");
    QTest::addColumn<QString>("taken");
    const auto separated = linelayout::Layout::Separated;
    const auto fixed = linelayout::Layout::Fixed;
    QTest::addRow("grid cell, separated") << TextEntry::GridCell << separated << QStringLiteral("DIAZPEREZ");
    QTest::addRow("grid cell, fixed") << TextEntry::GridCell << fixed << QStringLiteral("DIAZ;PEREZ");
    QTest::addRow("editor box, separated")
        << TextEntry::EditorBox << separated << QStringLiteral("DIAZPEREZ");
    QTest::addRow("editor box, fixed") << TextEntry::EditorBox << fixed << QStringLiteral("DIAZ;PEREZ");
    QTest::addRow("massive combo, separated")
        << TextEntry::MassiveCombo << separated << QStringLiteral("diazperez");
    QTest::addRow("massive combo, fixed") << TextEntry::MassiveCombo << fixed << QStringLiteral("diaz;perez");
}

// A ";" in a text of a separated file would split its field when the file is read back.
void TestUnitDespTarvinel::separatorRefusedInTexts()
{
    QFETCH(TextEntry, entry);
    QFETCH(linelayout::Layout, layout);
    QFETCH(QString, taken);
    const QString typed = QStringLiteral("diaz;perez");
    Listing l(1, layout);
    QString shown;
    switch (entry) {
    case TextEntry::GridCell: {
        l.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&l.window));
        RecordGrid *grid = l.grid();
        grid->setCurrentIndex(grid->model()->index(0, kApePat));
        QTest::keyClicks(grid, typed.left(1));
        auto *editor = qobject_cast<QLineEdit *>(grid->openEditor());
        QVERIFY(editor);
        QTest::keyClicks(editor, typed.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!grid->openEditor());
        shown = cp1252::toUnicode(l.table().textAt(0, kApePat));
        break;
    }
    case TextEntry::EditorBox:
        l.platform.onNextModal([&](QDialog &dialog) {
            QLineEdit *box = control<QLineEdit>(dialog, "EdApepat");
            box->clear();
            QTest::keyClicks(box, typed);
            shown = box->text();
            dialog.reject();
        });
        l.button("SpeedButton6")->click();
        break;
    case TextEntry::MassiveCombo:
        l.platform.onNextModal([&](QDialog &dialog) {
            auto &massive = static_cast<TFrmModMasiva &>(dialog);
            massive.RadioGroup1->button(0)->click();
            QTest::keyClicks(massive.CBox1->lineEdit(), typed);
            shown = massive.CBox1->currentText();
            dialog.reject();
        });
        l.button("SpeedButton9")->click();
        break;
    }
    QCOMPARE(shown, taken);
}

void TestUnitDespTarvinel::currentLineInView_data()
{
    QTest::addColumn<QSize>("resized"); // after it was shown, as a window manager does; empty: not
    QTest::addRow("as shown") << QSize();
    QTest::addRow("made smaller") << QSize(500, 300);
}

void TestUnitDespTarvinel::currentLineInView()
{
    QFETCH(QSize, resized);
    Listing l(300);
    QVERIFY(QTest::qWaitForWindowExposed(&l.window));
    if (resized.isValid())
        l.window.resize(resized);
    RecordGrid *grid = l.grid();
    QCOMPARE(grid->currentIndex().row(), 299);
    QVERIFY(grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex())));
}

enum class Before {
    Nothing,
    DeleteCancelled,
    LineDeleted,
    CellPosted,
    CellPending,
    SameValue,
    Written,
    ChangedAfterWrite
};

void TestUnitDespTarvinel::closeAsksOnlyAfterChanges_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("viaButton");

    QTest::addRow("untouched") << Before::Nothing << false << true;
    QTest::addRow("untouched, close box") << Before::Nothing << false << false;
    QTest::addRow("delete cancelled") << Before::DeleteCancelled << false << true;
    QTest::addRow("line deleted") << Before::LineDeleted << true << true;
    QTest::addRow("line deleted, close box") << Before::LineDeleted << true << false;
    QTest::addRow("cell changed and stored") << Before::CellPosted << true << true;
    QTest::addRow("cell changed, line pending") << Before::CellPending << true << true;
    QTest::addRow("cell given its own value") << Before::SameValue << false << true;
    QTest::addRow("written after a change") << Before::Written << false << true;
    QTest::addRow("changed after writing") << Before::ChangedAfterWrite << true << true;
}

void TestUnitDespTarvinel::closeAsksOnlyAfterChanges()
{
    QFETCH(Before, before);
    QFETCH(bool, asks);
    QFETCH(bool, viaButton);

    QTemporaryDir folder;
    Listing l(3);
    RecordTableModel *model = &l.grid()->recordModel();
    const auto deleteLine = [&l](Answer answer) {
        l.platform.answers.enqueue(answer);
        l.button("SpeedButton7")->click();
    };
    const auto write = [&] {
        l.platform.fileNames.enqueue(folder.filePath(QStringLiteral("Tarvinel.txt")));
        l.button("SpeedButton1")->click();
    };
    switch (before) {
    case Before::Nothing:
        break;
    case Before::DeleteCancelled:
        deleteLine(Answer::Cancel);
        break;
    case Before::LineDeleted:
        deleteLine(Answer::Ok);
        break;
    case Before::CellPosted:
        QVERIFY(model->setData(model->index(0, kApePat), QStringLiteral("OTRO")));
        QVERIFY(model->postPending());
        break;
    case Before::CellPending:
        QVERIFY(model->setData(model->index(0, kApePat), QStringLiteral("OTRO")));
        break;
    case Before::SameValue:
        QVERIFY(model->setData(model->index(0, kApePat), QStringLiteral("L1")));
        QVERIFY(model->postPending());
        break;
    case Before::Written:
        deleteLine(Answer::Ok);
        write();
        break;
    case Before::ChangedAfterWrite:
        write();
        QVERIFY(model->setData(model->index(1, kApePat), QStringLiteral("OTRO")));
        QVERIFY(model->postPending());
        break;
    }
    l.platform.messages.clear();

    l.platform.answers.enqueue(Answer::Ok);
    if (viaButton)
        l.button("SpeedButton4")->click();
    else
        l.window.close();

    QCOMPARE(l.messageTexts(), asks ? QStringList{kCloseQuestion} : QStringList());
    if (asks) {
        const platform::MessageRequest &question = l.platform.messages.constFirst();
        QCOMPARE(question.caption, QStringLiteral("Atención"));
        QCOMPARE(question.icon, platform::Icon::Question);
        QCOMPARE(question.defaultAnswer, Answer::Cancel);
    }
    QVERIFY(!l.window.isVisible());
    QVERIFY(!l.table().isOpen());
    QCOMPARE(l.table().rowCount(), 0);
    QCOMPARE(l.grid()->model()->rowCount(), 0);
}

void TestUnitDespTarvinel::closeQuestionCancelKeepsWindow()
{
    Listing l(3);
    l.platform.answers.enqueue(Answer::Ok);
    l.platform.answers.enqueue(Answer::Cancel);
    l.button("SpeedButton7")->click();
    l.window.close();

    QCOMPARE(l.messageTexts(), QStringList({kDeleteQuestion, kCloseQuestion}));
    QVERIFY(l.window.isVisible());
    QVERIFY(l.table().isOpen());
    QCOMPARE(l.names(), byteArrays({"L1", "L2"}));

    // Asked again on the next try, as long as nothing was written.
    l.platform.answers.enqueue(Answer::Ok);
    l.button("SpeedButton4")->click();
    QCOMPARE(l.messageTexts().count(kCloseQuestion), 2);
    QVERIFY(!l.window.isVisible());
}

void TestUnitDespTarvinel::escapeDoesNotClose()
{
    Listing l(2);
    l.platform.answers.enqueue(Answer::Ok);
    l.button("SpeedButton7")->click();
    QTest::keyClick(l.grid(), Qt::Key_Escape);
    QTest::keyClick(&l.window, Qt::Key_Escape);
    QVERIFY(l.window.isVisible());
    QCOMPARE(l.messageTexts(), QStringList{kDeleteQuestion});
}

void TestUnitDespTarvinel::createFileCancelWritesNothing()
{
    QTemporaryDir folder;
    QVERIFY(QDir::setCurrent(folder.path()));
    Listing l(4);
    l.table().moveTo(1);
    const quint64 revision = l.table().revision();

    l.button("SpeedButton1")->click();
    QCOMPARE(l.platform.saveRequests.size(), 1);
    QVERIFY(l.platform.messages.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    QCOMPARE(l.table().currentRow(), 1);
    QCOMPARE(l.grid()->currentIndex().row(), 1);
    QCOMPARE(l.table().revision(), revision);
}

void TestUnitDespTarvinel::createFileDialogSettings()
{
    QTemporaryDir folder;
    Listing l(1);
    l.platform.fileNames.enqueue(folder.filePath(QStringLiteral("otro nombre.txt")));
    l.button("SpeedButton1")->click();
    l.button("SpeedButton1")->click();

    QCOMPARE(l.platform.saveRequests.size(), 2);
    for (const platform::FileRequest &request : l.platform.saveRequests) {
        // Proposed again on every use, whatever name was chosen last time.
        QCOMPARE(request.fileName, QStringLiteral("Tarvinel"));
        QCOMPARE(request.filter, QStringLiteral("Archivo de Texto (*.txt)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("txt"));
#ifdef Q_OS_WIN
        QCOMPARE(request.folder, QStringLiteral("C:\\Mis Documentos\\"));
#else
        QCOMPARE(request.folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
#endif
    }
}

void TestUnitDespTarvinel::createFileWritesLayout_data()
{
    QTest::addColumn<linelayout::Layout>("layout");
    QTest::addRow("fixed positions") << linelayout::Layout::Fixed;
    QTest::addRow("separated") << linelayout::Layout::Separated;
}

void TestUnitDespTarvinel::createFileWritesLayout()
{
    QFETCH(linelayout::Layout, layout);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Tarvinel.txt"));
    Listing l(3, layout);
    l.platform.fileNames.enqueue(path);
    l.button("SpeedButton1")->click();
    QVERIFY(l.platform.messages.isEmpty());

    // Each line composed in the layout the window was given, in table order.
    QByteArray expected;
    for (int row = 0; row < l.table().rowCount(); ++row)
        expected += linelayout::compose(linelayout::rowTexts(l.table(), row), layout) + "\r\n";
    QCOMPARE(fileBytes(path), expected);
    QCOMPARE(expected.contains(';'), layout == linelayout::Layout::Separated);
    // The write leaves the last line current, and the grid shows it.
    QCOMPARE(l.grid()->currentIndex().row(), 2);
}

void TestUnitDespTarvinel::createFileFailureShowsError()
{
    QTemporaryDir folder;
    Listing l(2);
    l.platform.answers.enqueue(Answer::Ok);
    l.button("SpeedButton7")->click();
    l.platform.messages.clear();

    l.platform.fileNames.enqueue(folder.filePath(QStringLiteral("missing/Tarvinel.txt")));
    l.button("SpeedButton1")->click();
    QCOMPARE(l.messageTexts(), QStringList{QStringLiteral("Invalid filename.")});
    QCOMPARE(l.platform.messages.constFirst().icon, platform::Icon::Error);
    // Nothing was written: closing still asks.
    QVERIFY(l.window.hasUnsavedChanges());
}

void TestUnitDespTarvinel::createFileAsksBeforeMisalignedLines_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addRow("written when asked for") << Answer::Ok;
    QTest::addRow("cancelled") << Answer::Cancel;
}

// A line that would not fill its 861 columns moves every field after the odd one: the file is
// written only when the user says so, exactly as composed.
void TestUnitDespTarvinel::createFileAsksBeforeMisalignedLines()
{
    QFETCH(Answer, answer);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Tarvinel.txt"));
    Listing l(3);
    l.table().moveTo(1);
    l.table().edit();
    l.table().fieldByName("rut").setText("123456789012");
    l.table().post();
    l.platform.answers.enqueue(answer);
    l.platform.fileNames.enqueue(path);
    l.button("SpeedButton1")->click();

    QCOMPARE(l.platform.messages.size(), 1);
    const platform::MessageRequest &question = l.platform.messages.constFirst();
    QCOMPARE(question.caption, QStringLiteral("Atención"));
    QCOMPARE(question.defaultAnswer, Answer::Cancel);
    QVERIFY2(question.text.startsWith(QStringLiteral("La línea 2 no tendría 861 caracteres: el campo [1] "
                                                     "Rut tiene \"123456789012\" (12 caracteres) y su "
                                                     "ancho es 11")),
             qPrintable(question.text));
    QCOMPARE(l.platform.saveRequests.size(), answer == Answer::Ok ? 1 : 0);
    QCOMPARE(QFile::exists(path), answer == Answer::Ok);
    if (answer == Answer::Ok) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArrayList lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0].size(), 862); // 861 and the carriage return
        QCOMPARE(lines[1].size(), 863);
        QVERIFY(lines[1].startsWith("123456789012K"));
    }
    QCOMPARE(l.window.hasUnsavedChanges(), answer == Answer::Cancel);
}

void TestUnitDespTarvinel::webSiteButton()
{
    Listing l(1);
    l.platform.urlResult = false;
    l.button("SpeedButton3")->click();
    QCOMPARE(l.platform.openedUrls, QList<QUrl>{QUrl(webaddresses::site())});
    QVERIFY(l.platform.messages.isEmpty());
}

void TestUnitDespTarvinel::secondContractsAtOnce()
{
    Listing l(3);
    l.table().moveTo(1);
    l.table().edit();
    for (const auto &[field, value] : {std::pair("rut", "1000"), std::pair("impo_afp", "500000"),
                                       std::pair("dias_trab", "30"), std::pair("cotiza_mutual", "900")})
        l.table().fieldByName(field).setText(value);
    l.table().post();
    l.table().moveTo(0);
    const quint64 revision = l.table().revision();

    l.button("SpeedButton11")->click();
    QCOMPARE(l.table().textAt(0, RecordTable::fieldIndex("tipo_trab")), QByteArray("0")); // as loaded
    QCOMPARE(l.table().textAt(1, RecordTable::fieldIndex("tipo_trab")), QByteArray("8"));
    QVERIFY(l.platform.messages.isEmpty());
    QVERIFY(l.platform.modalWindows.isEmpty());
    QCOMPARE(l.grid()->currentIndex().row(), 2);
    QVERIFY(l.table().revision() != revision);
}

void TestUnitDespTarvinel::massiveModificationByKeyboard()
{
    Listing l(3);
    l.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&l.window));
    l.platform.onNextModal([](QDialog &dialog) {
        auto &massive = static_cast<TFrmModMasiva &>(dialog);
        massive.RadioGroup1->button(3)->click();
        QTest::keyClicks(massive.OvcPF, QStringLiteral("042024"));
        massive.BitBtn1->click();
    });
    QTest::keyClick(l.grid(), Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(l.platform.modalWindows, QStringList{QStringLiteral("TFrmModMasiva")});
    const int remuDesde = RecordTable::fieldIndex("remu_desde");
    for (int row = 0; row < 3; ++row)
        QCOMPARE(l.table().textAt(row, remuDesde), QByteArray("042024"));
    QCOMPARE(l.grid()->currentIndex().row(), 2);
    QVERIFY(l.window.hasUnsavedChanges());
}

void TestUnitDespTarvinel::searchCommitsPendingEditFirst()
{
    Listing l(3);
    RecordTableModel *model = &l.grid()->recordModel();
    QVERIFY(model->setData(model->index(0, kRut), QStringLiteral("5000")));
    QVERIFY(l.table().isPending());
    l.platform.onNextModal([](QDialog &dialog) {
        auto &search = static_cast<TFrmBuscar &>(dialog);
        QTest::keyClicks(search.OvcERut, QStringLiteral("3000"));
        search.BitBtn1->click();
    });
    l.menu("PopupMenu1")->actions().at(4)->trigger();

    QCOMPARE(l.platform.modalWindows, QStringList{QStringLiteral("TFrmBuscar")});
    QVERIFY(!l.table().isPending());
    QCOMPARE(l.table().textAt(0, kRut), QByteArray("5000"));
    QCOMPARE(l.table().currentRow(), 2);
    QCOMPARE(l.grid()->currentIndex().row(), 2);
    QVERIFY(l.platform.messages.isEmpty());
}

void TestUnitDespTarvinel::commandKeysFinishTheEditFirst_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("asked"); // file names proposed, windows shown, then box texts

    QTest::addRow("Ctrl+S creates the file")
        << QKeySequence(Qt::CTRL | Qt::Key_S) << QStringList{QStringLiteral("Tarvinel")};
    QTest::addRow("Ctrl+F searches") << QKeySequence(Qt::CTRL | Qt::Key_F)
                                     << QStringList{QStringLiteral("TFrmBuscar")};
    QTest::addRow("F1 shows the help")
        << QKeySequence(Qt::Key_F1) << QStringList{QStringLiteral("No se encontró el archivo de ayuda %1")};
}

void TestUnitDespTarvinel::commandKeysFinishTheEditFirst()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, asked);

    QTemporaryDir folder;
    programinfo::setProgramFolder(folder.path());
    Listing l(2);
    l.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&l.window));
    l.grid()->setCurrentIndex(l.grid()->model()->index(0, kApePat));
    QTest::keyClicks(l.grid(), QStringLiteral("x"));
    QWidget *editor = l.grid()->openEditor();
    QVERIFY(editor);
    l.platform.onNextModal([](QDialog &window) { window.reject(); });
    QTest::keySequence(editor, keys);
    programinfo::setProgramFolder(QString());

    QCOMPARE(l.table().textAt(0, kApePat), QByteArray("X"));
    QStringList shown;
    for (const platform::FileRequest &request : l.platform.saveRequests)
        shown.append(request.fileName);
    shown << l.platform.modalWindows << l.messageTexts();
    const QString help = QDir::toNativeSeparators(folder.filePath(QStringLiteral("AYUDA.HLP")));
    QCOMPARE(shown, asked.replaceInStrings(QStringLiteral("%1"), help));
}

QTEST_MAIN(TestUnitDespTarvinel)
#include "tst_unitdesptarvinel.moc"
