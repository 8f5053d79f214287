// What a screen reader reads of every window: each widget's accessible interface, its children,
// and the grid's table and cells over every visible cell, walked in-process, also after the grid's
// lines changed. (Headless, no bridge makes accessibility active, so Qt's table interface does not
// follow changes made after a walk: a plain QTableView then keeps the cells of removed lines too.
// Each walk here starts fresh.)

#include "NumberedRows.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include "app/UnitPrincipal.h"
#include "codes/CodeHelpTexts.h"
#include "model/RecordTable.h"
#include "model/TableOperations.h"
#include "ui/HelpWindow.h"
#include "ui/UnitAcercade.h"
#include "ui/UnitBuscar.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/UnitModMasiva.h"
#include "ui/UnitSeleccionar.h"
#include "ui/codes/UFrmAyudaParametros.h"
#include "ui/codes/UnitModCodTarvinel.h"
#include "ui/editor/UnitDatosTarvinel.h"
#include "util/ProgramInfo.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

constexpr int kMaxDepth = 40;

// Reads everything a screen reader asks of one interface and of its descendants; answers the first
// fault found, with the path to it, or an empty text.
class AccessibleWalk {
public:
    QString walk(QAccessibleInterface *iface, const QString &path = QString())
    {
        if (!iface || !iface->isValid())
            return path + QStringLiteral(": no valid interface");
        if (path.count(QLatin1Char('/')) > kMaxDepth)
            return path + QStringLiteral(": the tree is deeper than any window");
        ++m_visited;
        const QString here = path + QLatin1Char('/') + QString::number(int(iface->role()), 16);
        for (auto kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help,
                          QAccessible::Accelerator})
            (void)iface->text(kind);
        (void)iface->state();
        (void)iface->rect();
        (void)iface->object();
        (void)iface->window();
        if (QAccessibleValueInterface *value = iface->valueInterface()) {
            (void)value->currentValue();
            (void)value->minimumValue();
            (void)value->maximumValue();
        }
        if (QAccessibleTextInterface *text = iface->textInterface()) {
            const int characters = text->characterCount();
            if (characters < 0)
                return here + QStringLiteral(": negative character count");
            (void)text->text(0, characters);
            (void)text->cursorPosition();
            for (int selection = 0; selection < text->selectionCount(); ++selection) {
                int start = 0;
                int end = 0;
                text->selection(selection, &start, &end);
            }
        }
        if (QAccessibleActionInterface *actions = iface->actionInterface())
            (void)actions->actionNames();
        if (QAccessibleTableInterface *table = iface->tableInterface()) {
            // The cells are the table's children; those on the screen are walked as cells.
            return walkTable(iface, *table, here);
        }
        const int children = iface->childCount();
        for (int index = 0; index < children; ++index) {
            QAccessibleInterface *child = iface->child(index);
            if (!child)
                return here + QStringLiteral(": child %1 of %2 is missing").arg(index).arg(children);
            if (iface->indexOfChild(child) != index)
                return here
                       + QStringLiteral(": child %1 says it is child %2")
                             .arg(index)
                             .arg(iface->indexOfChild(child));
            if (!child->parent())
                return here + QStringLiteral(": child %1 has no parent").arg(index);
            const QString fault = walk(child, here);
            if (!fault.isEmpty())
                return fault;
        }
        return {};
    }

    int visited() const { return m_visited; }

private:
    // Every cell the grid shows, through the table interface, as a reader moving over the grid asks.
    QString walkTable(QAccessibleInterface *iface, QAccessibleTableInterface &table, const QString &here)
    {
        auto *view = qobject_cast<QAbstractItemView *>(iface->object());
        const int rows = table.rowCount();
        const int columns = table.columnCount();
        if (view && view->model()
            && (rows != view->model()->rowCount(view->rootIndex())
                || columns != view->model()->columnCount(view->rootIndex())))
            return here
                   + QStringLiteral(": the table reads %1 x %2, its model holds %3 x %4")
                         .arg(rows)
                         .arg(columns)
                         .arg(view->model()->rowCount(view->rootIndex()))
                         .arg(view->model()->columnCount(view->rootIndex()));
        (void)table.caption();
        (void)table.summary();
        (void)table.selectedCellCount();
        (void)table.selectedRows();
        (void)table.selectedColumns();
        for (QAccessibleInterface *cell : table.selectedCells()) {
            if (!cell || !cell->isValid())
                return here + QStringLiteral(": a selected cell is not valid");
        }
        for (int column = 0; column < columns; ++column)
            (void)table.columnDescription(column);
        for (int row = 0; row < rows; ++row) {
            if (view && !view->viewport()->rect().intersects(view->visualRect(view->model()->index(row, 0))))
                continue;
            (void)table.rowDescription(row);
            for (int column = 0; column < columns; ++column) {
                if (view
                    && !view->viewport()->rect().intersects(
                        view->visualRect(view->model()->index(row, column))))
                    continue;
                QAccessibleInterface *cell = table.cellAt(row, column);
                if (!cell || !cell->isValid())
                    return here + QStringLiteral(": no cell %1,%2").arg(row).arg(column);
                QAccessibleTableCellInterface *asCell = cell->tableCellInterface();
                if (!asCell)
                    return here + QStringLiteral(": cell %1,%2 is no table cell").arg(row).arg(column);
                if (asCell->rowIndex() != row || asCell->columnIndex() != column)
                    return here
                           + QStringLiteral(": cell %1,%2 says it is %3,%4")
                                 .arg(row)
                                 .arg(column)
                                 .arg(asCell->rowIndex())
                                 .arg(asCell->columnIndex());
                (void)cell->text(QAccessible::Name);
                (void)cell->state();
                (void)cell->rect();
                (void)asCell->isSelected();
                (void)asCell->columnHeaderCells();
                (void)asCell->rowHeaderCells();
                if (!asCell->table())
                    return here + QStringLiteral(": cell %1,%2 has no table").arg(row).arg(column);
            }
        }
        return {};
    }

    int m_visited = 0;
};

