#pragma once

#include <QDialog>

struct CodeHelpText;

// The help window of the code-table editor: one code table's explanation on a light label inside
// a lowered panel, with the table's title as caption. Fixed size; Esc closes it.
class TFrmAyudaParametros : public QDialog {
    Q_OBJECT

public:
    explicit TFrmAyudaParametros(const CodeHelpText &help, QWidget *parent = nullptr);

    // The label's text: a first line of two blanks, then the help's lines, each ending a line.
    static QString labelText(const CodeHelpText &help);
};
