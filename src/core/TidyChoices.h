#pragma once

namespace orvelane {

/// What the user chose for tidying up (kept in the settings file; these are the defaults).
struct TidyChoices
{
    /// Items unchanged, and Trash entries deleted, longer ago than this many days may go.
    int days = 30;
    /// Whether build folders of projects untouched for `untouchedDays` go to the Trash, too.
    bool includeBuildFolders = false;
    /// How long a project must lie untouched for its build folders to count as stale.
    int untouchedDays = 90;
    friend bool operator==(const TidyChoices&, const TidyChoices&) = default;
};

/// The range the day counts are kept in: a tidy never takes what changed today, and a count
/// beyond ten years is a mistake, not a choice.
inline constexpr int kMinTidyDays = 1;
inline constexpr int kMaxTidyDays = 3650;

} // namespace orvelane
