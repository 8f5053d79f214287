#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;
class QWidget;

// Keeps a line edit to what the program can store: characters outside Windows-1252, and the ones
// the window refuses (refuseIn()), are dropped from whatever enters the edit (typed, pasted or set).
//
// With capitals on, what the user enters is turned to capitals; the rest of the text keeps its
// case. What entered is the stretch from where the edit's selection (or, without one, its cursor)
// began to where the cursor ends, so that a letter typed over a selected stored text is turned
// too, although the text began with that same small letter. A text set by the program counts as
// entered from its first difference with the text before; setStoredText() enters none of it.
class Cp1252Validator : public QValidator {
    Q_OBJECT

public:
    enum class Capitals {
        None,
        // Each letter whose capital is a Windows-1252 character of its own (a-z, ñ -> Ñ, é -> É,
        // ÿ -> Ÿ); the others stay (ß, µ), so the text never changes length.
        Letters,
        // "a" to "z" only; "ñ", accented letters and every other character stay.
        AsciiLetters,
    };

    // Becomes the validator of `edit` (and its child), and follows its cursor and selection.
    Cp1252Validator(Capitals capitals, QLineEdit *edit);

    Capitals capitals() const { return m_capitals; }
    void setCapitals(Capitals capitals) { m_capitals = capitals; }

    // Gives the edit a text as it was stored: refused characters are dropped, letters keep their case.
    void setStoredText(const QString &text);

    // Always Acceptable: the text is mended in place rather than refused as a whole.
    State validate(QString &input, int &pos) const override;

    // The Windows-1252 mending and the capitals applied to the whole of any text.
    static QString mended(const QString &text, Capitals capitals);

    // Characters that text entry in `window`, and in the windows opened over it, refuses besides
    // the ones Windows-1252 lacks. A window's own setting overrides the one of the window under it.
    static void refuseIn(QWidget *window, const QString &characters);

protected:
    // Keeps from the edit a key whose text would be dropped whole.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The characters the nearest window that set some refuses.
    QString refused() const;

    QLineEdit *m_edit;
    Capitals m_capitals;
    int m_entryStart = 0;       // where the selection or cursor began before the next change
    mutable QString m_previous; // the text as the last validation left it
};
