#include "properties.h"

#include "require.h"

#include "errors.h"
#include "scanner.h"
#include "text.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace zrlfuzz {

namespace {

// The scanner's rules read literally: one character at a time, the closing
// tag built as a text and searched for.
enum class Part { Name, Value, Rest };

std::string_view LiteralScan(std::string_view s, Part part)
{
    using zrl::Position;
    const Position length = zrl::Length(s);
    Position i = 1;
    for (;;) {
        if (zrl::CharAt(s, i) == '<')
            break;
        if (i < length)
            ++i;
        else
            break;
    }
    if (i == length)
        return s;
    const Position a = zrl::FindText(">", s);
    if (a == 0)
        return s;
    const std::string_view name = zrl::SubText(s, i + 1, a - i - 1);
    if (part == Part::Name)
        return name;
    const std::string close = "</" + std::string(name) + ">";
    const Position b = zrl::FindText(close, s);
    if (b == 0)
        return s;
    if (part == Part::Value)
        return zrl::SubText(s, a + 1, b - a - 1);
    const Position start = b + zrl::Length(name) + 3;
    return zrl::SubText(s, start, length - start + 1);
}

// The text a scanner operation gives, or nothing when it raised the range error.
template <class Operation>
std::optional<std::string_view> Outcome(Operation operation)
{
    try {
        return operation();
    } catch (const zrl::ERangeError&) {
        return std::nullopt;
    }
}

// The integer forms read with the standard library's number parsing.
std::optional<std::int32_t> LiteralParseInt(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    std::size_t prefix = 0;
    if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X'))
        prefix = 1;
    else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        prefix = 2;
    if (prefix > 0) {
        const std::string_view digits = s.substr(prefix);
        if (digits.empty() || digits[0] == '+' || digits[0] == '-')
            return std::nullopt;
        std::uint32_t pattern = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pattern, 16);
        if (error != std::errc() || end != digits.data() + digits.size())
            return std::nullopt;
        return static_cast<std::int32_t>(pattern);
    }
    if (!s.empty() && s[0] == '+') {
        s.remove_prefix(1);
        if (!s.empty() && s[0] == '-')
            return std::nullopt; // one sign only
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, 10);
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

void CheckParseInt(std::string_view s)
{
    std::optional<std::int32_t> parsed;
    try {
        parsed = zrl::ParseInt(s);
    } catch (const zrl::EConvertError&) {
    }
    Require(parsed == LiteralParseInt(s), "ParseInt accepts exactly the integer forms");
}

void CheckScanner(std::string_view s)
{
    using zrl::ElementName;
    using zrl::ElementRest;
    using zrl::ElementValue;
    Require(Outcome([&] { return ElementName(s); }) == Outcome([&] { return LiteralScan(s, Part::Name); }),
            "ElementName follows the rules");
    Require(Outcome([&] { return ElementValue(s); }) == Outcome([&] { return LiteralScan(s, Part::Value); }),
            "ElementValue follows the rules");
    Require(Outcome([&] { return ElementRest(s); }) == Outcome([&] { return LiteralScan(s, Part::Rest); }),
            "ElementRest follows the rules");

    // ReadFields is ElementValue and ElementRest taken in turn.
    std::string_view fields[9];
    for (std::size_t n = 1; n <= std::size(fields); ++n) {
        const bool read = Outcome([&] {
                              zrl::ReadFields(s, std::span(fields, n));
                              return std::string_view();
                          }).has_value();
        std::string_view t = s;
        bool literalRead = true;
        try {
            t = ElementValue(t);
            for (std::size_t j = 0; j < n; ++j) {
                const std::string_view field = ElementValue(t);
                Require(!read || fields[j] == field, "ReadFields takes children by position");
                t = ElementRest(t);
            }
        } catch (const zrl::ERangeError&) {
            literalRead = false;
        }
        Require(read == literalRead, "ReadFields runs out of text where the literal reading does");
    }
}

} // namespace

void CheckText(const std::uint8_t* data, std::size_t size)
{
    const std::string_view s(reinterpret_cast<const char*>(data), size);
    CheckParseInt(s);
    CheckScanner(s);
}

} // namespace zrlfuzz
