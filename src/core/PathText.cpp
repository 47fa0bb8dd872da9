#include "PathText.h"

#include <cstdint>

namespace orvelane {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

struct SequenceShape
{
    std::size_t length = 0;        // 0: the byte cannot start a sequence
    std::uint8_t secondLow = 0x80; // the second byte's range narrows for some lead bytes
    std::uint8_t secondHigh = 0xBF;
};

SequenceShape shapeOf(std::uint8_t lead)
{
    if (lead < 0x80)
        return {1};
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF}; // no overlong forms
    if (lead == 0xED)
        return {3, 0x80, 0x9F}; // no surrogates
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F}; // nothing above U+10FFFF
    return {};
}

// How many bytes from `at` form a valid sequence; otherwise, as a negative number, the length
// of the maximal invalid subpart that one replacement character stands for.
long validPrefix(std::string_view bytes, std::size_t at)
{
    const auto shape = shapeOf(static_cast<std::uint8_t>(bytes[at]));
    if (shape.length == 0)
        return -1;
    for (std::size_t i = 1; i < shape.length; ++i) {
        if (at + i >= bytes.size())
            return -static_cast<long>(i);
        const auto byte = static_cast<std::uint8_t>(bytes[at + i]);
        const std::uint8_t low = i == 1 ? shape.secondLow : 0x80;
        const std::uint8_t high = i == 1 ? shape.secondHigh : 0xBF;
        if (byte < low || byte > high)
            return -static_cast<long>(i);
    }
    return static_cast<long>(shape.length);
}

} // namespace

std::string displayText(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const long step = validPrefix(bytes, at);
        if (step > 0) {
            text.append(bytes.substr(at, static_cast<std::size_t>(step)));
            at += static_cast<std::size_t>(step);
        } else {
            text.append(kReplacement);
            at += static_cast<std::size_t>(-step);
        }
    }
    return text;
}

std::string displayText(const std::filesystem::path& path)
{
    return displayText(std::string_view(path.native()));
}

namespace {

std::filesystem::path withoutTrailingSeparator(const std::filesystem::path& path)
{
    std::filesystem::path normal = path.lexically_normal();
    if (!normal.has_filename() && normal != normal.root_path())
        normal = normal.parent_path();
    return normal;
}

} // namespace

std::string pathFromHome(const std::filesystem::path& path, const std::filesystem::path& home)
{
    const std::filesystem::path relative = withoutTrailingSeparator(path).lexically_relative(withoutTrailingSeparator(home));
    if (relative.empty() || *relative.begin() == "..")
        return displayText(path);
    return relative == "." ? std::string("~") : "~/" + displayText(relative);
}

} // namespace orvelane
