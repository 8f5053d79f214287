#pragma once

#include <QtGlobal>

#include <bit>
#include <cstdint>

// Storing numbers in little-endian order, byte by byte, whatever the machine's own order: the binary
// file formats the program writes are little-endian. Each helper stores at `at` and answers the
// position after what it stored.
namespace littleendian {

inline char *putU8(char *at, quint8 value)
{
    *at = char(value);
    return at + 1;
}

inline char *putU16(char *at, quint16 value)
{
    at[0] = char(value & 0xFF);
    at[1] = char(value >> 8);
    return at + 2;
}

// An IEEE 754 double as its eight bytes, lowest first.
inline char *putDouble(char *at, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        at[i] = char((bits >> (8 * i)) & 0xFF);
    return at + 8;
}

} // namespace littleendian
