#include "codes/EditedCodeTable.h"

#include "codes/CodeTableFile.h"
#include "util/TextUtils.h"

EditedCodeTable::EditedCodeTable(QString path, QByteArray section, int width)
    : m_path(std::move(path)), m_section(std::move(section)), m_width(width),
      m_entries(readSection(m_path, m_section))
{}

EditedCodeTable::Parts EditedCodeTable::split(QByteArrayView entry, int width)
{
    // The character after the code is the blank between code and glosa, dropped.
    const qsizetype codeSize = qMin(entry.size(), qsizetype(width));
    const QByteArrayView glosa = entry.size() > width + 1 ? entry.sliced(width + 1) : QByteArrayView();
    return {entry.first(codeSize).toByteArray(), glosa.toByteArray()};
}

QByteArray EditedCodeTable::paddedCode(QByteArrayView code, int width)
{
    if (code.isEmpty() || code.size() >= width)
        return code.toByteArray();
    return RellenaIzquierda(code, "0", width);
}

EditedCodeTable::Parts EditedCodeTable::modify(int index)
{
    Q_ASSERT(index >= 0 && index < m_entries.size());
    m_editPosition = index;
    return split(m_entries.at(index), m_width);
}

void EditedCodeTable::add()
{
    m_editPosition = int(m_entries.size());
}

bool EditedCodeTable::store(QByteArrayView code, QByteArrayView glosa)
{
    if (code.isEmpty() || glosa.isEmpty())
        return false;
    const QByteArray entry = code.toByteArray() + ' ' + glosa.toByteArray();
    if (m_editPosition < m_entries.size())
        m_entries[m_editPosition] = entry;
    else
        m_entries.append(entry);
    save();
    return true;
}

void EditedCodeTable::remove(int index)
{
    Q_ASSERT(index >= 0 && index < m_entries.size());
    m_editPosition = index;
    m_entries.removeAt(index);
    save();
}

void EditedCodeTable::save() const
{
    replaceSection(m_path, m_section, m_entries);
}
