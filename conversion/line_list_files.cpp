// Reading and writing the lines of a LineList from and to files.

#include "line_list.h"

#include "errors.h"
#include "file_save.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

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
    AdoptText(detail::Bytes::Read(fd, name));
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
