#include "FakeHome.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane::testing {

FakeHome::FakeHome()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "orvelane-home-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    root_ = std::filesystem::canonical(pattern);
    if (const char* home = std::getenv("HOME"))
        previousHome_ = home;
    if (const char* dataHome = std::getenv("XDG_DATA_HOME")) {
        previousDataHome_ = dataHome;
        hadDataHome_ = true;
    }
    setenv("HOME", root_.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
}

FakeHome::~FakeHome()
{
    setenv("HOME", previousHome_.c_str(), 1);
    if (hadDataHome_)
        setenv("XDG_DATA_HOME", previousDataHome_.c_str(), 1);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path FakeHome::folder(const std::filesystem::path& relative) const
{
    const auto full = root_ / relative;
    std::filesystem::create_directories(full);
    return full;
}

std::filesystem::path FakeHome::file(const std::filesystem::path& relative, std::size_t bytes) const
{
    const auto full = root_ / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary);
    const std::string chunk(64 * 1024, 'x');
    for (std::size_t written = 0; written < bytes; written += chunk.size())
        out.write(chunk.data(), static_cast<std::streamsize>(std::min(chunk.size(), bytes - written)));
    return full;
}

std::filesystem::path FakeHome::allocated(const std::filesystem::path& relative, std::int64_t bytes) const
{
    const auto full = root_ / relative;
    std::filesystem::create_directories(full.parent_path());
    const int fd = ::open(full.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0 || posix_fallocate(fd, 0, bytes) != 0) {
        if (fd >= 0)
            ::close(fd);
        throw std::runtime_error("could not allocate " + full.string());
    }
    ::close(fd);
    return full;
}

void FakeHome::age(const std::filesystem::path& relative, int days) const
{
    const auto when = std::chrono::system_clock::now() - std::chrono::hours(24 * days);
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(when.time_since_epoch()).count();
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    utimensat(AT_FDCWD, (root_ / relative).c_str(), times, AT_SYMLINK_NOFOLLOW);
}

} // namespace orvelane::testing
