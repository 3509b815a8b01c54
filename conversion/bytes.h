#pragma once
// Blocks of bytes owned by a line list: the contents of a file it split into
// lines, and the storage of the lines it was given.

#include <cstddef>
#include <string>
#include <string_view>

namespace zrl::detail {

class Bytes {
public:
    // Room for size bytes, not yet written.
    static Bytes Allocate(std::size_t size);

    // Reads everything left in fd. Raises EFOpenError quoting name when fd
    // is a folder or a read fails.
    static Bytes Read(int fd, const std::string& name);

    // A copy of text.
    static Bytes Copy(std::string_view text);

    Bytes(Bytes&& other) noexcept;
    Bytes& operator=(Bytes&&) = delete;
    Bytes(const Bytes&) = delete;
    Bytes& operator=(const Bytes&) = delete;
    ~Bytes();

    char* data() { return data_; }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {data_, size_}; }

private:
    enum class Owner { Malloc, Mapping };
    Bytes(char* data, std::size_t size, Owner owner) : data_(data), size_(size), owner_(owner) {}

    char* data_;
    std::size_t size_;
    Owner owner_;
};

// Memory of size bytes whose pages are present: mapped for large sizes, from
// new for small ones. FreePresentPages takes the same size back.
void* AllocatePresentPages(std::size_t size);
void FreePresentPages(void* p, std::size_t size) noexcept;

// Places large arrays, such as the line views of a long record, in memory
// whose pages are made present in one call; small ones come from new.
template <class T>
struct PresentPagesAllocator {
    using value_type = T;

    PresentPagesAllocator() = default;
    template <class U>
    PresentPagesAllocator(const PresentPagesAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n) { return static_cast<T*>(AllocatePresentPages(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { FreePresentPages(p, n * sizeof(T)); }

    template <class U>
    bool operator==(const PresentPagesAllocator<U>&) const noexcept
    {
        return true;
    }
};

} // namespace zrl::detail
