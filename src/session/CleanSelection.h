#pragma once

#include "CategoryKind.h"
#include "ScanRecords.h"

#include <filesystem>
#include <set>
#include <vector>

namespace orvelane {

/// Whether the user may tick and remove the item: never a protected one, never one of the
/// guidance-only category. Every list, menu, selection and clean asks here.
bool isCleanable(CategoryKind kind, const ScannedItem& item);

/**
 * @brief The items of a category the user may clean: listed order, ticked, cleanable; never any
 * for the guidance-only category.
 */
std::vector<ScannedItem> cleanableSelection(CategoryKind kind, const std::vector<ScannedItem>& listed,
                                            const std::set<std::filesystem::path>& selection);

} // namespace orvelane
