#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// One code table of Tarvinel.cfg while the code-table editor changes it. Entries are cp1252 texts
// "code glosa", the code exactly `width` characters. The list is the only copy while the editor is
// open: every change is applied to it first, then the whole section is written over the file's.
class EditedCodeTable {
public:
    struct Parts {
        QByteArray code;  // the first `width` characters
        QByteArray glosa; // everything after the blank that follows the code
    };

    // Reads `section` of the code-table file at `path` (missing file or section: no entries).
    EditedCodeTable(QString path, QByteArray section, int width);

    const QList<QByteArray> &entries() const { return m_entries; }
    int width() const { return m_width; }
    // Where the next stored entry goes: an index of an entry, or entries().size() to append.
    int editPosition() const { return m_editPosition; }

    static Parts split(QByteArrayView entry, int width);
    // A code shorter than `width` loses its blanks and gets "0" in front up to `width`; an empty
    // code, or one of `width` characters or more, is returned as it is.
    static QByteArray paddedCode(QByteArrayView code, int width);

    // The parts of entry `index`, which becomes the edit position.
    Parts modify(int index);
    // The edit position goes past the last entry.
    void add();
    // With a code and a glosa, "code glosa" replaces the entry at the edit position (or is appended
    // when that is past the last) and the section is written; answers false and changes nothing
    // when either is empty. A refused write raises AppError "Unable to write to %s" with the list
    // already changed.
    bool store(QByteArrayView code, QByteArrayView glosa);
    // Removes entry `index`, which becomes the edit position, and writes the section (AppError as
    // store()).
    void remove(int index);

private:
    void save() const;

    QString m_path;
    QByteArray m_section;
    int m_width;
    QList<QByteArray> m_entries;
    int m_editPosition = 0;
};
