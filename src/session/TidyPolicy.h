#pragma once

#include "CategoryKind.h"
#include "CleanSession.h"
#include "ExclusionList.h"
#include "Layout.h"
#include "ScanRecords.h"
#include "ScanSession.h"
#include "TidyChoices.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace orvelane {

/// What a tidy does with one item.
enum class TidyVerdict { kept, trashed, deleted };

std::string_view rawValue(TidyVerdict verdict);

/// The categories a tidy scans, in the order it cleans them: the Trash last, so that what the
/// tidy itself moves there is never what it deletes.
std::vector<CategoryKind> tidyCategories(const TidyChoices& choices);

/**
 * @brief The one rule of what a tidy takes, asked by the command line and the window alike.
 *
 * Safe items of caches, logs and developer caches unchanged for the day count go to the Trash;
 * Trash entries deleted longer ago than the day count are deleted; with the choice made, build
 * folders whose project has been untouched for the untouched period go to the Trash (never one
 * whose project is in use, nor one that may hold the user's own data). Everything else is
 * kept: whatever the user excluded (`exclusions` as spelled, see withRealLocations), anything
 * `review` or `protected` elsewhere, Downloads, insights, and an item whose date is unknown.
 */
TidyVerdict tidyVerdict(CategoryKind kind, const ScannedItem& item, const TidyChoices& choices, Date now,
                        const ExclusionList& exclusions);

/// Whether the item's project has been untouched for at least `days` (unknown: no).
bool projectUntouchedFor(const ScannedItem& item, int days, Date now);

/// The items of a list whose project has been untouched for at least `days`, in list order:
/// what "Select Untouched" and `clean --untouched` pick.
std::vector<ScannedItem> untouchedItems(const std::vector<ScannedItem>& items, int days, Date now);

/// One category of a tidy: what it found to take, and (after a real run) what the clean came to.
struct TidyCategory
{
    CategoryKind kind = CategoryKind::caches;
    std::vector<ScannedItem> chosen;
    CleanReport report;
};

/// What a tidy came to.
struct TidyReport
{
    std::vector<TidyCategory> categories;
    /// Bytes moved to the Trash and bytes deleted from it.
    std::int64_t trashed = 0;
    std::int64_t deleted = 0;
    /// The one journal entry that takes back everything the tidy moved to the Trash.
    std::optional<std::string> undoId;
    std::optional<std::string> undoFailure;
    /// Whether anything was chosen at all (a dry run: whether anything would go).
    bool started() const;
    /// Every message of the run: items kept at the re-check, an undo that could not be kept.
    std::vector<std::string> messages() const;
};

/**
 * @brief Scans the tidy's categories and, unless `dryRun`, cleans what tidyVerdict takes, each
 * category as a clean (see CleanSession: the re-check before every removal; the exclusions
 * read again through `readExclusions` before each category), and keeps everything it moved to the Trash as one journal entry, so
 * that one undo takes the whole tidy back. Blocking.
 */
TidyReport runTidy(const JunkScanner::Layout& layout, const TidyChoices& choices,
                   const std::function<ExclusionList()>& readExclusions, const std::filesystem::path& home,
                   bool dryRun, ItemRemover& remover = platformRemover(), Date now = Clock::now());

} // namespace orvelane
