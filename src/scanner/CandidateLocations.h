#pragma once

#include "CategoryKind.h"
#include "MacLayout.h"

#include <filesystem>
#include <vector>

namespace orvelane::JunkScanner {

struct Layout;

/// The paths a scan of the category measures on the layout, in order. Never fails;
/// problems are logged. A category the layout does not offer has none.
std::vector<std::filesystem::path> candidateURLs(const Layout& layout, CategoryKind kind);

struct Candidate;

/// The same candidates, each with the row that offered it.
std::vector<Candidate> candidatesOf(const Layout& layout, CategoryKind kind);

/// The direct entries of a folder in listing order; empty (and logged) when it is missing or unreadable.
std::vector<std::filesystem::path> contents(const std::filesystem::path& folder, bool includeHidden);

/// Whether the trash can be listed. A trash that does not exist yet is an empty, readable one.
bool hasFullDiskAccess();

} // namespace orvelane::JunkScanner
