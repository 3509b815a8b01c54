#include "text_arena.h"

#include <algorithm>
#include <cstring>

namespace zrl::detail {

std::string_view TextArena::Keep(std::string_view s)
{
    if (s.empty())
        return {};
    if (s.size() > freeSize_) {
        // A long text gets a block of its own, so that the free tail of the
        // current block is not wasted on it.
        if (s.size() > kLargestBlockSize / 4) {
            blocks_.push_back(Bytes::Allocate(s.size()));
            std::memcpy(blocks_.back().data(), s.data(), s.size());
            return blocks_.back().view();
        }
        const std::size_t size = std::max(nextBlockSize_, s.size());
        blocks_.push_back(Bytes::Allocate(size));
        free_ = blocks_.back().data();
        freeSize_ = size;
        if (nextBlockSize_ < kLargestBlockSize)
            nextBlockSize_ *= 2;
    }
    char* copy = free_;
    std::memcpy(copy, s.data(), s.size());
    free_ += s.size();
    freeSize_ -= s.size();
    return {copy, s.size()};
}

void TextArena::Adopt(Bytes bytes)
{
    blocks_.push_back(std::move(bytes));
}

void TextArena::Clear()
{
    blocks_.clear();
    free_ = nullptr;
    freeSize_ = 0;
    nextBlockSize_ = kFirstBlockSize;
}

} // namespace zrl::detail
