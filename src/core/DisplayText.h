#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

/// Marks a literal as a display text: the literal is the lookup key and the English fallback.
/// The key-coverage test finds every use, so a text marked here must exist in both string tables.
#define DISPLAY_TEXT(literal) literal

namespace orvelane {

/// Returns the translation of a key in the current language, or nothing when the table lacks it.
using TextLookup = std::function<std::string(std::string_view key)>;

/**
 * @brief Installs the process-wide lookup behind every display text of the models.
 *
 * The application's localizer installs itself here so that the models stay free of any UI
 * toolkit. Safe to call while other threads look texts up.
 */
void installTextLookup(TextLookup lookup);

/// The key's text in the current language; the key itself when no lookup is installed or the
/// table has no entry.
std::string localizedText(std::string_view key);

/// Returns the translation of a text with a count in the form its language uses for that count
/// ("1 item", "2 items"), or nothing when the table lacks it.
using CountedTextLookup = std::function<std::string(std::string_view key, std::int64_t count)>;

/// Installs the process-wide lookup behind every display text with a count; see installTextLookup.
void installCountedTextLookup(CountedTextLookup lookup);

/**
 * @brief Substitutes values into a text with "%lld" (integer) and "%@" (text) placeholders.
 *
 * Values are taken in order; translations may reorder them with positional forms such as
 * "%2$@". "%%" is a literal percent sign. A placeholder without a value is left as written.
 */
std::string substitutePlaceholders(std::string_view format, std::span<const std::string_view> values);
std::string substitutePlaceholders(std::string_view format, std::initializer_list<std::string_view> values);

/// Looks the key up, then substitutes the values.
std::string localizedFormat(std::string_view key, std::initializer_list<std::string_view> values);

/**
 * @brief Looks up the form of a text with a count that fits `count`, then substitutes the values.
 *
 * The count chooses the wording only; pass it among `values` too, where the text shows it.
 * Without a counted lookup, or when the table lacks the key, this is localizedFormat.
 */
std::string localizedCountedFormat(std::string_view key, std::int64_t count,
                                   std::initializer_list<std::string_view> values);

} // namespace orvelane