using WindowMaker = std::function<std::unique_ptr<QWidget>(RecordTable &)>;

} // namespace

Q_DECLARE_METATYPE(WindowMaker)

class TstAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyWindow_data();
    void everyWindow();
    void gridAfterLinesChange_data();
    void gridAfterLinesChange();

private:
    QTemporaryDir m_folder;
    ScriptedPlatform m_platform;
};

void TstAccessibility::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY(installTestCodeTable(m_folder.path()));
    programinfo::setProgramFolder(m_folder.path());
}

void TstAccessibility::everyWindow_data()
{
    QTest::addColumn<WindowMaker>("make");
    const auto listing = [](RecordTable &) {
        auto window = std::make_unique<TFrmTarvinel>(linelayout::Layout::Fixed);
        fillNumberedRows(window->RxMem(), 40);
        return std::unique_ptr<QWidget>(std::move(window));
    };
    QTest::addRow("main window") << WindowMaker(
        [](RecordTable &) { return std::make_unique<TFrmPrincipal>(); });
    QTest::addRow("format dialog") << WindowMaker(
        [](RecordTable &) { return std::make_unique<TFrmSeleccionar>(); });
    QTest::addRow("listing") << WindowMaker(listing);
    QTest::addRow("record editor, modify")
        << WindowMaker([](RecordTable &table) { return std::make_unique<TFrmDatosTarvinel>(table, false); });
    QTest::addRow("record editor, add")
        << WindowMaker([](RecordTable &table) { return std::make_unique<TFrmDatosTarvinel>(table, true); });
    QTest::addRow("mass modification")
        << WindowMaker([](RecordTable &table) { return std::make_unique<TFrmModMasiva>(table); });
    QTest::addRow("RUT search") << WindowMaker(
        [](RecordTable &table) { return std::make_unique<TFrmBuscar>(table); });
    QTest::addRow("code-table editor")
        << WindowMaker([](RecordTable &) { return std::make_unique<TFrmModCodTarvinel>("Nombre AFP", 2); });
    QTest::addRow("code help") << WindowMaker(
        [](RecordTable &) { return std::make_unique<TFrmAyudaParametros>(*codehelp::find("Nombre AFP")); });
    QTest::addRow("about box") << WindowMaker([](RecordTable &) { return std::make_unique<TFrmAcercade>(); });
    QTest::addRow("help window") << WindowMaker(
        [](RecordTable &) { return std::make_unique<HelpWindow>(QStringLiteral(SHIPPED_HELP_FILE)); });
}

void TstAccessibility::everyWindow()
{
    QFETCH(WindowMaker, make);
    RecordTable table;
    fillNumberedRows(table, 3);
    table.moveTo(1);
    std::unique_ptr<QWidget> window = make(table);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    AccessibleWalk walk;
    QCOMPARE(walk.walk(QAccessible::queryAccessibleInterface(window.get())), QString());
    QVERIFY(walk.visited() > 2);
}

void TstAccessibility::gridAfterLinesChange_data()
{
    QTest::addColumn<std::function<void(RecordTable &)>>("change");
    QTest::addRow("last line deleted") << std::function<void(RecordTable &)>([](RecordTable &table) {
        table.moveTo(table.rowCount() - 1);
        table.deleteRow();
    });
    QTest::addRow("first line deleted") << std::function<void(RecordTable &)>([](RecordTable &table) {
        table.first();
        table.deleteRow();
    });
    QTest::addRow("every line deleted") << std::function<void(RecordTable &)>([](RecordTable &table) {
        while (table.rowCount() > 0)
            table.deleteRow();
    });
    QTest::addRow("line inserted and posted") << std::function<void(RecordTable &)>([](RecordTable &table) {
        table.moveTo(2);
        table.insert();
        table.fieldByName("ape_pat").setText("NUEVO");
        table.post();
        tableops::RenumerarLineas(table);
    });
    QTest::addRow("line inserted and cancelled")
        << std::function<void(RecordTable &)>([](RecordTable &table) {
               table.insert();
               table.cancel();
           });
    QTest::addRow("table read again")
        << std::function<void(RecordTable &)>([](RecordTable &table) { fillNumberedRows(table, 2); });
    QTest::addRow("table closed") << std::function<void(RecordTable &)>(
        [](RecordTable &table) { table.close(); });
}

void TstAccessibility::gridAfterLinesChange()
{
    QFETCH(std::function<void(RecordTable &)>, change);
    TFrmTarvinel listing(linelayout::Layout::Fixed);
    fillNumberedRows(listing.RxMem(), 12);
    listing.show();
    QVERIFY(QTest::qWaitForWindowExposed(&listing));
    listing.RxMem().moveTo(5);
    change(listing.RxMem());
    QCoreApplication::processEvents();
    QCOMPARE(AccessibleWalk().walk(QAccessible::queryAccessibleInterface(&listing)), QString());
}

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
