#include "UndoJournal.h"

#include "FileDescriptor.h"
#include "FileSystem.h"
#include "HexBytes.h"
#include "XdgFolders.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane::UndoJournal {
namespace {

constexpr std::string_view kHeader = "orvelane-undo 1";
constexpr std::string_view kIdKey = "id ";
constexpr std::string_view kItemKey = "item ";

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return parts;
        start = tab + 1;
    }
}

template <typename Number>
std::optional<Number> number(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<std::filesystem::path> absolutePath(std::string_view hex)
{
    const auto bytes = hexDecoded(hex);
    if (!bytes || bytes->empty() || bytes->front() != '/' || bytes->find('\0') != std::string::npos)
        return std::nullopt;
    return std::filesystem::path(*bytes);
}

std::optional<UndoEntry> entryOf(std::string_view line)
{
    const auto parts = fields(line);
    if (parts.size() != 7)
        return std::nullopt;
    const auto category = categoryKindFromRawValue(parts[0]);
    const auto device = number<std::uint64_t>(parts[1]);
    const auto inode = number<std::uint64_t>(parts[2]);
    const auto size = number<std::int64_t>(parts[3]);
    const auto name = hexDecoded(parts[4]);
    const auto original = absolutePath(parts[5]);
    const auto trashedAs = absolutePath(parts[6]);
    if (!category || !device || !inode || !size || *size < 0 || !name || !original || !trashedAs)
        return std::nullopt;
    return UndoEntry{*category, *name, *original, *trashedAs, *device, *inode, *size};
}

// The journal's folder, created private with its missing parents. The state folder itself may
// be reached through links (the user's set-up); the journal's own folder may not be a link.
FileDescriptor journalFolder(const std::filesystem::path& file, bool create, int& error)
{
    const std::filesystem::path folder = file.parent_path();
    if (create) {
        std::filesystem::path prefix;
        for (const auto& part : folder.parent_path()) {
            prefix /= part;
            ::mkdir(prefix.c_str(), 0700); // existing folders answer EEXIST; the opens decide
        }
    }
    FileDescriptor above(::open(folder.parent_path().c_str(), traversalOpenFlags()));
    if (!above.isOpen()) {
        error = errno;
        return above;
    }
    const std::string name = folder.filename().native();
    if (create && ::mkdirat(above.get(), name.c_str(), 0700) != 0 && errno != EEXIST) {
        error = errno;
        return FileDescriptor();
    }
    FileDescriptor own(::openat(above.get(), name.c_str(), traversalOpenFlags() | O_NOFOLLOW));
    if (!own.isOpen())
        error = errno;
    return own;
}

} // namespace

std::filesystem::path location(const std::filesystem::path& home)
{
    return Xdg::stateHome(home) / "orvelane" / "last-clean";
}

std::string newId()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::random_device random;
    return std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(now).count()) + "-" +
           std::to_string(::getpid()) + "-" + std::to_string(random());
}

std::string text(const UndoRecord& record)
{
    std::string out(kHeader);
    out += "\n";
    out.append(kIdKey).append(record.id).append("\n");
    for (const UndoEntry& entry : record.entries) {
        out.append(kItemKey).append(rawValue(entry.category));
        out += "\t" + std::to_string(entry.device) + "\t" + std::to_string(entry.inode) + "\t" +
               std::to_string(entry.size) + "\t" + hexEncoded(entry.name) + "\t" +
               hexEncoded(entry.original.native()) + "\t" +
               hexEncoded(entry.trashedAs.native()) + "\n";
    }
    return out;
}

std::optional<UndoRecord> parse(std::string_view text)
{
    UndoRecord record;
    bool header = false;
    bool id = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            return std::nullopt; // every line ends: a cut-off journal is no journal
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!header) {
            if (line != kHeader)
                return std::nullopt;
            header = true;
        } else if (!id) {
            if (!line.starts_with(kIdKey) || line.size() == kIdKey.size())
                return std::nullopt;
            record.id = std::string(line.substr(kIdKey.size()));
            id = true;
        } else {
            if (!line.starts_with(kItemKey))
                return std::nullopt;
            auto entry = entryOf(line.substr(kItemKey.size()));
            if (!entry)
                return std::nullopt;
            record.entries.push_back(std::move(*entry));
        }
    }
    if (!id)
        return std::nullopt;
    return record;
}

std::optional<std::string> write(const std::filesystem::path& file, const UndoRecord& record)
{
    if (!file.is_absolute() || !file.has_filename() || !file.parent_path().has_filename())
        return FileSystem::describeError(EINVAL);
    int error = 0;
    const FileDescriptor folder = journalFolder(file, true, error);
    if (!folder.isOpen())
        return FileSystem::describeError(error);
    const std::string name = file.filename().native();
    const std::string contents = text(record);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = "." + name + "." + std::to_string(::getpid()) + "." + std::to_string(attempt);
        FileDescriptor out(::openat(folder.get(), temporary.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!out.isOpen()) {
            if (errno == EEXIST)
                continue;
            return FileSystem::describeError(errno);
        }
        int failure = FileSystem::writeAll(out.get(), contents) && ::fsync(out.get()) == 0 ? 0 : errno;
        if (const int closed = out.close(); failure == 0)
            failure = closed;
        // Renaming replaces a link at the journal's name rather than writing through it.
        if (failure == 0 && ::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) == 0)
            return std::nullopt;
        if (failure == 0)
            failure = errno;
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        return FileSystem::describeError(failure);
    }
    return FileSystem::describeError(EEXIST);
}

std::optional<UndoRecord> read(const std::filesystem::path& file)
{
    if (!file.is_absolute() || !file.has_filename() || !file.parent_path().has_filename())
        return std::nullopt;
    int error = 0;
    const FileDescriptor folder = journalFolder(file, false, error);
    if (!folder.isOpen())
        return std::nullopt;
    FileDescriptor in(
        ::openat(folder.get(), file.filename().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status{};
    if (!in.isOpen() || ::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::getuid() ||
        status.st_size > static_cast<off_t>(kMaxBytes))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(in.get(), bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    if (filled > static_cast<std::size_t>(status.st_size)) // grew while being read: not ours to trust
        return std::nullopt;
    bytes.resize(filled);
    return parse(bytes);
}

std::optional<std::string> clear(const std::filesystem::path& file)
{
    if (!file.is_absolute() || !file.has_filename() || !file.parent_path().has_filename())
        return FileSystem::describeError(EINVAL);
    int error = 0;
    const FileDescriptor folder = journalFolder(file, false, error);
    if (!folder.isOpen())
        return error == ENOENT ? std::nullopt : std::optional(FileSystem::describeError(error));
    if (::unlinkat(folder.get(), file.filename().c_str(), 0) != 0 && errno != ENOENT)
        return FileSystem::describeError(errno);
    return std::nullopt;
}

} // namespace orvelane::UndoJournal
