#pragma once

#include "model/LineLayout.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

#include <optional>

class RecordTable;
class TFrmTarvinel;

// What must hold after every step of the monkey. Each check answers the property that broke, or an
// empty text.

// The listing's lines: the number of lines changes only by the deletions and additions the user
// made since the last check, and after every deletion and addition, asked for and carried out or
// not, `Linea` reads 1 to n in table order. (In between, a number typed into "N°" stays until the
// next renumbering.)
class ListingCheck {
public:
    // `listing` is the window in front. A new listing starts the count from its lines.
    QString check(TFrmTarvinel &listing);
    // The user was asked whether to delete a line, and answered.
    void deletionAsked(bool confirmed);
    // A record editor closed; in add mode, accepted, it added a line.
    void editorClosed(bool addMode, bool accepted);

private:
    QPointer<TFrmTarvinel> m_listing;
    int m_rows = 0;
    int m_expectedChange = 0;
    bool m_renumbered = false;
};

// A declaration file the user saved holds exactly the lines of the table in memory, and reads back
// into a table whose every line (but those the program asked about as misaligned) is written the
// same: equal up to what the layout itself normalises (padding, zeros, numbers' texts).
class WrittenFileCheck {
public:
    // The save dialog answered `path`; `messages` is the number of boxes shown so far.
    void saving(const QString &path, qsizetype messages);
    bool isPending() const { return m_pending.has_value(); }
    // After the step that saved: `refused` tells whether an error box was shown since.
    QString check(RecordTable &table, linelayout::Layout layout, bool refused);
    qsizetype messagesAtSaving() const { return m_pending ? m_pending->messages : 0; }

private:
    struct Saving {
        QString path;
        std::optional<QByteArray> before; // the file's bytes before, when it existed
        qsizetype messages = 0;
    };
    std::optional<Saving> m_pending;
};

// The code-table file still reads: each section's entries are keys that read back as themselves,
// and one step changes at most one section.
class CodeTableCheck {
public:
    explicit CodeTableCheck(QString path);
    QString check();

private:
    QString m_path;
    QByteArray m_content;
};
