#include "bytes.h"

#include "errors.h"

#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>

namespace zrl::detail {

namespace {

char* Reallocate(char* bytes, std::size_t size)
{
    char* grown = static_cast<char*>(std::realloc(bytes, size == 0 ? 1 : size));
    if (!grown) {
        std::free(bytes);
        throw std::bad_alloc();
    }
    return grown;
}

// Whether size bytes fit in the memory that is free now. Where they do not,
// nothing is made present ahead of use: the system could only stop the
// process for it, while a failed allocation can be reported.
bool FitsInFreeMemory(std::size_t size)
{
    const long freePages = sysconf(_SC_AVPHYS_PAGES);
    return freePages > 0 && size / static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) < static_cast<std::size_t>(freePages);
}

// A regular file is copied by the kernel into an anonymous memory file that
// is then mapped privately: the process holds its own copy of the bytes, as
// a read gives it, without touching every page of a fresh buffer first.
// Empty when the system cannot do this for the file, or when the file does
// not fit in free memory: reading then does it.
std::optional<std::string_view> SnapshotOf(int fd, std::size_t fileSize)
{
    if (!FitsInFreeMemory(fileSize))
        return std::nullopt;
    const int memory = memfd_create("zrlconv-record", MFD_CLOEXEC);
    if (memory < 0)
        return std::nullopt;
    // From where the descriptor stands, as a read would go on.
    const off_t start = std::max<off_t>(lseek(fd, 0, SEEK_CUR), 0);
    off_t offset = start;
    for (;;) {
        const ssize_t copied = sendfile(memory, fd, &offset, 1 << 30);
        if (copied == 0)
            break;
        if (copied < 0 && errno != EINTR) {
            close(memory);
            return std::nullopt;
        }
    }
    const std::size_t size = static_cast<std::size_t>(offset - start);
    void* mapped = size == 0 ? MAP_FAILED : mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, memory, 0);
    close(memory);
    if (mapped == MAP_FAILED)
        return std::nullopt;
    return std::string_view(static_cast<const char*>(mapped), size);
}

// Large blocks are mapped with their pages made present in one call, as far
// as free memory allows: on virtual machines a fault per page costs more than
// the bytes written to it.
constexpr std::size_t kMappedBlockSize = 1 << 20;

char* MapPresentPages(std::size_t size)
{
    const int present = FitsInFreeMemory(size) ? MAP_POPULATE : 0;
    void* mapped = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | present, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    return static_cast<char*>(mapped);
}

} // namespace

void* AllocatePresentPages(std::size_t size)
{
    if (size >= kMappedBlockSize)
        return MapPresentPages(size);
    return ::operator new(size);
}

void FreePresentPages(void* p, std::size_t size) noexcept
{
    if (size >= kMappedBlockSize)
        munmap(p, size);
    else
        ::operator delete(p);
}

Bytes Bytes::Allocate(std::size_t size)
{
    if (size >= kMappedBlockSize)
        return Bytes(MapPresentPages(size), size, Owner::Mapping);
    return Bytes(Reallocate(nullptr, size), size, Owner::Malloc);
}

Bytes Bytes::Read(int fd, const std::string& name)
{
    struct stat status {};
    if (fstat(fd, &status) != 0 || S_ISDIR(status.st_mode))
        throw EFOpenError(name);
    if (S_ISREG(status.st_mode) && status.st_size > 0) {
        if (const std::optional<std::string_view> snapshot = SnapshotOf(fd, static_cast<std::size_t>(status.st_size)))
            return Bytes(const_cast<char*>(snapshot->data()), snapshot->size(), Owner::Mapping);
    }

    // Anything else is read as its bytes come; one byte more than a regular
    // file's size lets its end be seen at once.
    std::size_t capacity = S_ISREG(status.st_mode) ? static_cast<std::size_t>(status.st_size) + 1 : 1 << 16;
    Bytes bytes(Reallocate(nullptr, capacity), 0, Owner::Malloc);
    for (;;) {
        if (bytes.size_ == capacity) {
            capacity *= 2;
            bytes.data_ = Reallocate(bytes.data_, capacity);
        }
        const ssize_t got = read(fd, bytes.data_ + bytes.size_, capacity - bytes.size_);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw EFOpenError(name);
        }
        bytes.size_ += static_cast<std::size_t>(got);
    }
    if (capacity - bytes.size_ > capacity / 4)
        bytes.data_ = Reallocate(bytes.data_, bytes.size_);
    return bytes;
}

Bytes Bytes::Copy(std::string_view text)
{
    Bytes bytes(Reallocate(nullptr, text.size()), text.size(), Owner::Malloc);
    if (!text.empty())
        std::memcpy(bytes.data_, text.data(), text.size());
    return bytes;
}

Bytes::Bytes(Bytes&& other) noexcept : data_(other.data_), size_(other.size_), owner_(other.owner_)
{
    other.data_ = nullptr;
    other.size_ = 0;
    other.owner_ = Owner::Malloc;
}

Bytes::~Bytes()
{
    if (owner_ == Owner::Mapping)
        munmap(data_, size_);
    else
        std::free(data_);
}

} // namespace zrl::detail
