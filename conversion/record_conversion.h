#pragma once
// Converting a ZRL 2 record into ZRL 1 lines.

#include "line_list.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zrl {

// One conversion of a record: borrows the input, output and pairs lists and
// keeps the counters of the run. The output and pairs lists are appended to,
// never emptied; the headquarters lines go in at output position 3, behind
// the three header lines of a list that was empty when the run began.
class RecordConversion {
public:
    RecordConversion(LineList& input, LineList& output, LineList& hqPairs);

    // Cleans the input lines of leading spaces, checks the four prologue
    // lines and converts the world line, the headquarters block and the
    // events. True when converted, false when a prologue check failed.
    // Raises EStringListError, ERangeError or EConvertError, which end the run
    // with the lists as they are at that moment.
    bool ConvertRecord();

    // Cuts the leading spaces of every input line; a line of spaces alone
    // becomes empty. The first step of ConvertRecord.
    void CleanLeadingSpaces();

    // False when line's element is not named "world"; else appends the three
    // header lines and sets hqCount().
    bool ConvertWorld(std::string_view line);

    // Finds the end of the headquarters block, which cursor() then holds, and
    // converts its last hqCount() "chq" lines.
    void ConvertHeadquarters();

    // Converts the event lines from cursor() up to the "</events>" line.
    void ConvertEvents();

    // The 0-based input line at which the last ConvertRecord stopped: the
    // prologue line that failed its check, or the line whose conversion raised
    // ERangeError or EConvertError. Empty after a whole run and after
    // EStringListError, which has no such line.
    std::optional<std::int32_t> StoppedAt() const { return stoppedAt_; }

    // Index of the input line being read.
    std::int32_t cursor() const { return cursor_; }

    // Number of headquarters lines to convert, from the world line.
    std::int32_t hqCount() const { return hqCount_; }

private:
    bool ConvertChecked();
    void ConvertEvent(std::string_view line, std::string_view name);
    // T + "; " + item for every item + ";", in a buffer reused by every line.
    std::string_view ComposeLine(std::string_view stamp, std::span<const std::string_view> items);

    LineList& input_;
    LineList& output_;
    LineList& hqPairs_;
    std::int32_t cursor_ = 0;
    std::int32_t hqCount_ = 0;
    std::int32_t readingLine_ = 0;
    std::optional<std::int32_t> stoppedAt_;
    std::string composed_;
};

// One run of RecordConversion on the three lists.
bool ConvertRecord(LineList& input, LineList& output, LineList& hqPairs);

} // namespace zrl
