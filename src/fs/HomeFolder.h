#pragma once

#include <filesystem>

namespace orvelane {

/**
 * @brief The current user's home folder.
 *
 * `$HOME` when it is set and absolute (the platform convention, and what tests point at a fake
 * home), otherwise the password database's entry for the real user. Doubled and trailing
 * separators are dropped so that locations appended to it come out clean. Read afresh on
 * every call.
 */
std::filesystem::path homeFolder();

} // namespace orvelane
