#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <memory>
#include <optional>

class QSaveFile;

// A file that takes the place of the one at a path only when it is committed whole. It is written
// beside the target and renamed over it. Where the folder refuses new files but the file itself may
// be written (an office that opened up only that file), it is written in place; the old contents are
// read first and put back when the write fails or is abandoned, so the file is never left short.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString &path);
    // Without a successful commit() the target keeps its old contents, and no temporary file stays.
    // errno is kept as the failure left it, for the caller's message.
    ~ReplacingFile();

    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Opens for writing, unbuffered, so that each write reaches the system and errno holds its
    // failure (a buffered write that fails only at commit() would not stop a short temporary file
    // from replacing the whole one). False, with errno set when the system named a cause, when the file
    // cannot be created, or when a file to be written in place cannot be read first.
    bool open();
    // The file to write; valid from a successful open() until commit().
    QFileDevice &device();
    // True when the new contents replaced the old ones; false, with errno set when the system named
    // a cause, when the last bytes could not be written or the file could not take the target's place.
    bool commit();

private:
    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    std::optional<QByteArray> m_original; // the old contents, while the file is written in place
    bool m_committed = false;
};
