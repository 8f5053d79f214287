#pragma once

#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

// A sequential device that takes (writing) or yields (reading) `limit` bytes and then fails the way
// a full disk or a vanished file does, leaving `cause` in errno. Reading yields the bytes of
// `readable` up to the limit and then fails. What was written is kept in written().
class FailingDevice : public QIODevice {
public:
    FailingDevice(qint64 limit, int cause, OpenMode mode, QByteArray readable = {})
        : m_limit(limit), m_cause(cause), m_readable(std::move(readable))
    {
        open(mode | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    const QByteArray &written() const { return m_written; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 room = std::min(m_limit, qint64(m_readable.size())) - m_read;
        if (room <= 0) {
            errno = m_cause;
            return -1;
        }
        const qint64 count = std::min(maxSize, room);
        std::memcpy(data, m_readable.constData() + m_read, std::size_t(count));
        m_read += count;
        return count;
    }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 room = m_limit - m_written.size();
        if (room <= 0 || size > room)
            errno = m_cause;
        if (room <= 0)
            return -1;
        const qint64 taken = std::min(size, room);
        m_written.append(data, taken);
        return taken;
    }

private:
    qint64 m_limit;
    int m_cause;
    QByteArray m_readable;
    QByteArray m_written;
    qint64 m_read = 0;
};
