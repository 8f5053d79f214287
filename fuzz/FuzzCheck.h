#pragma once

#include <QByteArray>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

// A broken property stops the fuzzer with the input that broke it, as a crash would.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);              \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace fuzzing {

// The two regional settings the tests use, picked by one bit of the input.
inline const QLocale &localeFor(unsigned char options)
{
    static const QLocale chile(QStringLiteral("es_CL"));
    static const QLocale unitedStates(QStringLiteral("en_US"));
    return options & 1 ? unitedStates : chile;
}

inline QByteArray bytesOf(const unsigned char *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace fuzzing
