#pragma once

namespace orvelane {

/**
 * @brief Owns one open file descriptor and closes it when it goes out of scope.
 *
 * The removal layer keeps every folder it acts in as a descriptor rather than a path, so that
 * a folder renamed or swapped for a link after it was opened cannot redirect the work.
 */
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor();

    bool isOpen() const { return fd_ >= 0; }
    int get() const { return fd_; }
    /// Gives up ownership without closing.
    int release();
    /// Closes now; the errno of a failed close, 0 otherwise (a late write error shows up here).
    int close();

private:
    int fd_ = -1;
};

/// Flags for a folder that is only walked through or acted in, never listed: needs search
/// permission only where the platform can express that.
int traversalOpenFlags();

} // namespace orvelane
