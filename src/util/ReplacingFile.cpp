#include "util/ReplacingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

ReplacingFile::ReplacingFile(const QString &path) : m_path(path), m_file(std::make_unique<QSaveFile>(path)) {}

ReplacingFile::~ReplacingFile()
{
    if (m_committed)
        return;
    const int cause = errno;
    // Drops the temporary file, or closes the file written in place.
    m_file.reset();
    if (m_original) {
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            file.write(*m_original);
    }
    errno = cause;
}

bool ReplacingFile::open()
{
    const QFileInfo target(m_path);
    const QFileInfo folder(target.absolutePath());
    std::optional<QByteArray> original;
    // Writing in place is allowed only where no file can be made beside the target, and only with
    // a copy of what it held.
    if (target.isFile() && target.isWritable() && folder.isDir() && !folder.isWritable()) {
        QFile old(m_path);
        errno = 0;
        if (!old.open(QIODevice::ReadOnly))
            return false;
        original = old.readAll();
        if (old.error() != QFileDevice::NoError) {
            errno = errno != 0 ? errno : EIO;
            return false;
        }
        m_file->setDirectWriteFallback(true);
    }
    errno = 0;
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    m_original = std::move(original);
    return true;
}

QFileDevice &ReplacingFile::device()
{
    return *m_file;
}

bool ReplacingFile::commit()
{
    errno = 0;
    m_committed = m_file->commit();
    return m_committed;
}
