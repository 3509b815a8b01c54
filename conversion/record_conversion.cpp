#include "record_conversion.h"

#include "errors.h"
#include "scanner.h"
#include "text.h"
#include "time_stamp.h"

namespace zrl {

namespace {
constexpr std::string_view kXmlDeclaration = R"(<?xml version="1.0" encoding="windows-1250"?>)";
constexpr std::string_view kRecordStart = "<record>";
constexpr std::string_view kEventsStart = "<events>";
} // namespace

RecordConversion::RecordConversion(LineList& input, LineList& output, LineList& hqPairs)
    : input_(input), output_(output), hqPairs_(hqPairs)
{
}

bool RecordConversion::ConvertRecord()
{
    stoppedAt_.reset();
    try {
        const bool converted = ConvertChecked();
        if (!converted)
            stoppedAt_ = readingLine_;
        return converted;
    } catch (const ERangeError&) {
        stoppedAt_ = readingLine_;
        throw;
    } catch (const EConvertError&) {
        stoppedAt_ = readingLine_;
        throw;
    }
}

bool RecordConversion::ConvertChecked()
{
    CleanLeadingSpaces();
    readingLine_ = 0;
    if (input_.Line(0) != kXmlDeclaration)
        return false;
    readingLine_ = 1;
    if (input_.Line(1) != kRecordStart)
        return false;
    readingLine_ = 2;
    if (!ConvertWorld(input_.Line(2)))
        return false;
    readingLine_ = 3;
    if (input_.Line(3) != kEventsStart)
        return false;
    ConvertHeadquarters();
    ConvertEvents();
    return true;
}

// Leading spaces go in one cut per line. A blank line, or one of spaces only,
// is left empty: blank lines are valid between the elements of a record.
void RecordConversion::CleanLeadingSpaces()
{
    const std::int32_t count = input_.Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string_view line = input_.Line(i);
        const std::size_t spaces = std::min(line.find_first_not_of(' '), line.size());
        if (spaces > 0)
            input_.CutLineStart(i, spaces);
    }
}

bool RecordConversion::ConvertWorld(std::string_view line)
{
    if (line.empty() || ElementName(line) != "world")
        return false;
    std::string_view w[8];
    ReadFields(line, w);
    const TimeStamp stamp = TimeStampText(ParseInt(w[2]));
    const std::string_view header[] = {w[1], w[5], w[3], w[4], w[6]};
    output_.Append(ComposeLine(stamp, header));
    const std::string_view world[] = {"create_world", w[7]};
    output_.Append(ComposeLine(stamp, world));
    output_.Append("");
    hqCount_ = ParseInt(w[5]);
    return true;
}

std::string_view RecordConversion::ComposeLine(std::string_view stamp, std::span<const std::string_view> items)
{
    composed_.assign(stamp);
    for (std::string_view item : items) {
        composed_ += "; ";
        composed_ += item;
    }
    composed_ += ';';
    return composed_;
}

bool ConvertRecord(LineList& input, LineList& output, LineList& hqPairs)
{
    return RecordConversion(input, output, hqPairs).ConvertRecord();
}

} // namespace zrl
