// Reading and writing the lines of a LineList from and to files.

#include "line_list.h"

#include "errors.h"
#include "file_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zrl {

namespace {

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

void Grow(detail::ByteBlock& block, std::size_t size)
{
    char* grown = static_cast<char*>(std::realloc(block.get(), size));
    if (!grown)
        throw std::bad_alloc();
    static_cast<void>(block.release());
    block.reset(grown);
}

// Reads everything left in fd. A regular file is read into a block of its
// own size; anything else grows its block as the bytes come.
std::size_t ReadWhole(int fd, const std::string& name, detail::ByteBlock& block)
{
    struct stat status {};
    if (fstat(fd, &status) != 0 || S_ISDIR(status.st_mode))
        throw EFOpenError(name);
    // One byte more than a regular file's size lets the end be seen at once.
    std::size_t capacity = S_ISREG(status.st_mode) ? static_cast<std::size_t>(status.st_size) + 1 : 1 << 16;
    block.reset(static_cast<char*>(std::malloc(capacity)));
    if (!block)
        throw std::bad_alloc();
    std::size_t size = 0;
    for (;;) {
        if (size == capacity) {
            capacity *= 2;
            Grow(block, capacity);
        }
        const ssize_t got = read(fd, block.get() + size, capacity - size);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw EFOpenError(name);
        }
        size += static_cast<std::size_t>(got);
    }
    if (capacity - size > capacity / 4)
        Grow(block, size == 0 ? 1 : size);
    return size;
}

void WriteAll(int fd, const char* bytes, std::size_t size, const std::string& name)
{
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw EFWriteError(name);
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

} // namespace

void LineList::ReadFromFile(const std::string& path)
{
    const OpenFile file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd() < 0)
        throw EFOpenError(path);
    ReadFromDescriptor(file.fd(), path);
}

void LineList::ReadFromDescriptor(int fd, const std::string& name)
{
    detail::ByteBlock bytes;
    const std::size_t size = ReadWhole(fd, name, bytes);
    AdoptText(std::move(bytes), size);
}

void LineList::WriteToFile(const std::string& path) const
{
    FileSave save(path);
    WriteToDescriptor(save.Descriptor(), path);
    save.Commit();
}

void LineList::WriteToDescriptor(int fd, const std::string& name) const
{
    // Lines are gathered into large writes; a line longer than the buffer is
    // written on its own.
    constexpr std::size_t kBufferSize = 1 << 20;
    const std::unique_ptr<char[]> buffer(new char[kBufferSize]);
    std::size_t used = 0;
    for (std::string_view line : lines_) {
        if (used + line.size() + 2 > kBufferSize) {
            WriteAll(fd, buffer.get(), used, name);
            used = 0;
        }
        if (line.size() + 2 > kBufferSize) {
            WriteAll(fd, line.data(), line.size(), name);
            WriteAll(fd, "\r\n", 2, name);
            continue;
        }
        if (!line.empty())
            std::memcpy(buffer.get() + used, line.data(), line.size());
        used += line.size();
        buffer[used++] = '\r';
        buffer[used++] = '\n';
    }
    WriteAll(fd, buffer.get(), used, name);
}

} // namespace zrl
