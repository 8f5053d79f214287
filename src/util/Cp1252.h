#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the single-byte character set of every text the program keeps. The core works on
// bytes; windows convert at the screen with these. Bytes 0x80-0x9F are not Latin-1; the five bytes
// Windows leaves undefined map to the C1 control of the same value, so every byte round-trips.
namespace cp1252 {

QString toUnicode(QByteArrayView bytes);
// Characters outside the set become '?'.
QByteArray fromUnicode(QStringView text);
bool isRepresentable(QChar c);

} // namespace cp1252
