#include "codes/CodeTableFile.h"

#include "util/AppError.h"
#include "util/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

enum class LineKind { Blank, Comment, Section, Entry };

struct Line {
    QByteArrayView raw; // as in the file, line end included
    LineKind kind = LineKind::Blank;
    QByteArrayView name; // section name or key, trimmed
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// cp1252 lower case: ASCII, the Latin-1 letters À-Þ (but ×), and Š Œ Ž Ÿ.
QByteArray folded(QByteArrayView text)
{
    QByteArray result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        unsigned char lower = c;
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            lower = c + 0x20;
        else if (c == 0x8A || c == 0x8C || c == 0x8E)
            lower = c + 0x10;
        else if (c == 0x9F)
            lower = 0xFF;
        result[i] = char(lower);
    }
    return result;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && folded(a) == folded(b);
}

Line parseLine(QByteArrayView raw)
{
    Line line;
    line.raw = raw;
    QByteArrayView text = raw;
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.endsWith('\r'))
        text.chop(1);
    text = trimmed(text);
    if (text.isEmpty()) {
        line.kind = LineKind::Blank;
    } else if (text[0] == ';') {
        line.kind = LineKind::Comment;
    } else if (text[0] == '[') {
        line.kind = LineKind::Section;
        const qsizetype close = text.indexOf(']');
        line.name = trimmed(close < 0 ? text.sliced(1) : text.sliced(1, close - 1));
    } else {
        line.kind = LineKind::Entry;
        const qsizetype equals = text.indexOf('=');
        line.name = trimmed(equals < 0 ? text : text.first(equals));
    }
    return line;
}

QList<Line> parse(QByteArrayView content)
{
    // An editor that saved the file as UTF-8 put a mark before the first section's bracket.
    if (content.startsWith("\xEF\xBB\xBF"))
        content = content.sliced(3);
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < content.size()) {
        const qsizetype newline = content.indexOf('\n', begin);
        const qsizetype end = newline < 0 ? content.size() : newline + 1;
        lines.append(parseLine(content.sliced(begin, end - begin)));
        begin = end;
    }
    return lines;
}

// The key an entry is read back as, so that what is written is what the next read returns.
QByteArrayView keyOf(QByteArrayView entry)
{
    qsizetype end = 0;
    while (end < entry.size() && entry[end] != '=' && entry[end] != '\r' && entry[end] != '\n')
        ++end;
    return trimmed(entry.first(end));
}

// Lines are copied whole; the last line of a file may lack its end, which must not join it to what
// is written after it. A last line that ends in a carriage return alone gets its line feed, not a
// second carriage return that would become part of its key.
void appendLine(QByteArray &out, QByteArrayView line)
{
    if (out.endsWith('\r'))
        out += '\n';
    else if (!out.isEmpty() && !out.endsWith('\n'))
        out += kLineEnd;
    out += line;
}

void appendEntries(QByteArray &out, const QList<QByteArray> &entries)
{
    QSet<QByteArray> seen;
    int position = 0;
    for (const QByteArray &entry : entries) {
        const QByteArrayView key = keyOf(entry);
        const QByteArray folding = folded(key);
        // A key that opens with ';' or '[' would come back as a comment or as a new section that
        // takes over the entries after it.
        if (key.isEmpty() || key[0] == ';' || key[0] == '[' || seen.contains(folding))
            continue;
        seen.insert(folding);
        appendLine(out, key.toByteArray() + '=' + QByteArray::number(position++) + kLineEnd);
    }
}

[[noreturn]] void refuse(const QString &path)
{
    throw AppError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
}

} // namespace

QList<QByteArray> sectionKeys(QByteArrayView content, QByteArrayView section)
{
    QList<QByteArray> keys;
    QSet<QByteArray> seen;
    bool inSection = false;
    for (const Line &line : parse(content)) {
        if (line.kind == LineKind::Section) {
            inSection = sameName(line.name, trimmed(section));
        } else if (inSection && line.kind == LineKind::Entry && !line.name.isEmpty()) {
            const QByteArray key = folded(line.name);
            if (!seen.contains(key)) {
                seen.insert(key);
                keys.append(line.name.toByteArray());
            }
        }
    }
    return keys;
}

QByteArray withSectionReplaced(QByteArrayView content, QByteArrayView section,
                               const QList<QByteArray> &entries)
{
    const QByteArrayView name = trimmed(section);
    const QList<Line> lines = parse(content);

    // Where the new entries go: at the first entry of the section's first occurrence, or right
    // after its header when it has none.
    qsizetype header = -1;
    qsizetype insertAt = -1;
    for (qsizetype i = 0; i < lines.size() && insertAt < 0; ++i) {
        if (lines[i].kind == LineKind::Section) {
            if (header >= 0)
                insertAt = header + 1;
            else if (sameName(lines[i].name, name))
                header = i;
        } else if (header >= 0 && lines[i].kind == LineKind::Entry) {
            insertAt = i;
        }
    }
    if (header >= 0 && insertAt < 0)
        insertAt = header + 1;

    QByteArray out;
    out.reserve(content.size() + entries.size() * 32);
    bool inTarget = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &line = lines[i];
        if (i == insertAt)
            appendEntries(out, entries);
        if (line.kind == LineKind::Section) {
            inTarget = sameName(line.name, name);
            if (inTarget && i != header)
                continue; // a repeat of the section: read as one, written as one
        } else if (inTarget && line.kind == LineKind::Entry) {
            continue;
        }
        appendLine(out, line.raw);
    }
    if (insertAt == lines.size()) {
        appendEntries(out, entries);
    } else if (header < 0) {
        if (!lines.isEmpty() && lines.constLast().kind != LineKind::Blank)
            appendLine(out, kLineEnd);
        appendLine(out, '[' + name.toByteArray() + ']' + kLineEnd);
        appendEntries(out, entries);
    }
    if (content.startsWith("\xEF\xBB\xBF"))
        out.prepend(content.first(3));
    return out;
}

QList<QByteArray> readSection(const QString &path, QByteArrayView section)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return sectionKeys(file.readAll(), section);
}

void replaceSection(const QString &path, QByteArrayView section, const QList<QByteArray> &entries)
{
    const QFileInfo info(path);
    QByteArray content;
    if (info.exists()) {
        // What cannot be read cannot be rewritten without losing the rest of it.
        QFile existing(path);
        if (!info.isFile() || !existing.open(QIODevice::ReadOnly))
            refuse(path);
        content = existing.readAll();
        if (existing.error() != QFileDevice::NoError)
            refuse(path);
    }
    const QByteArray replaced = withSectionReplaced(content, section, entries);
    ReplacingFile file(path);
    if (!file.open())
        refuse(path);
    if (file.device().write(replaced) != replaced.size())
        refuse(path);
    if (!file.commit())
        refuse(path);
}
