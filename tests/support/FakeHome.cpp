#include "FakeHome.h"

#include "TestMounts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane::testing {
namespace {

// HOME and every folder variable that could lead code under test out of the fake home (a real
// XDG_DATA_HOME would point the trash at the real one), set to their defaults inside it.
constexpr std::pair<const char*, const char*> kFolderVariables[] = {
    {"HOME", ""},
    {"XDG_CACHE_HOME", ".cache"},
    {"XDG_CONFIG_HOME", ".config"},
    {"XDG_DATA_HOME", ".local/share"},
    {"XDG_STATE_HOME", ".local/state"},
};

} // namespace

FakeHome::FakeHome() : FakeHome(std::string())
{}

FakeHome::FakeHome(const std::string& folderName)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "orvelane-home-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    // Without links (macOS keeps temporary folders behind /var -> private/var), so that removals
    // may walk the whole path without following any.
    top_ = std::filesystem::canonical(pattern);
    root_ = top_;
    if (!folderName.empty()) {
        root_ = top_ / folderName;
        std::filesystem::create_directory(root_);
    }
    for (const auto& [name, relative] : kFolderVariables) {
        if (const char* value = std::getenv(name))
            previous_.emplace_back(name, value);
        else
            previous_.emplace_back(name, std::nullopt);
        ::setenv(name, relative[0] == '\0' ? root_.c_str() : (root_ / relative).c_str(), 1);
    }
}

FakeHome::~FakeHome()
{
    mounts_.reset(); // what was mounted inside goes first, or its folders could not
    for (const auto& [name, value] : previous_)
        value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    // chmod -R never follows links; rm walks by descriptors, so deep trees go too.
    if (std::system(("chmod -R u+rwX " + shellQuoted(top_) + " 2>/dev/null; rm -rf " + shellQuoted(top_)).c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", top_.c_str());
}

std::filesystem::path FakeHome::inside(const std::filesystem::path& relative) const
{
    if (relative.is_absolute() || std::find(relative.begin(), relative.end(), "..") != relative.end())
        throw std::logic_error("outside the fake home: " + relative.string());
    return root_ / relative;
}

std::filesystem::path FakeHome::folder(const std::filesystem::path& relative) const
{
    std::filesystem::create_directories(inside(relative));
    return inside(relative);
}

std::filesystem::path FakeHome::file(const std::filesystem::path& relative, std::size_t bytes) const
{
    std::filesystem::create_directories(inside(relative).parent_path());
    std::ofstream(inside(relative), std::ios::binary) << std::string(bytes, 'x');
    return inside(relative);
}

std::filesystem::path FakeHome::allocated(const std::filesystem::path& relative, std::int64_t bytes) const
{
    const auto path = file(relative, 0);
    // Large files may get extra blocks of file-system bookkeeping: ask for that much less.
    for (std::int64_t request = bytes, attempt = 0; attempt < 4; ++attempt) {
#ifdef __APPLE__
        file(relative, static_cast<std::size_t>(request)); // no posix_fallocate: write the bytes
        const int failed = 0;
#else
        const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        const int failed = ::posix_fallocate(fd, 0, request);
        ::close(fd);
#endif
        const auto measured = allocatedBytesByFind(path);
        if (failed == 0 && measured == bytes)
            return path;
        request -= measured - bytes;
    }
    throw std::runtime_error("cannot allocate exactly " + std::to_string(bytes) + " bytes");
}

std::filesystem::path FakeHome::link(const std::filesystem::path& relative,
                                     const std::filesystem::path& target) const
{
    std::filesystem::create_directories(inside(relative).parent_path());
    std::filesystem::create_symlink(target, inside(relative));
    return inside(relative);
}

void FakeHome::setModified(const std::filesystem::path& relative, Date when) const
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
    const struct timespec times[2] = {{0, UTIME_OMIT},
                                      {static_cast<time_t>(ns / 1'000'000'000), ns % 1'000'000'000}};
    if (::utimensat(AT_FDCWD, inside(relative).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("utimensat failed");
}

void FakeHome::remove(const std::filesystem::path& relative) const
{
    std::filesystem::remove_all(inside(relative));
}

std::optional<std::filesystem::path> FakeHome::mountVolume(const std::string& name, const std::string& options)
{
    if (!mounts_)
        mounts_ = std::make_unique<TestMounts>();
    return mounts_->tmpfs(top_ / name, options);
}

} // namespace orvelane::testing
