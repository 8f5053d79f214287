#pragma once

#include <QValidator>

// Turns the letters "a" to "z" that the user types into a line edit into "A" to "Z"; every other
// character passes unchanged ("ñ", "á", "ß", digits). Only what was just typed or pasted is mapped:
// the text the edit was given keeps its case. Call setBaseline() with that text before handing it
// to the edit, so that the validator can tell the user's insertion from the rest.
class TypedUpperCaseValidator : public QValidator {
    Q_OBJECT

public:
    explicit TypedUpperCaseValidator(QObject *parent = nullptr);

    void setBaseline(const QString &text);

    // Maps the insertion that ends at `pos` and accepts every text.
    State validate(QString &input, int &pos) const override;

private:
    mutable QString m_previous; // the text as the last validation left it
};
