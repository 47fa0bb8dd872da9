#include "TrashInfoRecord.h"

#include "FileDescriptor.h"
#include "HexBytes.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace orvelane::TrashInfoRecord {
namespace {

bool isUnreserved(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return std::strchr("-_.!~*'()", c) != nullptr && c != '\0';
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Cuts at a character boundary, so a shortened valid UTF-8 name stays valid.
std::string_view shortened(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    while (end > 0 && isContinuationByte(text[end]))
        --end;
    return text.substr(0, end);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded.push_back(text[i]);
            continue;
        }
        const int high = i + 2 < text.size() ? hexDigitValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigitValue(text[i + 2]) : -1;
        if (low < 0)
            return std::nullopt;
        decoded.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    if (decoded.find('\0') != std::string::npos)
        return std::nullopt;
    return decoded;
}

namespace {

// The value of a key of the "[Trash Info]" group, which must be the first group; nothing when
// the text is no such record, lacks the key or names it twice (two readers could each believe a
// different one).
std::optional<std::string_view> recordValue(std::string_view recordText, std::string_view key)
{
    bool inRecordGroup = false;
    bool sawGroup = false;
    std::optional<std::string_view> value;
    std::size_t start = 0;
    while (start <= recordText.size()) {
        const std::size_t end = std::min(recordText.find('\n', start), recordText.size());
        const std::string_view line = trimmed(recordText.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (!sawGroup && line != "[Trash Info]")
                return std::nullopt; // the record's group must come first
            inRecordGroup = !sawGroup;
            sawGroup = true;
            continue;
        }
        if (!sawGroup)
            return std::nullopt; // a key before any group
        const auto equals = line.find('=');
        if (!inRecordGroup || equals == std::string_view::npos || trimmed(line.substr(0, equals)) != key)
            continue;
        if (value)
            return std::nullopt;
        value = trimmed(line.substr(equals + 1));
    }
    return value;
}

} // namespace

std::optional<std::string> originalPath(std::string_view recordText)
{
    const auto value = recordValue(recordText, "Path");
    auto path = value ? percentDecoded(*value) : std::nullopt;
    if (!path || path->empty())
        return std::nullopt;
    return path;
}

std::optional<std::time_t> deletedAt(std::string_view recordText)
{
    const auto value = recordValue(recordText, "DeletionDate");
    if (!value || value->size() != 19)
        return std::nullopt;
    const std::string text(*value);
    struct tm local{};
    const char* end = ::strptime(text.c_str(), "%Y-%m-%dT%H:%M:%S", &local);
    if (end == nullptr || *end != '\0')
        return std::nullopt;
    local.tm_isdst = -1; // the record is in local time, summer or not
    const std::time_t when = std::mktime(&local);
    return when == static_cast<std::time_t>(-1) ? std::nullopt : std::optional(when);
}

Record read(int infoFd, const std::string& recordName)
{
    Record record;
    FileDescriptor file(::openat(infoFd, recordName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen() || ::fstat(file.get(), &record.status) != 0 || !S_ISREG(record.status.st_mode) ||
        record.status.st_size > static_cast<off_t>(maxRecordBytes))
        return record;
    std::string bytes(maxRecordBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return record;
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    if (filled > maxRecordBytes) // grew since the status was read
        return record;
    bytes.resize(filled);
    record.text = std::move(bytes);
    return record;
}

std::string percentEncoded(std::string_view pathBytes)
{
    static constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                               '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string encoded;
    encoded.reserve(pathBytes.size());
    for (const char byte : pathBytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == '/' || isUnreserved(c)) {
            encoded.push_back(byte);
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[c >> 4]);
            encoded.push_back(kHex[c & 0x0F]);
        }
    }
    return encoded;
}

std::string deletionDate(std::time_t when)
{
    struct tm local{};
    ::localtime_r(&when, &local);
    std::array<char, 32> buffer{};
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), "%Y-%m-%dT%H:%M:%S", &local);
    return std::string(buffer.data(), length);
}

std::string text(std::string_view originalPathBytes, std::time_t deletedAt)
{
    return "[Trash Info]\nPath=" + percentEncoded(originalPathBytes) +
           "\nDeletionDate=" + deletionDate(deletedAt) + "\n";
}

std::string entryName(std::string_view name, int attempt, std::size_t maxBytes)
{
    // The extension is what follows the last dot, unless that dot starts the name (".cache") or
    // ends it; very long "extensions" are just part of the name.
    std::string_view stem = name;
    std::string_view suffix;
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0 && dot + 1 < name.size() && name.size() - dot <= 16) {
        stem = name.substr(0, dot);
        suffix = name.substr(dot);
    }
    const std::string number = attempt > 1 ? " " + std::to_string(attempt) : std::string();
    if (attempt <= 1 && name.size() <= maxBytes)
        return std::string(name);
    const std::size_t fixed = number.size() + suffix.size();
    if (fixed >= maxBytes) // no room for an extension: keep the start of the name and the number
        return std::string(shortened(name, maxBytes - std::min(number.size(), maxBytes))) + number;
    return std::string(shortened(stem, maxBytes - fixed)) + number + std::string(suffix);
}

} // namespace orvelane::TrashInfoRecord
