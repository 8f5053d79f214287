#pragma once

#include "checks/Observations.h"
#include "model/LineLayout.h"
#include "model/RecordTable.h"
#include "ui/export/GenExport.h"

#include <QDialog>
#include <QIcon>
#include <QKeySequence>

#include <memory>

class QAction;
class QMenu;
class QToolButton;
class RecordGrid;
class RecordTableModel;

// The listing window: every line of the loaded declaration file in the grid `DBGrid1`, the button
// bar `Panel1` and the grid's and code menus. The window owns the record table `RxMem`; load() fills
// it before the window is shown, and closing the window closes it. The layout is the one chosen in
// the format dialog, in which the file is read and "Crear &Arch." writes it back.
//
// Every cell the service would refuse is marked in the grid (`m_observations`, checked against the
// code tables of Tarvinel.cfg as it is when the window is made and after each code-table edit); the
// status line under the grid counts them and "O&bservaciones" lists them.
//
// Closing asks first when lines were changed, added or deleted since the window was shown or the
// file was last written: OK closes and discards them, Cancel keeps the window open.
class TFrmTarvinel : public QDialog {
    Q_OBJECT

public:
    explicit TFrmTarvinel(linelayout::Layout layout, QWidget *parent = nullptr);
    ~TFrmTarvinel() override;

    // Reads the declaration file at `path` into `RxMem` in the window's layout, before the window is
    // shown. It fails as declaration::read() does; a window whose load failed is to be discarded.
    void load(const QString &path);

    RecordTable &RxMem();
    linelayout::Layout layout() const { return m_layout; }

    // Whether closing now would ask before it discards changes.
    bool hasUnsavedChanges() const;

public Q_SLOTS:
    // Closes the window; a question first when there are unsaved changes.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The commands' handlers. Each runs from its action (see command()), after any pending grid edit
    // has been stored, inside the error boundary.
    void SpeedButton1Click();   // "Crear &Arch."
    void SpeedButton3Click();   // "&Tarvinel"
    void SpeedButton5Click();   // "E&xcel"
    void SpeedButton6Click();   // "&Modificar", grid menu "Modificar", double click
    void SpeedButton7Click();   // "&Eliminar", grid menu "Eliminar"
    void SpeedButton2Click();   // "C&ódigos"
    void SpeedButton9Click();   // "Masi&va"
    void SpeedButton11Click();  // "2° Contra."
    void SpeedButton8Click();   // help, F1
    void SpeedButton10Click();  // About
    void SpeedButton4Click();   // close
    void Agregar1Click();       // grid menu "Agregar"
    void Buscar1Click();        // grid menu "Buscar"
    void Observaciones1Click(); // "O&bservaciones", grid menu "Observaciones"
    void CodeMenuItemClick(int item);
    void DBGrid1ContextMenu(const QPoint &pos);

    void buildControls();
    // One command of the window: an action shared by its bar button, its menu item and its keys,
    // which work wherever the focus is in the window. Triggered, it stores a pending grid edit
    // (a value the field refuses stops it) and runs `handler` through guardedAction().
    // `text` is its text in a menu, `hint` its tooltip.
    QAction *command(void (TFrmTarvinel::*handler)(), const QString &text, const QString &hint,
                     const QIcon &glyph = QIcon(), const QKeySequence &keys = QKeySequence());
    // A bar button for `command`, captioned `caption` ("&" before its accelerator), or only its
    // picture when `caption` is empty.
    QToolButton *addButton(const char *name, const QString &caption, QAction *command);

    RecordTable m_table;
    Observations m_observations;
    TGenExport GenExport1{this};
    linelayout::Layout m_layout;
    // Held here rather than left to the window's children, which outlive every member: declared
    // after the table, the grid goes before its model and the model before the table they read.
    std::unique_ptr<RecordTableModel> m_model;
    std::unique_ptr<RecordGrid> DBGrid1;
    QWidget *Panel1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    quint64 m_savedRevision = 0;
    bool m_shown = false;
};
