#pragma once

#include "CategoryKind.h"

#include <cstdint>
#include <optional>

namespace orvelane {

/**
 * @brief Below this many bytes a measured path of the category is listed as skipped rather
 * than offered; none for categories that offer everything of at least one byte.
 *
 * Shared by the scanner, which applies it, and the front ends, which name it wherever they
 * list an item as below it.
 */
std::optional<std::int64_t> sizeThreshold(CategoryKind kind);

} // namespace orvelane
