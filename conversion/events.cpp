// The event lines after the headquarters block, up to "</events>": each of a
// known kind becomes one ZRL 1 line.

#include "record_conversion.h"

#include "scanner.h"
#include "text.h"
#include "time_stamp.h"

#include <array>

namespace zrl {

namespace {

constexpr std::size_t kMostFields = 9;
constexpr std::size_t kMostWrittenFields = 5;

// An element name of the record, how many of its children are read (the time
// field first), the word of its ZRL 1 line and which fields that line shows.
struct EventKind {
    std::string_view element;
    std::size_t fieldCount;
    std::string_view word;
    std::size_t writtenCount;
    std::array<std::size_t, kMostWrittenFields> written;
};

constexpr EventKind kEventKinds[] = {
    {"buy", 4, "buy", 3, {1, 2, 3}},
    {"att", 9, "attack", 5, {1, 2, 3, 7, 8}}, // fields 4 to 6 are read, not written
    {"cfd", 3, "convert_gnd", 2, {1, 2}},
    {"mov", 4, "move", 3, {1, 2, 3}},
    {"ret", 3, "retreat", 2, {1, 2}},
    {"trn", 4, "trade", 3, {1, 2, 3}},
    {"trb", 4, "trade", 3, {1, 2, 3}},
};

const EventKind* FindEventKind(std::string_view name)
{
    for (const EventKind& kind : kEventKinds)
        if (kind.element == name)
            return &kind;
    return nullptr;
}

} // namespace

void RecordConversion::ConvertEvents()
{
    for (;; ++cursor_) {
        readingLine_ = cursor_;
        const std::string_view line = input_.Line(cursor_);
        if (line.empty())
            continue; // a blank line between events
        const std::string_view name = ElementName(line);
        if (name == "/events")
            return;
        ConvertEvent(line, name);
    }
}

// Lines of other kinds are passed over without output.
void RecordConversion::ConvertEvent(std::string_view line, std::string_view name)
{
    const EventKind* kind = FindEventKind(name);
    if (!kind)
        return;
    std::array<std::string_view, kMostFields> fields;
    ReadFields(line, std::span(fields).first(kind->fieldCount));
    const TimeStamp stamp = TimeStampText(ParseInt(fields[0]));

    std::array<std::string_view, 1 + kMostWrittenFields> items;
    items[0] = kind->word;
    for (std::size_t j = 0; j < kind->writtenCount; ++j)
        items[1 + j] = fields[kind->written[j]];
    output_.Append(ComposeLine(stamp, std::span(items).first(1 + kind->writtenCount)));
}

} // namespace zrl
