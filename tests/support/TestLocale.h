#pragma once

#include "util/Regional.h"

// Switches the program's regional settings for the lifetime of the object.
class TestLocale {
public:
    explicit TestLocale(const char *name) : m_previous(regional::locale())
    {
        regional::setLocale(QLocale(QString::fromLatin1(name)));
    }
    ~TestLocale() { regional::setLocale(m_previous); }
    TestLocale(const TestLocale &) = delete;
    TestLocale &operator=(const TestLocale &) = delete;

private:
    QLocale m_previous;
};
