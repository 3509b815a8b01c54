#pragma once
// Saving a file so that a failure never loses the file it replaces: the lines
// go to a temporary file beside the target, which is flushed to disk and then
// renamed over the target. A target that is not a regular file (a device, a
// FIFO) is written directly.

#include <string>

namespace zrl {

class FileSave {
public:
    // Prepares the save of path, following symbolic links. Raises
    // EFCreateError quoting path when the file cannot be created: a missing
    // folder, a folder as target, no permission.
    explicit FileSave(std::string path);

    // Removes the temporary file of a save that was not committed.
    ~FileSave();

    FileSave(const FileSave&) = delete;
    FileSave& operator=(const FileSave&) = delete;

    // Where the contents are to be written.
    int Descriptor() const { return fd_; }

    // The file name as given, for messages.
    const std::string& Path() const { return path_; }

    // Flushes the contents and puts them in place of the target, keeping an
    // existing target's permission bits. Raises EFWriteError quoting the path
    // when the flush or the rename fails; the target then keeps its contents.
    void Commit();

private:
    std::string path_;
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
};

} // namespace zrl
