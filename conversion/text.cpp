#include "text.h"

#include "errors.h"

namespace zrl {

char CharAt(std::string_view s, Position i)
{
    if (i < 1 || i > Length(s))
        throw ERangeError();
    return s[static_cast<std::size_t>(i - 1)];
}

Position FindText(std::string_view needle, std::string_view s)
{
    if (needle.empty())
        return 0;
    const std::size_t at = s.find(needle);
    return at == std::string_view::npos ? 0 : static_cast<Position>(at) + 1;
}

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The digits after a hex prefix: any count, as long as the value fits 32 bits.
bool ParseHexDigits(std::string_view digits, std::uint32_t& pattern)
{
    if (digits.empty())
        return false;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return false;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu)
            return false;
    }
    pattern = static_cast<std::uint32_t>(value);
    return true;
}

bool ParseDecimal(std::string_view text, std::int32_t& result)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > limit)
            return false;
    }
    result = static_cast<std::int32_t>(negative ? -value : value);
    return true;
}

bool TryParseInt(std::string_view text, std::int32_t& result)
{
    const std::size_t firstNonSpace = text.find_first_not_of(' ');
    if (firstNonSpace == std::string_view::npos)
        return false;
    text.remove_prefix(firstNonSpace);

    std::size_t prefix = 0;
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X')
        prefix = 1;
    else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        prefix = 2;
    if (prefix == 0)
        return ParseDecimal(text, result);

    std::uint32_t pattern = 0;
    if (!ParseHexDigits(text.substr(prefix), pattern))
        return false;
    result = static_cast<std::int32_t>(pattern);
    return true;
}

} // namespace

std::int32_t ParseInt(std::string_view s)
{
    std::int32_t result = 0;
    if (!TryParseInt(s, result))
        throw EConvertError(s);
    return result;
}

} // namespace zrl
