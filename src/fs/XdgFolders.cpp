#include "XdgFolders.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane::Xdg {
namespace {

// user-dirs.dirs is a few hundred bytes; anything much larger is not one.
constexpr std::size_t kMaxUserDirsBytes = 64 * 1024;

std::filesystem::path baseFolder(const char* variable, const std::filesystem::path& home,
                                 const char* fallback)
{
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return std::filesystem::path(value).lexically_normal();
    return home / fallback;
}

// Reads a small regular file. Opened without blocking and checked after opening, so a FIFO or
// a device put in its place can neither hang nor flood the caller.
std::optional<std::string> smallRegularFile(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status
    {};
    std::optional<std::string> text;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        std::string bytes(kMaxUserDirsBytes, '\0');
        const ssize_t n = ::read(fd, bytes.data(), bytes.size());
        if (n >= 0) {
            bytes.resize(static_cast<std::size_t>(n));
            text = std::move(bytes);
        }
    }
    ::close(fd);
    return text;
}

// The quoted value of a line, with the shell escapes that xdg-user-dirs writes undone.
std::optional<std::string> quotedValue(std::string_view rest)
{
    if (rest.size() < 2 || rest.front() != '"')
        return std::nullopt;
    std::string value;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"')
            return value;
        if (c == '\\' && i + 1 < rest.size())
            value += rest[++i];
        else
            value += c;
    }
    return std::nullopt; // no closing quote
}

std::optional<std::filesystem::path> resolved(const std::string& value, const std::filesystem::path& home)
{
    constexpr std::string_view kHome = "$HOME";
    if (value.starts_with(kHome)) {
        const std::string rest = value.substr(kHome.size());
        if (!rest.empty() && rest.front() != '/')
            return std::nullopt; // "$HOMEWORK" is not below $HOME
        return (home / std::filesystem::path(rest).relative_path()).lexically_normal();
    }
    if (!value.empty() && value.front() == '/')
        return std::filesystem::path(value).lexically_normal();
    return std::nullopt; // nothing else is part of the format
}

std::filesystem::path withoutTrailingSeparator(std::filesystem::path path)
{
    return path.has_filename() ? path : path.parent_path();
}

} // namespace

std::filesystem::path cacheHome(const std::filesystem::path& home)
{
    return baseFolder("XDG_CACHE_HOME", home, ".cache");
}

std::filesystem::path configHome(const std::filesystem::path& home)
{
    return baseFolder("XDG_CONFIG_HOME", home, ".config");
}

std::filesystem::path dataHome(const std::filesystem::path& home)
{
    return baseFolder("XDG_DATA_HOME", home, ".local/share");
}

std::filesystem::path stateHome(const std::filesystem::path& home)
{
    return baseFolder("XDG_STATE_HOME", home, ".local/state");
}

std::optional<std::filesystem::path> userDirectoryIn(const std::string& userDirs, const std::string& name,
                                                     const std::filesystem::path& home)
{
    const std::string key = "XDG_" + name + "_DIR=";
    std::optional<std::filesystem::path> found;
    std::size_t start = 0;
    while (start < userDirs.size()) {
        const std::size_t end = std::min(userDirs.find('\n', start), userDirs.size());
        std::string_view line(userDirs.data() + start, end - start);
        start = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (!line.starts_with(key))
            continue;
        if (const auto value = quotedValue(line.substr(key.size())))
            found = resolved(*value, home); // the last line of a name wins, as in a shell
    }
    return found;
}

std::optional<std::filesystem::path> downloadFolder(const std::filesystem::path& home)
{
    const auto text = smallRegularFile(configHome(home) / "user-dirs.dirs");
    const auto named = text ? userDirectoryIn(*text, "DOWNLOAD", home) : std::nullopt;
    if (!named)
        return home / "Downloads";
    if (withoutTrailingSeparator(*named) == withoutTrailingSeparator(home.lexically_normal()))
        return std::nullopt;
    return withoutTrailingSeparator(*named);
}

} // namespace orvelane::Xdg
