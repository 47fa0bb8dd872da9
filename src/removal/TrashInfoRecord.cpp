#include "TrashInfoRecord.h"

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

} // namespace

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
