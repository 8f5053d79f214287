#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QList>

// The record editor's combo box of code-table entries: an editable drop-down list whose entries
// come as Windows-1252 bytes. The user may pick an entry or type any text; only Windows-1252
// characters that the window does not refuse are taken (Cp1252Validator). Nothing completes or
// rewrites what is typed into an entry, and typed text is never added to the list.
//
// The value is currentText(), the text in the box; load it with setCurrentText() (which sets the
// text, whether or not it is an entry) or setCurrentIndex() (-1 or an index past the end leaves
// the box empty with no selection). Under the program's Enter filter Enter acts as Tab, and Qt
// commits typed text to currentIndex only on a real Enter: callers must read currentText(), never
// currentIndex(), to learn what the user typed.
class CodeComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit CodeComboBox(QWidget *parent = nullptr);

    // Replaces the entries; the box is left empty with no selection.
    void setEntries(const QList<QByteArray> &entries);
    // Appends entries, keeping the text and selection the box had (none stays none).
    void addEntries(const QList<QByteArray> &entries);

    // currentText() as Windows-1252 bytes.
    QByteArray currentBytes() const;
};
