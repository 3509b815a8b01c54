#include "scanner.h"

#include "errors.h"
#include "text.h"

#include <algorithm>
#include <cstring>

namespace zrl {

namespace {

// The first element of a line as far as it could be found. The scan runs once
// for all three questions; each takes what it needs.
struct ElementScan {
    enum class Found { Nothing, Name, Whole };
    Found found = Found::Nothing;
    std::string_view name;
    std::string_view value;
    std::string_view rest;
};

// Offset of the first c in s from offset from on, npos when there is none.
// The tags of a line are a few bytes apart, so the first stretch is walked
// here; a call to memchr pays only over longer distances.
std::size_t FindByte(std::string_view s, char c, std::size_t from = 0)
{
    const std::size_t walkedEnd = std::min(s.size(), from + 32);
    for (std::size_t k = from; k < walkedEnd; ++k)
        if (s[k] == c)
            return k;
    if (walkedEnd == s.size())
        return std::string_view::npos;
    const void* found = std::memchr(s.data() + walkedEnd, c, s.size() - walkedEnd);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - s.data()) : std::string_view::npos;
}

// Position of the first "</" + name + ">" in s, 0 when there is none. The
// closing tag is matched in place rather than built as a text for every line.
Position FindClosingTag(std::string_view name, std::string_view s)
{
    const std::size_t tagLength = name.size() + 3;
    if (s.size() < tagLength)
        return 0;
    const std::string_view starts = s.substr(0, s.size() - tagLength + 1);
    for (std::size_t at = FindByte(starts, '<'); at != std::string_view::npos; at = FindByte(starts, '<', at + 1)) {
        if (s[at + 1] == '/' && s[at + tagLength - 1] == '>' && s.substr(at + 2, name.size()) == name)
            return static_cast<Position>(at) + 1;
    }
    return 0;
}

ElementScan Scan(std::string_view s, bool nameOnly = false)
{
    const Position length = Length(s);
    CharAt(s, 1); // an empty text has no element to look for
    // i is the position of the first "<", or the last position if there is none.
    const std::size_t lessThan = FindByte(s, '<');
    const Position i = lessThan == std::string_view::npos ? length : static_cast<Position>(lessThan) + 1;
    if (i == length)
        return {};
    const std::size_t greaterThan = FindByte(s, '>'); // also one before i
    if (greaterThan == std::string_view::npos)
        return {};
    const Position a = static_cast<Position>(greaterThan) + 1;

    ElementScan scan;
    scan.found = ElementScan::Found::Name;
    scan.name = SubText(s, i + 1, a - i - 1);
    if (nameOnly)
        return scan;
    const Position b = FindClosingTag(scan.name, s);
    if (b == 0)
        return scan;

    scan.found = ElementScan::Found::Whole;
    scan.value = SubText(s, a + 1, b - a - 1);
    const Position start = b + Length(scan.name) + 3;
    scan.rest = SubText(s, start, length - start + 1);
    return scan;
}

} // namespace

std::string_view ElementName(std::string_view s)
{
    const ElementScan scan = Scan(s, true);
    return scan.found == ElementScan::Found::Nothing ? s : scan.name;
}

std::string_view ElementValue(std::string_view s)
{
    const ElementScan scan = Scan(s);
    return scan.found == ElementScan::Found::Whole ? scan.value : s;
}

std::string_view ElementRest(std::string_view s)
{
    const ElementScan scan = Scan(s);
    return scan.found == ElementScan::Found::Whole ? scan.rest : s;
}

void ReadFields(std::string_view line, std::span<std::string_view> fields)
{
    std::string_view children = ElementValue(line);
    for (std::string_view& field : fields) {
        const ElementScan scan = Scan(children);
        field = scan.found == ElementScan::Found::Whole ? scan.value : children;
        children = scan.found == ElementScan::Found::Whole ? scan.rest : children;
    }
}

} // namespace zrl
