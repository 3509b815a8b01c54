#include "file_save.h"

#include "errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace zrl {

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path finally names: a symbolic link is replaced by its target,
// relative targets taken from the link's folder. A dangling link names the
// file it points to, which the save then creates.
bool FollowLinks(std::string path, std::string& target)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            target = path;
            return true;
        }
        char link[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), link, sizeof link);
        if (length < 0 || static_cast<std::size_t>(length) == sizeof link)
            return false;
        const std::string linked(link, static_cast<std::size_t>(length));
        path = linked.front() == '/' ? linked : FolderOf(path) + "/" + linked;
    }
    return false;
}

// A new file beside the target, under a name no other file has.
int CreateTemporaryBeside(const std::string& target, std::string& temporary)
{
    const std::string stem = FolderOf(target) + "/." + NameOf(target) + ".zrlconv-" + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem + std::to_string(attempt);
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

FileSave::FileSave(std::string path) : path_(std::move(path))
{
    if (path_.empty() || !FollowLinks(path_, target_))
        throw EFCreateError(path_);

    struct stat existing {};
    const bool exists = stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw EFCreateError(path_);
    if (exists && !S_ISREG(existing.st_mode)) {
        fd_ = open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd_ < 0)
            throw EFCreateError(path_);
        return;
    }
    // A file we could not overwrite in place is not replaced behind its back.
    if (exists && access(target_.c_str(), W_OK) != 0)
        throw EFCreateError(path_);

    fd_ = CreateTemporaryBeside(target_, temporary_);
    if (fd_ < 0) {
        temporary_.clear();
        throw EFCreateError(path_);
    }
    if (exists) {
        // The replacement keeps the old file's owner where we may set it (as
        // root), and its permission bits always.
        [[maybe_unused]] const int ownerKept = fchown(fd_, existing.st_uid, existing.st_gid);
        if (fchmod(fd_, existing.st_mode & 07777) != 0) {
            close(fd_);
            unlink(temporary_.c_str());
            throw EFCreateError(path_);
        }
    }
}

FileSave::~FileSave()
{
    if (fd_ >= 0)
        close(fd_);
    if (!temporary_.empty())
        unlink(temporary_.c_str());
}

void FileSave::Commit()
{
    const bool direct = temporary_.empty();
    const bool flushed = direct || fsync(fd_) == 0;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    if (!flushed || !closed)
        throw EFWriteError(path_);
    if (direct)
        return;
    if (rename(temporary_.c_str(), target_.c_str()) != 0)
        throw EFWriteError(path_);
    temporary_.clear();
}

} // namespace zrl
