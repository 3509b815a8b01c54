#pragma once
// An ordered, zero-based list of lines: the input record, the output record
// and the headquarters pairs are each held, shown and stored as one. Lines are
// windows-1250 bytes, kept exactly as read.

#include "text_arena.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zrl {

class LineList {
public:
    LineList() = default;
    LineList(const LineList&) = delete;
    LineList& operator=(const LineList&) = delete;

    // Number of lines.
    std::int32_t Count() const;

    // Line i; raises EStringListError unless 0 <= i < Count(). The view stays
    // valid until the list is emptied or read anew, whatever else changes.
    std::string_view Line(std::int64_t i) const;

    // Replaces line i by s; raises EStringListError for an index outside the list.
    void SetLine(std::int64_t i, std::string_view s);

    // Drops the first n characters of line i (n at most its length) without
    // copying the rest.
    void CutLineStart(std::int64_t i, std::size_t n);

    // Adds s after the last line.
    void Append(std::string_view s);

    // Inserts s as line i, moving lines i ... Count()-1 one place down; i may
    // be Count(). Raises EStringListError for any other index.
    void InsertLine(std::int64_t i, std::string_view s);

    // Inserts the lines in their order from position i on, in one move.
    void InsertLines(std::int64_t i, std::span<const std::string_view> lines);

    // Removes every line.
    void Clear();

    // Replaces the contents by the lines of text: CR LF, a lone CR and a lone
    // LF each end a line, a break at the very end gives no empty last line,
    // and a NUL byte ends the contents.
    void SetText(std::string_view text);

    // Replaces the contents by the lines of a file, read whole, as SetText
    // splits them. Raises EFOpenError and keeps the list when the file cannot
    // be opened or read.
    void ReadFromFile(const std::string& path);

    // As ReadFromFile, for an open descriptor (standard input, say); name is
    // the file name the errors quote.
    void ReadFromDescriptor(int fd, const std::string& name);

    // Writes every line followed by CR LF. The file is replaced only once
    // written whole: EFCreateError or EFWriteError leave an existing file as it
    // was.
    void WriteToFile(const std::string& path) const;

    // Writes every line followed by CR LF to an open descriptor; raises
    // EFWriteError quoting name when a write fails.
    void WriteToDescriptor(int fd, const std::string& name) const;

    // Change batches nest by counting. While one is open the viewer is not
    // told of changes; it is told once when the outermost batch closes.
    void BeginChanges();
    void EndChanges();

    // The viewer to tell when the contents change: at once outside a change
    // batch, once at the close of the outermost batch inside one.
    void SetChangeListener(std::function<void()> listener);

private:
    void CheckIndex(std::int64_t i) const;
    void CheckRoomFor(std::size_t more) const;
    void AdoptText(detail::Bytes bytes);
    void Changed();

    using Lines = std::vector<std::string_view, detail::PresentPagesAllocator<std::string_view>>;

    Lines lines_;
    detail::TextArena texts_;
    int openBatches_ = 0;
    bool changedInBatch_ = false;
    std::function<void()> listener_;
};

} // namespace zrl
