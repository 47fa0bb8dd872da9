#include "FakeHome.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvelane::testing {
namespace {

std::string quoted(const std::filesystem::path& path)
{
    std::string text = "'";
    for (const char c : path.native())
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

std::string run(const std::string& command)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (pipe != nullptr && !std::feof(pipe))
        output.append(buffer, std::fread(buffer, 1, sizeof buffer, pipe));
    if (pipe == nullptr || ::pclose(pipe) != 0)
        throw std::runtime_error("command failed: " + command);
    return output;
}

void writeAll(int fd, const std::string& text)
{
    for (std::size_t sent = 0; sent < text.size();) {
        const auto n = ::write(fd, text.data() + sent, text.size() - sent);
        if (n <= 0)
            ::_exit(4);
        sent += static_cast<std::size_t>(n);
    }
}

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
    top_ = std::filesystem::canonical(pattern); // the temporary folder may lie behind a link
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
    for (const auto& [name, value] : previous_)
        value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    // chmod -R never follows links; rm walks by descriptors, so deep trees go too.
    if (std::system(("chmod -R u+rwX " + quoted(top_) + " 2>/dev/null; rm -rf " + quoted(top_)).c_str()) != 0)
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

std::int64_t allocatedBytesByFind(const std::filesystem::path& path, const std::string& prune)
{
    const auto output = run("find " + quoted(path) + " " + prune + " -type f -printf '%b\\n'");
    std::int64_t blocks = 0;
    for (std::size_t at = 0, end; at < output.size(); at = end + 1) {
        end = output.find('\n', at);
        blocks += std::stoll(output.substr(at, end - at));
    }
    return blocks * 512;
}

std::int64_t freedBytesByFind(const std::filesystem::path& path, const std::string& prune)
{
    const auto output = run("find " + quoted(path) + " " + prune + " -type f -printf '%i %n %b\\n'");
    struct Seen
    {
        std::int64_t links = 0, blocks = 0, met = 0;
    };
    std::map<std::uint64_t, Seen> files;
    std::istringstream lines(output);
    std::uint64_t inode = 0;
    std::int64_t links = 0, blocks = 0;
    while (lines >> inode >> links >> blocks) {
        auto& seen = files[inode];
        seen = {links, blocks, seen.met + 1};
    }
    std::int64_t freed = 0;
    for (const auto& [number, seen] : files)
        freed += seen.met == seen.links ? seen.blocks : 0;
    return freed * 512;
}

std::int64_t fileBytesByDuOneFileSystem(const std::filesystem::path& path)
{
    const auto du = run("du -x -s --block-size=512 " + quoted(path));
    const auto others = run("find " + quoted(path) + " -xdev ! -type f -printf '%b\\n'");
    std::int64_t blocks = std::stoll(du.substr(0, du.find_first_of(" \t")));
    std::istringstream lines(others);
    for (std::int64_t b = 0; lines >> b;)
        blocks -= b;
    return blocks * 512;
}

std::uint64_t inodeByStat(const std::filesystem::path& path)
{
    return std::stoull(run("stat -c %i " + quoted(path)));
}

std::string runWithoutPrivileges(const std::filesystem::path& tree, const std::function<std::string()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0) {
            run("chown -R -h 65534:65534 " + quoted(tree));
            // As root, setgid/setuid change the real, effective and saved ids alike.
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0 ||
                ::geteuid() == 0)
                ::_exit(3);
        }
        writeAll(channel[1], work());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("unprivileged child failed: " + std::to_string(status));
    return answer;
}

struct LogCapture::Sink : LogSink
{
    void write(LogLevel level, const std::string& record) override
    {
        std::lock_guard lock(mutex);
        records.emplace_back(level, record.substr(record.find("] ") + 2));
    }
    std::mutex mutex;
    std::vector<std::pair<LogLevel, std::string>> records;
};

LogCapture::LogCapture() : sink_(std::make_shared<Sink>())
{
    Logger::setSink(sink_);
}
LogCapture::~LogCapture()
{
    Logger::setSink(nullptr);
}

std::vector<std::string> LogCapture::messages(LogLevel level) const
{
    std::lock_guard lock(sink_->mutex);
    std::vector<std::string> found;
    for (const auto& [recordLevel, message] : sink_->records)
        if (recordLevel == level)
            found.push_back(message);
    return found;
}

std::size_t LogCapture::count(LogLevel level, const std::string& message) const
{
    const auto all = messages(level);
    return static_cast<std::size_t>(std::count(all.begin(), all.end(), message));
}

std::size_t LogCapture::countStartingWith(const std::string& prefix) const
{
    std::size_t found = 0;
    for (const auto level : {LogLevel::debug, LogLevel::info, LogLevel::warning, LogLevel::error})
        for (const auto& message : messages(level))
            found += message.starts_with(prefix) ? 1 : 0;
    return found;
}

} // namespace orvelane::testing
