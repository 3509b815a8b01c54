#include "text_arena.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zrl::detail {

namespace {
ByteBlock AllocateBlock(std::size_t size)
{
    ByteBlock block(static_cast<char*>(std::malloc(size == 0 ? 1 : size)));
    if (!block)
        throw std::bad_alloc();
    return block;
}
} // namespace

std::string_view TextArena::Keep(std::string_view s)
{
    if (s.empty())
        return {};
    if (s.size() > freeSize_) {
        // A long text gets a block of its own, so that the free tail of the
        // current block is not wasted on it.
        if (s.size() > kLargestBlockSize / 4) {
            blocks_.push_back(AllocateBlock(s.size()));
            std::memcpy(blocks_.back().get(), s.data(), s.size());
            return {blocks_.back().get(), s.size()};
        }
        const std::size_t size = std::max(nextBlockSize_, s.size());
        blocks_.push_back(AllocateBlock(size));
        free_ = blocks_.back().get();
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

void TextArena::Adopt(ByteBlock block)
{
    blocks_.push_back(std::move(block));
}

void TextArena::Clear()
{
    blocks_.clear();
    free_ = nullptr;
    freeSize_ = 0;
    nextBlockSize_ = kFirstBlockSize;
}

} // namespace zrl::detail
