#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvelane {

/// What byte formatting needs to know of a locale.
struct ByteFormatLocale
{
    std::string language = "en";    ///< ISO 639 code; picks the unit words ("tr" or English)
    std::string decimalPoint = "."; ///< between integer and fraction digits
    std::string groupSeparator = ","; ///< between groups of three integer digits
};

/// Supplies the locale in force at the moment of formatting.
using ByteFormatLocaleProvider = std::function<ByteFormatLocale()>;

/// Installs the provider that every later call reads (the localizer installs one); nullptr restores English.
void installByteFormatLocaleProvider(ByteFormatLocaleProvider provider);

/**
 * @brief The display text of a byte count, in the current locale.
 *
 * Decimal units (1 kB = 1,000 bytes) from bytes up to exabytes; the largest unit not above the
 * value, no fraction digits for bytes and kilobytes, one for megabytes, two from gigabytes up,
 * trailing zeros dropped; zero is spelled out. A value that rounds up to 1,000 of its unit is
 * shown in the next unit instead ("1 MB", not "1,000 kB").
 */
std::string formatBytes(std::int64_t bytes);

/// The same with an explicit locale, for callers that must not depend on the installed provider.
std::string formatBytes(std::int64_t bytes, const ByteFormatLocale& locale);

/// A count with its digits grouped as the current locale groups them ("12,408", "12.408").
std::string formatCount(std::int64_t count);
std::string formatCount(std::int64_t count, const ByteFormatLocale& locale);

} // namespace orvelane
