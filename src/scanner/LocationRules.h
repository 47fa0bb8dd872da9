#pragma once

#include "Layout.h"
#include "LayoutFolders.h"
#include "ScanRecords.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

/**
 * @brief The interpreter of a layout's location rows: what a row offers, what it allows, and what
 * it knows of what it offered. The only code that knows the row shapes; the candidate search
 * and the re-check before removal both ask it, so the two cannot disagree.
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

/// A path to measure, with the row that offered it (none for the project walk's folders).
struct Candidate
{
    std::filesystem::path path;
    const Location* row = nullptr;
    /// Project folders: when their project was last touched (see FoundArtifact).
    std::optional<Date> projectTouched{};
};

/**
 * @brief The row's candidates in listing order, appended to `into`. `folders` is in the home's
 * spelled form. A candidate is offered only where it lies as spelled: a row's folder, or any
 * folder on the way to a candidate, that is reached through a link offers nothing, since the
 * re-check judges an item by where it really lies. Places the layout knows never to offer are
 * left out.
 */
void appendCandidates(const Layout& layout, const Location& row, const LayoutFolders& folders,
                      ListingCache& listings, std::vector<Candidate>& into);

/// Whether the row allows the item: `item` standardised with its links resolved, `folders` in
/// the same form. An item the row would never offer, or anything inside one, is not allowed.
bool rowAllows(const Layout& layout, const Location& row, const std::filesystem::path& item,
               const LayoutFolders& folders);

/// What the layout says of one path a row offers: its knowledge with the program worked out.
struct Reading
{
    /// The display name; empty when the row leaves naming to the path.
    std::string name;
    std::optional<std::string> application;
    Verdict verdict = Verdict::judged;
    std::optional<SafetyReason> reason;
    Hint hint;
};

/// What the row knows of `path`, one of its candidates (in the same form as `folders`).
Reading readCandidate(const Location& row, const std::filesystem::path& path, const LayoutFolders& folders);

/// The row of the category that offers exactly this path, if any.
const Location* offeringRow(const Layout& layout, CategoryKind kind, const std::filesystem::path& path,
                            const LayoutFolders& folders);

/// The row of any category that offers exactly this path and names it itself, if any.
const Location* namingRow(const Layout& layout, const std::filesystem::path& path, const LayoutFolders& folders);

} // namespace orvelane::JunkScanner
