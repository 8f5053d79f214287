#pragma once

#include "codes/CodeSections.h"
#include "ui/editor/DatosTarvinelBindings.h"
#include "ui/editor/DatosTarvinelUi.h"
#include "util/EntryConversions.h"

#include <QByteArray>
#include <QDate>
#include <QDialog>
#include <QList>

#include <array>
#include <optional>

class CodeComboBox;
class FieldRef;
class RecordTable;
class UpperCaseEdit;

// The record editor "Modificar Datos": every field of one declaration line on four tabs.
//
// Modify mode (ModoAgregar false) shows the current line of `table` and "&Aceptar" changes it; add
// mode starts from defaults and "&Aceptar" inserts a new line in front of the current one. The code
// lists are read from Tarvinel.cfg when the editor is made; the controls are filled when it is
// first shown, with `today` (the current date when invalid) as the current period.
//
// "&Aceptar" is all or nothing: a check or stop that refuses it shows its message and leaves the
// table exactly as it was (the pending line is cancelled), so only a complete save changes the
// table; on success the line is posted and the editor accepted. "&Cancelar" rejects the editor and
// leaves the table untouched. Messages go through the platform's note and error boxes.
class TFrmDatosTarvinel : public QDialog {
    Q_OBJECT

public:
    TFrmDatosTarvinel(RecordTable &table, bool ModoAgregar, QWidget *parent = nullptr, QDate today = QDate());
    ~TFrmDatosTarvinel() override;

    bool addMode() const { return m_ModoAgregar; }
    // The period of the last showing.
    const entryconversions::RPeriodo &period() const { return m_period; }

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Where a refused save sends the user: the tab to show (-1: stay) and the control to focus.
    struct Stop {
        int tab;
        QString message;
        QWidget *focus;
    };

    void FormCreate();
    void FormShow();
    void PageControl1Change();

    void loadDefaults();
    void loadFromLine();
    // Answers whether the line was saved; a refusal has been shown.
    bool save();
    // The checks made before anything is written: false after showing the first that fails.
    bool checkEntries();
    // Every control into the pending line; the stop that refuses the save, if any.
    std::optional<Stop> copyToLine();
    void refuse(const Stop &stop);

    // The controls of the field tables that the editor's own rules use, by object name.
    CodeComboBox *codeBox(const char *name) const;
    UpperCaseEdit *textBox(const char *name) const;
    FieldRef field(const char *name);
    // Shows the entry of the stored code of field `name`, or an empty box.
    void showCode(CodeComboBox *box, CodeTable table, const char *name);
    // The entries of a box: those of its table, after the built-in one for CBxMovVolun.
    QList<QByteArray> entriesOf(const CodeComboBox *box, CodeTable table) const;
    const QList<QByteArray> &codes(CodeTable table) const { return m_codes[std::size_t(table)]; }

    DatosTarvinelUi m_ui;
    RecordTable &m_table;
    const bool m_ModoAgregar;
    QDate m_today;
    entryconversions::RPeriodo m_period;
    std::array<QList<QByteArray>, codesections::kCount> m_codes;
    QList<datosbindings::Binding> m_bindings;
    QByteArray m_storedRegimen; // reg_previ as the line held it when loaded
    bool m_shown = false;
};
