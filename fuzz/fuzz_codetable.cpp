// The code-table file: replacing one of the program's sections keeps every other section's keys and
// order, the replaced section reads back as its entries read back from a file of their own (the
// losses the format has: blanks around, text after "=", repeats but for case, keys that would read
// as a comment or a section), and replacing it again with what was read back changes nothing.
//
// Input: one byte that picks the section, the file's bytes, then the entries, each after a NUL.

#include "FuzzCheck.h"

#include "codes/CodeSections.h"
#include "codes/CodeTableFile.h"

#include <QSet>

namespace {

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// The names of the sections a file has, as a reader of the format sees its header lines.
QList<QByteArray> sectionNames(QByteArrayView content)
{
    QList<QByteArray> names;
    for (QByteArrayView line : QByteArray(content.toByteArray()).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        line = trimmed(line);
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            names << trimmed(close < 0 ? line.sliced(1) : line.sliced(1, close - 1)).toByteArray();
        }
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray section = codesections::at(data[0] % codesections::kCount).name;
    const QByteArrayList parts = fuzzing::bytesOf(data + 1, size - 1).split('\0');
    const QByteArray &content = parts.first();
    const QList<QByteArray> entries = parts.mid(1);

    const QByteArray replaced = withSectionReplaced(content, section, entries);
    const QList<QByteArray> readBack = sectionKeys(replaced, section);
    FUZZ_CHECK(readBack == sectionKeys(withSectionReplaced({}, section, entries), section));
    FUZZ_CHECK(readBack.size() <= entries.size());

    const QByteArray lowered = section.toLower();
    for (const QByteArray &other : sectionNames(content)) {
        if (other.toLower() != lowered)
            FUZZ_CHECK(sectionKeys(replaced, other) == sectionKeys(content, other));
    }
    FUZZ_CHECK(withSectionReplaced(replaced, section, readBack) == replaced);
    return 0;
}
