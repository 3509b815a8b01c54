#pragma once
// Text operations on windows-1250 bytes. Positions count from 1; the clamping
// and failure rules decide what the converters produce at the edges of a line.

#include <cstdint>
#include <string_view>

namespace zrl {

// A character position or count within a text.
using Position = std::int64_t;

// Number of characters (bytes) of s.
inline Position Length(std::string_view s)
{
    return static_cast<Position>(s.size());
}

// The character at position i; raises ERangeError unless 1 <= i <= Length(s).
char CharAt(std::string_view s, Position i);

// Up to count characters of s from position start. Empty when start is past
// the end or count < 1; a start below 1 is raised to 1 without shortening
// count, so SubText("abcdef", -3, 2) is "ab". The result views s.
inline std::string_view SubText(std::string_view s, Position start, Position count)
{
    if (Length(s) < start || count < 1)
        return {};
    if (start < 1)
        start = 1;
    const Position n = Length(s) - start + 1 < count ? Length(s) - start + 1 : count;
    return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(n));
}

// Position of the first occurrence of needle in s, 0 when there is none or
// needle is empty.
Position FindText(std::string_view needle, std::string_view s);

// A signed 32-bit integer: optional leading spaces, then an optionally signed
// decimal number, or "$", "x", "X", "0x", "0X" and up to 32 bits of hex digits
// taken as signed. Anything else raises EConvertError quoting s.
std::int32_t ParseInt(std::string_view s);

} // namespace zrl
