#pragma once

#include <string_view>
#include <vector>

namespace orvelane {

/**
 * @brief The Material Icons ligature that draws a named symbol.
 *
 * Views and models name symbols by their desktop-neutral names ("internaldrive", "sparkles",
 * "trash.slash", …); this one table decides how each is drawn with the Material Icons font.
 * Returns an empty view for a name the table does not know.
 */
std::string_view materialLigature(std::string_view symbolName);

/// Every symbol name the table knows, in table order.
std::vector<std::string_view> knownSymbolNames();

} // namespace orvelane
