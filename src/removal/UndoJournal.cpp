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
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvelane::UndoJournal {
namespace {

constexpr std::string_view kHeader = "orvelane-undo 1";
constexpr std::string_view kStackHeader = "orvelane-undo 2";
constexpr std::string_view kIdKey = "id ";
constexpr std::string_view kRecordKey = "record ";
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
    if (parts.size() != 7 && parts.size() != 9)
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
    UndoEntry entry{*category, *name, *original, *trashedAs, *device, *inode, *size};
    if (parts.size() == 9) {
        const auto modified = number<std::int64_t>(parts[7]);
        const auto length = number<std::int64_t>(parts[8]);
        if (!modified || !length || *length < 0)
            return std::nullopt;
        entry.modifiedNs = *modified;
        entry.length = *length;
    }
    return entry;
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

std::string itemLine(const UndoEntry& entry)
{
    std::string line(kItemKey);
    line.append(rawValue(entry.category));
    line += "\t" + std::to_string(entry.device) + "\t" + std::to_string(entry.inode) + "\t" + std::to_string(entry.size) +
            "\t" + hexEncoded(entry.name) + "\t" + hexEncoded(entry.original.native()) + "\t" +
            hexEncoded(entry.trashedAs.native());
    return line;
}

// Each line of the text, in order; nothing when the last one is cut off (a torn journal is no
// journal).
std::optional<std::vector<std::string_view>> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            return std::nullopt;
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<UndoRecord>> parseRecords(const std::vector<std::string_view>& lines)
{
    std::vector<UndoRecord> records;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.starts_with(kRecordKey)) {
            const auto parts = fields(line.substr(kRecordKey.size()));
            const auto when = parts.size() == 2 ? number<std::int64_t>(parts[1]) : std::nullopt;
            if (!when || parts[0].empty())
                return std::nullopt;
            records.push_back({std::string(parts[0]), {}, *when});
            continue;
        }
        auto entry = line.starts_with(kItemKey) && !records.empty() ? entryOf(line.substr(kItemKey.size())) : std::nullopt;
        if (!entry)
            return std::nullopt;
        records.back().entries.push_back(std::move(*entry));
    }
    return records;
}

// The journal's bytes: nothing when it cannot be trusted, an empty text when there is none.
enum class Presence { absent, present, untrusted };

Presence readText(const std::filesystem::path& file, std::string& bytes)
{
    if (!file.is_absolute() || !file.has_filename() || !file.parent_path().has_filename())
        return Presence::untrusted;
    int error = 0;
    const FileDescriptor folder = journalFolder(file, false, error);
    if (!folder.isOpen())
        return error == ENOENT ? Presence::absent : Presence::untrusted;
    FileDescriptor in(
        ::openat(folder.get(), file.filename().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!in.isOpen())
        return errno == ENOENT ? Presence::absent : Presence::untrusted;
    struct stat status{};
    if (::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::getuid() ||
        status.st_size > static_cast<off_t>(kMaxBytes))
        return Presence::untrusted;
    bytes.assign(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(in.get(), bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Presence::untrusted;
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    if (filled > static_cast<std::size_t>(status.st_size)) // grew while being read: not ours to trust
        return Presence::untrusted;
    bytes.resize(filled);
    return Presence::present;
}

std::optional<std::string> writeText(const std::filesystem::path& file, const std::string& contents)
{
    if (!file.is_absolute() || !file.has_filename() || !file.parent_path().has_filename())
        return FileSystem::describeError(EINVAL);
    int error = 0;
    const FileDescriptor folder = journalFolder(file, true, error);
    if (!folder.isOpen())
        return FileSystem::describeError(error);
    const std::string name = file.filename().native();
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
    for (const UndoEntry& entry : record.entries)
        out += itemLine(entry) + "\n";
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
    return writeText(file, text(record));
}

std::optional<UndoRecord> read(const std::filesystem::path& file)
{
    std::string bytes;
    if (readText(file, bytes) != Presence::present)
        return std::nullopt;
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

std::string stackText(const std::vector<UndoRecord>& records)
{
    std::string out(kStackHeader);
    out += "\n";
    const std::size_t first = records.size() > kMaxRecords ? records.size() - kMaxRecords : 0;
    for (std::size_t i = first; i < records.size(); ++i) {
        out.append(kRecordKey).append(records[i].id).append("\t").append(std::to_string(records[i].when)).append("\n");
        for (const UndoEntry& entry : records[i].entries)
            out += itemLine(entry) + "\t" + std::to_string(entry.modifiedNs) + "\t" + std::to_string(entry.length) + "\n";
    }
    return out;
}

std::optional<std::vector<UndoRecord>> parseStack(std::string_view text)
{
    const auto lines = linesOf(text);
    if (!lines || lines->empty())
        return std::nullopt;
    if (lines->front() == kHeader) {
        auto single = parse(text);
        return single ? std::optional(std::vector<UndoRecord>{std::move(*single)}) : std::nullopt;
    }
    if (lines->front() != kStackHeader)
        return std::nullopt;
    return parseRecords(*lines);
}

std::optional<std::vector<UndoRecord>> readStack(const std::filesystem::path& file)
{
    std::string bytes;
    switch (readText(file, bytes)) {
    case Presence::absent:
        return std::vector<UndoRecord>{};
    case Presence::untrusted:
        return std::nullopt;
    case Presence::present:
        break;
    }
    return parseStack(bytes);
}

std::optional<std::string> writeStack(const std::filesystem::path& file, const std::vector<UndoRecord>& records)
{
    if (records.empty())
        return clear(file);
    return writeText(file, stackText(records));
}

Lock::Lock(FileDescriptor fd) : fd_(std::move(fd)) {}

Lock::~Lock()
{
    if (fd_.isOpen())
        ::flock(fd_.get(), LOCK_UN);
}

std::optional<Lock> Lock::acquire(const std::filesystem::path& file, std::chrono::milliseconds patience,
                                  std::string& why)
{
    if (!file.is_absolute() || !file.has_filename() || !file.parent_path().has_filename()) {
        why = FileSystem::describeError(EINVAL);
        return std::nullopt;
    }
    int error = 0;
    const FileDescriptor folder = journalFolder(file, true, error);
    if (!folder.isOpen()) {
        why = FileSystem::describeError(error);
        return std::nullopt;
    }
    FileDescriptor fd(::openat(folder.get(), "lock", O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    struct stat status{};
    if (!fd.isOpen() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        why = FileSystem::describeError(fd.isOpen() ? EINVAL : errno);
        return std::nullopt;
    }
    const auto giveUpAt = std::chrono::steady_clock::now() + patience;
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= giveUpAt) {
            why = errno == EWOULDBLOCK ? std::string(kBusy) : FileSystem::describeError(errno);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return Lock(std::move(fd));
}

} // namespace orvelane::UndoJournal
