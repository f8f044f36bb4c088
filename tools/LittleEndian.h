#pragma once

// Appends 16- and 32-bit fields in the little-endian byte order of the bitmap and
// icon file headers.

#include <QByteArray>
#include <cstdint>

inline void AppendU16(QByteArray& bytes, std::uint16_t value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

inline void AppendU32(QByteArray& bytes, std::uint32_t value)
{
    AppendU16(bytes, std::uint16_t(value & 0xFFFF));
    AppendU16(bytes, std::uint16_t(value >> 16));
}
