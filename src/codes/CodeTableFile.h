#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The code-table file Tarvinel.cfg, in the initialization-file format:
//
//   ; comment            lines whose first non-blank character is ';'
//   [Section]            a section starts with its name in square brackets
//   key=value            an entry; a line without '=' is a key with no value
//
// Section names and keys are matched without regard to case (cp1252 letters included); blanks and
// tabs around a section name, key or value are not part of it. Bytes are kept as they are (cp1252),
// lines may end in CR LF or LF. Lines before the first section belong to no section. A section that
// appears more than once is read as one, its parts in file order. The program writes values (each
// entry's position) but never reads them.

// The keys of `section` in file order, each once: a key that equals an earlier one but for the case
// of its letters is dropped. A missing or unreadable file, or a missing section, reads empty.
QList<QByteArray> readSection(const QString &path, QByteArrayView section);

// Replaces the entries of `section` with `entries`, written in list order as key=<0-based
// position>. An entry becomes its key as readSection() would read it back (cut at the first '=' or
// line break, blanks around dropped); empty keys, keys that begin with ';' or '[' (they would read
// back as a comment or a section) and keys repeated but for case are left out. Every other line of
// the file, its comments and the other sections, stays byte for byte. A missing file is created, a
// missing section is added at the end; an empty list leaves the section's header alone. The whole
// file goes through a temporary file beside it, so a refused write leaves the file as it was and
// raises AppError "Unable to write to %s" with the file's path.
void replaceSection(const QString &path, QByteArrayView section, const QList<QByteArray> &entries);

// The same on the bytes of a file, for the two above and for tests.
QList<QByteArray> sectionKeys(QByteArrayView content, QByteArrayView section);
// The section keeps its place and header line: the header, the blank and comment lines that came
// before its first entry, the new entries, then the section's other blank and comment lines.
// Entry lines of later repeats of the section are dropped with their headers.
QByteArray withSectionReplaced(QByteArrayView content, QByteArrayView section,
                               const QList<QByteArray> &entries);
