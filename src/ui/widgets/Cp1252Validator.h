#pragma once

#include <QValidator>

// Keeps a line edit to what the program can store: characters outside Windows-1252 are dropped
// from whatever enters the edit (typed, pasted or set). With upper case on, each character of what
// just entered whose capital is also in Windows-1252 becomes that capital (a-z, ñ -> Ñ, é -> É,
// ÿ -> Ÿ); the others stay as they are (ß, µ), so the text never changes length through the
// conversion. What entered is told from the text of the last validation: the stretch that ends at
// the cursor and differs from it; the rest of the text keeps its case.
class Cp1252Validator : public QValidator {
    Q_OBJECT

public:
    explicit Cp1252Validator(bool upperCase, QObject *parent = nullptr);

    bool upperCase() const { return m_upperCase; }
    void setUpperCase(bool on) { m_upperCase = on; }

    // Always Acceptable: the text is mended in place rather than refused as a whole.
    State validate(QString &input, int &pos) const override;

    // The same mending applied to the whole of any text.
    static QString mended(const QString &text, bool upperCase);

private:
    bool m_upperCase;
    mutable QString m_previous; // the text as the last validation left it
};
