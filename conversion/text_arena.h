#pragma once
// Storage for the texts of a line list: blocks that are never moved or freed
// while the list lives, so views of lines stay valid however the list grows.

#include "bytes.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace zrl::detail {

class TextArena {
public:
    // Copies s into the arena and returns a view of the copy.
    std::string_view Keep(std::string_view s);

    // Takes over the bytes of a file, which lines then view in place.
    void Adopt(Bytes bytes);

    // Frees every block; views handed out before are no longer valid.
    void Clear();

private:
    std::vector<Bytes> blocks_;
    char* free_ = nullptr;
    std::size_t freeSize_ = 0;
    std::size_t nextBlockSize_ = kFirstBlockSize;

    static constexpr std::size_t kFirstBlockSize = 4096;
    static constexpr std::size_t kLargestBlockSize = 1 << 20;
};

} // namespace zrl::detail
