#include "MonkeyChecks.h"

#include "TestFiles.h"
#include "codes/CodeSections.h"
#include "codes/CodeTableFile.h"
#include "io/DeclarationReader.h"
#include "model/RecordTable.h"
#include "ui/UnitDespTarvinel.h"
#include "util/AppError.h"

#include <QBuffer>
#include <QFileInfo>

namespace {

QString readInto(const QByteArray &bytes, linelayout::Layout layout, RecordTable &table)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        declaration::read(buffer, layout, table);
    } catch (const AppError &e) {
        return e.message();
    }
    return {};
}

// Text fields written as they are: filled out with blanks in the fixed-position layout, or as the
// text in the separated one.
bool keptAsText(int number, linelayout::Layout layout)
{
    if (catalogue::field(number).kind != FieldKind::Text)
        return false;
    return layout == linelayout::Layout::Separated
           || catalogue::field(number).line.compose == FixedRule::SpacePadded;
}

QByteArray trimmedRight(QByteArray text)
{
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

} // namespace

QString ListingCheck::check(TFrmTarvinel &listing)
{
    RecordTable &table = listing.RxMem();
    if (m_listing != &listing) {
        m_listing = &listing;
        m_rows = table.rowCount();
        m_expectedChange = 0;
        m_renumbered = true; // the reader numbers the lines it reads
    }
    // A line being added is numbered when the record editor closes.
    if (table.state() == RecordTable::State::Insert)
        return {};
    const int rows = table.rowCount();
    if (rows != m_rows + m_expectedChange) {
        return QStringLiteral("the listing went from %1 to %2 lines, but the user changed it by %3")
            .arg(m_rows)
            .arg(rows)
            .arg(m_expectedChange);
    }
    const bool renumbered = m_renumbered || rows != m_rows;
    m_rows = rows;
    m_expectedChange = 0;
    m_renumbered = false;
    if (!renumbered)
        return {};
    for (int row = 0; row < rows; ++row) {
        const QByteArray number = table.textAt(row, catalogue::kLinea);
        if (number != QByteArray::number(row + 1)) {
            return QStringLiteral("line numbers: line %1 of %2 is numbered \"%3\"")
                .arg(row + 1)
                .arg(rows)
                .arg(QString::fromLatin1(number));
        }
    }
    return {};
}

void ListingCheck::deletionAsked(bool confirmed)
{
    m_renumbered = true;
    if (confirmed)
        --m_expectedChange;
}

void ListingCheck::editorClosed(bool addMode, bool accepted)
{
    if (!addMode)
        return;
    m_renumbered = true;
    if (accepted)
        ++m_expectedChange;
}

void WrittenFileCheck::saving(const QString &path, qsizetype messages)
{
    Saving saving{path, std::nullopt, messages};
    if (QFileInfo::exists(path))
        saving.before = fileBytes(path);
    m_pending = saving;
}

QString WrittenFileCheck::check(RecordTable &table, linelayout::Layout layout, bool refused)
{
    const Saving saving = *m_pending;
    m_pending.reset();
    const bool exists = QFileInfo::exists(saving.path);
    const QByteArray written = exists ? fileBytes(saving.path) : QByteArray();
    QByteArray expected;
    for (int row = 0; row < table.rowCount(); ++row)
        expected += linelayout::composeRow(table, row, layout) + "\r\n";
    if (written != expected) {
        // A refused write leaves the file as it was.
        if (refused && exists == saving.before.has_value() && (!exists || written == *saving.before))
            return {};
        return QStringLiteral("the file written to %1 does not hold the lines of the table").arg(saving.path);
    }

    RecordTable back;
    const QString failure = readInto(written, layout, back);
    // The reader stops at the line it cannot read; the lines before it must have been read.
    const int comparable = failure.isEmpty() ? back.rowCount() : back.rowCount() - 1;
    if (failure.isEmpty() && back.rowCount() != table.rowCount())
        return QStringLiteral("%1 lines written read back as %2").arg(table.rowCount()).arg(back.rowCount());
    // The lines the program asked about before writing them: their columns or fields move.
    const auto misaligned = [&](int row) {
        return layout == linelayout::Layout::Fixed ? linelayout::firstMisfitField(table, row) != 0
                                                   : linelayout::firstSeparatorField(table, row) != 0;
    };
    if (!failure.isEmpty() && !misaligned(comparable))
        return QStringLiteral("the file written does not read back at line %1: %2")
            .arg(comparable + 1)
            .arg(failure);

    // What the reader made of a line is what it makes of it again: the layout loses what it loses
    // (a code that is no number, a blank date) on the first way back, and nothing after that.
    QByteArray again;
    for (int row = 0; row < comparable; ++row)
        again += linelayout::composeRow(back, row, layout) + "\r\n";
    RecordTable twice;
    if (readInto(again, layout, twice).isEmpty()) {
        for (int row = 0; row < comparable; ++row) {
            if (!misaligned(row)
                && linelayout::composeRow(twice, row, layout) != linelayout::composeRow(back, row, layout))
                return QStringLiteral("line %1 changes each time it is written and read").arg(row + 1);
        }
    }
    // Texts the layout keeps as they are (names, dates, numbers of contracts) come back as typed,
    // but for the blanks that fill them out to their columns.
    for (int row = 0; row < comparable; ++row) {
        if (misaligned(row))
            continue;
        for (int number = 1; number <= catalogue::kLineFieldCount; ++number) {
            if (!keptAsText(number, layout))
                continue;
            QByteArray memory = table.textAt(row, number);
            QByteArray read = back.textAt(row, number);
            if (layout == linelayout::Layout::Fixed) {
                memory = trimmedRight(memory);
                read = trimmedRight(read);
            } else if (memory.isEmpty() && read == "0") {
                continue; // an empty count of days or kind of worker reads back as 0
            }
            if (memory != read) {
                return QStringLiteral("line %1 written reads back with field %2 \"%3\" as \"%4\"")
                    .arg(row + 1)
                    .arg(number)
                    .arg(QString::fromLatin1(memory), QString::fromLatin1(read));
            }
        }
    }
    return {};
}

CodeTableCheck::CodeTableCheck(QString path) : m_path(std::move(path)), m_content(fileBytes(m_path)) {}

QString CodeTableCheck::check()
{
    const QByteArray content = fileBytes(m_path);
    if (content == m_content)
        return {};
    int changed = 0;
    for (int index = 0; index < codesections::kCount; ++index) {
        const QByteArrayView name(codesections::at(index).name);
        const QList<QByteArray> keys = sectionKeys(content, name);
        for (const QByteArray &key : keys) {
            if (key.isEmpty() || key.startsWith(';') || key.startsWith('[') || key.contains('\n')
                || key.contains('\r') || key.contains('=') || key.trimmed() != key)
                return QStringLiteral("code table \"%1\" holds the entry \"%2\", which does not read back")
                    .arg(QString::fromLatin1(name), QString::fromLatin1(key));
        }
        if (sectionKeys(withSectionReplaced(content, name, keys), name) != keys)
            return QStringLiteral("code table \"%1\" does not read back").arg(QString::fromLatin1(name));
        if (keys != sectionKeys(m_content, name))
            ++changed;
    }
    m_content = content;
    if (changed > 1)
        return QStringLiteral("one step changed %1 code tables").arg(changed);
    return {};
}
