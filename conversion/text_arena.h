#pragma once
// Storage for the texts of a line list: blocks that are never moved or freed
// while the list lives, so views of lines stay valid however the list grows.

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace zrl::detail {

struct FreeBytes {
    void operator()(char* bytes) const { std::free(bytes); }
};

// A block of bytes from malloc, so that a growing read can use realloc.
using ByteBlock = std::unique_ptr<char[], FreeBytes>;

class TextArena {
public:
    // Copies s into the arena and returns a view of the copy.
    std::string_view Keep(std::string_view s);

    // Takes over a block already filled, such as the bytes of a file.
    void Adopt(ByteBlock block);

    // Frees every block; views handed out before are no longer valid.
    void Clear();

private:
    std::vector<ByteBlock> blocks_;
    char* free_ = nullptr;
    std::size_t freeSize_ = 0;
    std::size_t nextBlockSize_ = kFirstBlockSize;

    static constexpr std::size_t kFirstBlockSize = 4096;
    static constexpr std::size_t kLargestBlockSize = 1 << 20;
};

} // namespace zrl::detail
