// The headquarters block: the "chq" and "rhq" lines between "<events>" and the
// first event. Its last hqCount "chq" lines become "create_hq" lines behind
// the header and name=value pairs.

#include "record_conversion.h"

#include "scanner.h"
#include "text.h"
#include "time_stamp.h"

#include <algorithm>
#include <vector>

namespace zrl {

namespace {

constexpr std::int32_t kFirstBlockLine = 4;
constexpr std::int64_t kHeadquartersPosition = 3;

bool IsHeadquartersName(std::string_view name)
{
    return name == "chq" || name == "rhq";
}

} // namespace

void RecordConversion::ConvertHeadquarters()
{
    // Blank lines neither end the block nor count in it.
    cursor_ = kFirstBlockLine;
    for (;;) {
        readingLine_ = cursor_;
        const std::string_view line = input_.Line(cursor_);
        if (!line.empty() && !IsHeadquartersName(ElementName(line)))
            break;
        ++cursor_;
    }

    // The scan runs backwards from the block's end and each converted line
    // belongs in front of those found before it. They are gathered here and
    // go in at once, also when a line fails: inserting them one by one would
    // move every line behind them each time.
    LineList created;
    std::vector<std::string_view> foundBackwards;
    const auto insertCreated = [&] {
        std::reverse(foundBackwards.begin(), foundBackwards.end());
        output_.InsertLines(kHeadquartersPosition, foundBackwards);
    };
    try {
        std::int32_t made = 0;
        for (std::int64_t k = cursor_ - 1; made < hqCount_; --k) {
            const std::string_view line = input_.Line(k);
            if (line.empty() || ElementName(line) != "chq")
                continue;
            readingLine_ = static_cast<std::int32_t>(k);
            std::string_view h[4];
            ReadFields(line, h);
            const TimeStamp stamp = TimeStampText(ParseInt(h[0]));
            const std::string_view converted[] = {"create_hq", h[1], h[3], h[2]};
            created.Append(ComposeLine(stamp, converted));
            foundBackwards.push_back(created.Line(created.Count() - 1));
            hqPairs_.Append(composed_.assign(h[1]).append("=").append(h[2]));
            ++made;
        }
    } catch (...) {
        insertCreated();
        throw;
    }
    insertCreated();
}

} // namespace zrl
