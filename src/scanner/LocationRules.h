#pragma once

#include "Layout.h"
#include "LayoutFolders.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

/**
 * @brief The interpreter of a layout's location rows: what a row offers, what it allows, and how
 * it names and explains what it offered. The only code that knows the row shapes.
 */
namespace orvelane::JunkScanner {

/// Folder listings made during one candidate search, so that rows sharing a folder list it
/// (and log it) once.
class ListingCache
{
public:
    const std::vector<std::filesystem::path>& entries(const std::filesystem::path& folder, bool includeHidden);

private:
    std::map<std::pair<std::filesystem::path, bool>, std::optional<std::vector<std::filesystem::path>>> listings_;
};

/// The row's candidates in listing order, appended to `into`. `folders` is in the home's
/// spelled form. A row whose location leads outside the home folder offers nothing.
void appendCandidates(const Layout& layout, const Location& row, const LayoutFolders& folders,
                      ListingCache& listings, std::vector<std::filesystem::path>& into);

/// Whether the row allows the item: `item` standardised with its links resolved, `folders` in
/// the same form.
bool rowAllows(const Layout& layout, const Location& row, const std::filesystem::path& item,
               const LayoutFolders& folders);

/// The name the layout's rows give a path they offer, for rows that name their candidates
/// themselves; nothing otherwise.
std::optional<std::string> rowName(const Layout& layout, const std::filesystem::path& path,
                                   const LayoutFolders& folders);

/// The hint of the row that offers exactly this path, if it has one.
std::optional<std::string> rowHint(const Layout& layout, CategoryKind kind, const std::filesystem::path& path,
                                   const LayoutFolders& folders);

} // namespace orvelane::JunkScanner
