#include "ui/widgets/Cp1252Validator.h"

#include "util/Cp1252.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

constexpr char kRefusedProperty[] = "cp1252RefusedCharacters";

QChar capital(QChar c, Cp1252Validator::Capitals capitals)
{
    switch (capitals) {
    case Cp1252Validator::Capitals::None:
        return c;
    case Cp1252Validator::Capitals::AsciiLetters:
        return c >= u'a' && c <= u'z' ? QChar(c.unicode() - u'a' + u'A') : c;
    case Cp1252Validator::Capitals::Letters: {
        // QChar::toUpper is the one-to-one mapping: ß stays ß instead of becoming "SS".
        const QChar upper = c.toUpper();
        return upper != c && cp1252::isRepresentable(upper) ? upper : c;
    }
    }
    return c;
}

bool dropped(QChar c, const QString &refused)
{
    return !cp1252::isRepresentable(c) || refused.contains(c);
}

QString mend(const QString &text, const QString &refused, Cp1252Validator::Capitals capitals, int *pos)
{
    QString out;
    out.reserve(text.size());
    int newPos = pos ? *pos : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (dropped(c, refused)) {
            if (pos && i < *pos)
                --newPos;
            continue;
        }
        out += capital(c, capitals);
    }
    if (pos)
        *pos = newPos;
    return out;
}

} // namespace

Cp1252Validator::Cp1252Validator(Capitals capitals, QLineEdit *edit)
    : QValidator(edit), m_edit(edit), m_capitals(capitals)
{
    edit->setValidator(this);
    edit->installEventFilter(this);
    m_entryStart = edit->cursorPosition();
    // Both are signalled after the validation of a change, so they tell where the next change begins.
    const auto follow = [this] {
        m_entryStart = m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
    };
    connect(edit, &QLineEdit::cursorPositionChanged, this, follow);
    connect(edit, &QLineEdit::selectionChanged, this, follow);
}

bool Cp1252Validator::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        // Mending a change resets the edit's undo history, its modified flag and, in a combo box,
        // its cursor: a key that brings nothing the edit may hold does not reach it at all.
        const QString text = static_cast<QKeyEvent *>(event)->text();
        const QString refusedHere = refused();
        if (!text.isEmpty()
            && std::all_of(text.begin(), text.end(), [&](QChar c) { return dropped(c, refusedHere); }))
            return true;
    }
    return QValidator::eventFilter(watched, event);
}

void Cp1252Validator::setStoredText(const QString &text)
{
    const QScopedValueRollback keep(m_capitals, Capitals::None);
    m_edit->setText(text);
}

QValidator::State Cp1252Validator::validate(QString &input, int &pos) const
{
    input = mend(input, refused(), Capitals::None, &pos);
    if (m_capitals != Capitals::None) {
        // The edit replaced a stretch of the previous text with what now ends at the cursor; what
        // follows the cursor is the previous text's tail. The common front alone is ambiguous ("a"
        // typed before "aa", "g" typed over "gomez"), so the entry begins no later than where the
        // selection or cursor was.
        const qsizetype cursor = std::clamp<qsizetype>(pos, 0, input.size());
        const qsizetype tail = input.size() - cursor;
        const qsizetype limit = std::min({cursor, m_previous.size() - tail, qsizetype(m_entryStart)});
        qsizetype start = 0;
        while (start < limit && input.at(start) == m_previous.at(start))
            ++start;
        for (qsizetype i = start; i < cursor; ++i)
            input[i] = capital(input.at(i), m_capitals);
    }
    m_previous = input;
    return Acceptable;
}

QString Cp1252Validator::mended(const QString &text, Capitals capitals)
{
    return mend(text, QString(), capitals, nullptr);
}

void Cp1252Validator::refuseIn(QWidget *window, const QString &characters)
{
    window->setProperty(kRefusedProperty, characters);
}

QString Cp1252Validator::refused() const
{
    // The windows opened over another are its children: the edit's ancestors hold every setting.
    for (const QObject *object = m_edit; object; object = object->parent()) {
        const QVariant characters = object->property(kRefusedProperty);
        if (characters.isValid())
            return characters.toString();
    }
    return QString();
}
