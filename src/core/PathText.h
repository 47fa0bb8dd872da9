#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvelane {

/**
 * @brief Text for showing and logging a name that may not be valid UTF-8.
 *
 * File names are bytes; only when one is shown does it become text. Every maximal invalid
 * subsequence becomes one U+FFFD REPLACEMENT CHARACTER, so the same bytes always give the
 * same text and valid names pass through unchanged.
 */
std::string displayText(std::string_view bytes);
std::string displayText(const std::filesystem::path& path);
inline std::string displayText(const std::string& bytes)
{
    return displayText(std::string_view(bytes));
}
inline std::string displayText(const char* bytes)
{
    return displayText(std::string_view(bytes));
}

/// A path as the user would type it: "~/…" inside the home folder, "~" for the home itself, the
/// whole path elsewhere. Compared as written: the caller gives both in the same form.
std::string pathFromHome(const std::filesystem::path& path, const std::filesystem::path& home);

} // namespace orvelane
