#include "TestMounts.h"

#include "TestFiles.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <system_error>
#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#endif

namespace orvelane::testing {

TestMounts::~TestMounts()
{
#ifdef __linux__
    for (auto it = mounts_.rbegin(); it != mounts_.rend(); ++it)
        ::umount2(it->c_str(), MNT_DETACH);
#endif
}

bool TestMounts::available()
{
#ifdef __linux__
    // Once per process: later mounts stay inside this namespace, and its propagation is cut so
    // that none of them reaches the host's mount table.
    static const bool privateNamespace =
        ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return privateNamespace;
#else
    return false;
#endif
}

std::optional<std::filesystem::path> TestMounts::tmpfs(const std::filesystem::path& at, const std::string& options)
{
#ifdef __linux__
    if (!available())
        return std::nullopt;
    std::error_code ignored;
    std::filesystem::create_directories(at, ignored);
    const std::string data = "size=8m,mode=0755" + (options.empty() ? "" : "," + options);
    if (::mount("orvelane-test", at.c_str(), "tmpfs", 0, data.c_str()) != 0)
        return std::nullopt;
    mounts_.push_back(at);
    return at;
#else
    (void)at;
    (void)options;
    return std::nullopt;
#endif
}

std::optional<std::filesystem::path> TestMounts::bind(const std::filesystem::path& source,
                                                      const std::filesystem::path& at)
{
#ifdef __linux__
    if (!available())
        return std::nullopt;
    std::error_code ignored;
    if (std::filesystem::is_directory(source)) {
        std::filesystem::create_directories(at, ignored);
    } else if (!std::filesystem::exists(at)) {
        std::filesystem::create_directories(at.parent_path(), ignored);
        std::ofstream(at).put('\0');
    }
    if (::mount(source.c_str(), at.c_str(), nullptr, MS_BIND, nullptr) != 0)
        return std::nullopt;
    mounts_.push_back(at);
    return at;
#else
    (void)source;
    (void)at;
    return std::nullopt;
#endif
}

std::optional<std::filesystem::path> TestMounts::image(const std::filesystem::path& file, const std::filesystem::path& at)
{
    if (!available())
        return std::nullopt;
    std::error_code ignored;
    std::filesystem::create_directories(at, ignored);
    const std::string line = "mount -o loop,nosuid,nodev " + shellQuoted(file) + " " + shellQuoted(at) + " 2>/dev/null";
    if (std::system(line.c_str()) != 0)
        return std::nullopt;
    mounts_.push_back(at);
    return at;
}

bool TestMounts::unmount(const std::filesystem::path& at)
{
#ifdef __linux__
    const auto found = std::find(mounts_.begin(), mounts_.end(), at);
    if (found == mounts_.end() || ::umount2(at.c_str(), 0) != 0)
        return false;
    mounts_.erase(found);
    return true;
#else
    (void)at;
    return false;
#endif
}

} // namespace orvelane::testing
