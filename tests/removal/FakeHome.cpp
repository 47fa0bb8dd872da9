#include "FakeHome.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#endif

namespace orvelane::testing {
namespace {

std::optional<std::string> environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void restore(const char* name, const std::optional<std::string>& value)
{
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

// Every variable that could lead code under test to the real home, its trash or its journal.
constexpr const char* kFolderVariables[] = {"HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME",
                                            "XDG_CACHE_HOME"};

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

} // namespace

FakeHome::FakeHome()
{
    for (const char* name : kFolderVariables)
        saved_.emplace_back(name, environmentValue(name));
    std::string pattern = (std::filesystem::temp_directory_path() / "orvelane-removal-XXXXXX").native();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    // Without links (macOS keeps temporary folders behind /var -> private/var), so that
    // removals may walk the whole path without following any.
    root_ = std::filesystem::canonical(pattern);
    std::filesystem::create_directories(home() / "Downloads");
    ::setenv("HOME", home().c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home() / ".local/share").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (home() / ".local/state").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home() / ".config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home() / ".cache").c_str(), 1);
}

FakeHome::~FakeHome()
{
#ifdef __linux__
    for (auto it = mounts_.rbegin(); it != mounts_.rend(); ++it)
        ::umount2(it->c_str(), MNT_DETACH);
#endif
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
    for (const auto& [name, value] : saved_)
        restore(name, value);
}

std::optional<std::filesystem::path> FakeHome::mountVolume(const std::string& name,
                                                           const std::string& options)
{
#ifdef __linux__
    static const bool privateNamespace =
        ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (!privateNamespace)
        return std::nullopt;
    const std::filesystem::path mountPoint = root_ / name;
    std::filesystem::create_directories(mountPoint);
    const std::string data = "size=4m,mode=0755" + (options.empty() ? "" : "," + options);
    if (::mount("orvelane-test", mountPoint.c_str(), "tmpfs", 0, data.c_str()) != 0)
        return std::nullopt;
    mounts_.push_back(mountPoint);
    return mountPoint;
#else
    (void)name;
    (void)options;
    return std::nullopt;
#endif
}

std::uint64_t writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return inodeOf(path);
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::uint64_t inodeOf(const std::filesystem::path& path)
{
    struct stat status{};
    if (::lstat(path.c_str(), &status) != 0)
        return 0;
    return status.st_ino;
}

std::vector<std::string> entries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().native());
    std::sort(names.begin(), names.end());
    return names;
}

void giveToNobody(const std::filesystem::path& path)
{
    ::lchown(path.c_str(), kNobody, kNobody);
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path))) {
        for (const auto& entry : std::filesystem::directory_iterator(path))
            giveToNobody(entry.path());
    }
}

std::optional<std::string> runAsNobody(const std::function<std::string()>& work)
{
#ifdef __linux__
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0 &&
                             ::setresuid(kNobody, kNobody, kNobody) == 0;
        if (!dropped)
            ::_exit(2);
        const std::string answer = work();
        const bool sent =
            ::write(channel[1], answer.data(), answer.size()) == static_cast<ssize_t>(answer.size());
        ::_exit(sent ? 0 : 3);
    }
    ::close(channel[1]);
    if (child < 0) {
        ::close(channel[0]);
        return std::nullopt;
    }
    std::string answer = readAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return answer;
#else
    (void)work;
    return std::nullopt;
#endif
}

std::string outputOf(const std::string& commandLine)
{
    std::string output;
    if (FILE* pipe = ::popen(commandLine.c_str(), "r")) {
        output = readAll(::fileno(pipe));
        ::pclose(pipe);
    }
    return output;
}

} // namespace orvelane::testing
