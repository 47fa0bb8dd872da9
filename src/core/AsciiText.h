#pragma once

#include <string>
#include <string_view>

namespace orvelane {

/**
 * @brief The text with A–Z turned into a–z and every other byte left as it is.
 *
 * Rules that compare names must give the same answer on every machine; the C library's
 * lower-casing follows the process locale (under a Turkish one "I" does not become "i"), so
 * rules never use it.
 */
std::string lowerCasedAscii(std::string_view text);

} // namespace orvelane
