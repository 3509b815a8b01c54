#include "line_list.h"

#include "errors.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace zrl {

std::int32_t LineList::Count() const
{
    return static_cast<std::int32_t>(lines_.size());
}

void LineList::CheckIndex(std::int64_t i) const
{
    if (i < 0 || i >= static_cast<std::int64_t>(lines_.size()))
        throw EStringListError::OutOfBounds(i);
}

void LineList::CheckRoomFor(std::size_t more) const
{
    // Count() is a signed 32-bit number; a list does not grow past it.
    if (more > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) - lines_.size())
        throw EStringListError("Unable to insert a line");
}

std::string_view LineList::Line(std::int64_t i) const
{
    CheckIndex(i);
    return lines_[static_cast<std::size_t>(i)];
}

void LineList::SetLine(std::int64_t i, std::string_view s)
{
    CheckIndex(i);
    lines_[static_cast<std::size_t>(i)] = texts_.Keep(s);
    Changed();
}

void LineList::CutLineStart(std::int64_t i, std::size_t n)
{
    CheckIndex(i);
    std::string_view& line = lines_[static_cast<std::size_t>(i)];
    line.remove_prefix(std::min(n, line.size()));
    Changed();
}

void LineList::Append(std::string_view s)
{
    CheckRoomFor(1);
    lines_.push_back(texts_.Keep(s));
    Changed();
}

void LineList::InsertLine(std::int64_t i, std::string_view s)
{
    const std::string_view one[] = {s};
    InsertLines(i, one);
}

void LineList::InsertLines(std::int64_t i, std::span<const std::string_view> lines)
{
    if (i != static_cast<std::int64_t>(lines_.size()))
        CheckIndex(i);
    CheckRoomFor(lines.size());
    std::vector<std::string_view> kept;
    kept.reserve(lines.size());
    for (std::string_view line : lines)
        kept.push_back(texts_.Keep(line));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(i), kept.begin(), kept.end());
    Changed();
}

void LineList::Clear()
{
    lines_.clear();
    lines_.shrink_to_fit();
    texts_.Clear();
    Changed();
}

void LineList::SetText(std::string_view text)
{
    AdoptText(detail::Bytes::Copy(text));
}

namespace {
std::size_t CountLineFeeds(const char* p, const char* end)
{
    std::size_t count = 0;
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))))) {
        ++count;
        ++p;
    }
    return count;
}

// Finds where each line of a text ends: at the next CR or LF, or at the end.
class LineEnds {
public:
    explicit LineEnds(const char* end) : end_(end) {}

    const char* From(const char* p)
    {
        // A blank or short line ends within a few bytes: walking them costs
        // less than a search.
        const char* walkedEnd = p + std::min<std::ptrdiff_t>(end_ - p, 16);
        for (; p < walkedEnd; ++p)
            if (*p == '\r' || *p == '\n')
                return p;
        if (p == end_)
            return p;
        // The next LF is remembered, so that a text of lone CRs is not
        // searched to its end for every line.
        if (nextLf_ == nullptr || nextLf_ < p) {
            const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end_ - p));
            nextLf_ = lf ? static_cast<const char*>(lf) : end_;
        }
        const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(nextLf_ - p));
        return cr ? static_cast<const char*>(cr) : nextLf_;
    }

private:
    const char* end_;
    const char* nextLf_ = nullptr;
};

} // namespace

// Splits the bytes of a file into lines that view them in place; the list
// keeps the block, so no line is copied.
void LineList::AdoptText(detail::Bytes bytes)
{
    const std::string_view text = bytes.view();
    const char* p = text.data();
    const char* end = p + text.size();
    if (const void* nul = std::memchr(p, '\0', text.size()))
        end = static_cast<const char*>(nul);

    Lines lines;
    lines.reserve(CountLineFeeds(p, end) + 1);
    LineEnds lineEnds(end);
    while (p < end) {
        const char* lineEnd = lineEnds.From(p);
        lines.emplace_back(p, static_cast<std::size_t>(lineEnd - p));
        p = lineEnd;
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
    }
    if (lines.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw EStringListError("Unable to insert a line");

    BeginChanges();
    lines_.clear();
    texts_.Clear();
    texts_.Adopt(std::move(bytes));
    lines_ = std::move(lines);
    Changed();
    EndChanges();
}

void LineList::BeginChanges()
{
    ++openBatches_;
}

void LineList::EndChanges()
{
    if (openBatches_ == 0)
        return;
    if (--openBatches_ == 0 && changedInBatch_) {
        changedInBatch_ = false;
        if (listener_)
            listener_();
    }
}

void LineList::SetChangeListener(std::function<void()> listener)
{
    listener_ = std::move(listener);
}

void LineList::Changed()
{
    if (openBatches_ > 0)
        changedInBatch_ = true;
    else if (listener_)
        listener_();
}

} // namespace zrl
