#include "properties.h"

#include "require.h"

#include "errors.h"
#include "line_list.h"
#include "line_lists.h"
#include "record_conversion.h"

#include <string>
#include <string_view>
#include <vector>

namespace zrlfuzz {

namespace {

using zrltest::LinesOf;

std::string JoinedWithCrLf(const zrl::LineList& list)
{
    std::string text;
    for (std::int32_t i = 0; i < list.Count(); ++i)
        text.append(list.Line(i)).append("\r\n");
    return text;
}

enum class Ending { Converted, NotARecord, ListIndex, Range, Convert };

struct RunResult {
    Ending ending;
    std::vector<std::string> output;
    std::vector<std::string> pairs;
};

// One run on fresh output lists; every way it may end is one of the named ones.
RunResult Convert(zrl::LineList& input)
{
    zrl::LineList output;
    zrl::LineList pairs;
    zrl::RecordConversion run(input, output, pairs);
    Ending ending;
    try {
        ending = run.ConvertRecord() ? Ending::Converted : Ending::NotARecord;
    } catch (const zrl::EStringListError&) {
        ending = Ending::ListIndex;
    } catch (const zrl::ERangeError&) {
        ending = Ending::Range;
    } catch (const zrl::EConvertError&) {
        ending = Ending::Convert;
    }

    const std::optional<std::int32_t> stopped = run.StoppedAt();
    switch (ending) {
    case Ending::Converted:
    case Ending::ListIndex:
        Require(!stopped, "a whole run and a list index error name no line");
        break;
    case Ending::NotARecord:
        Require(stopped && *stopped >= 0 && *stopped <= 3, "a failed check names a prologue line");
        break;
    case Ending::Range:
    case Ending::Convert:
        Require(stopped && *stopped >= 2 && *stopped < input.Count(), "an error names a line of the record");
        break;
    }
    for (std::int32_t i = 0; i < input.Count(); ++i)
        Require(input.Line(i).empty() || input.Line(i).front() != ' ', "every line is cleaned of leading spaces");
    return {ending, LinesOf(output), LinesOf(pairs)};
}

} // namespace

void CheckRecord(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zrl::LineList input;
    input.SetText(bytes);

    // Written with CR LF and split again, the lines come back the same.
    const std::vector<std::string> lines = LinesOf(input);
    zrl::LineList again;
    again.SetText(JoinedWithCrLf(input));
    Require(LinesOf(again) == lines, "splitting what was written gives the same lines");
    for (const std::string& line : lines)
        Require(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos, "no line holds a break");

    const RunResult first = Convert(input);
    // The cleaned record converts the same way a second time.
    const RunResult second = Convert(input);
    Require(first.ending == second.ending && first.output == second.output && first.pairs == second.pairs,
            "converting the cleaned record again gives the same result");

    // A converted record's own output is a record too, of whatever shape.
    if (first.ending == Ending::Converted) {
        zrl::LineList output;
        for (const std::string& line : first.output)
            output.Append(line);
        Convert(output);
    }
}

} // namespace zrlfuzz
