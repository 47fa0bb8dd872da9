#pragma once

#include "SafetyVocabulary.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

using Clock = std::chrono::system_clock;
using Date = Clock::time_point;

/// What lies inside an item, as its measurement saw it: the item itself counts (a file is one
/// file, a folder one folder); links and other non-folders count as files, as they go too.
struct ItemContents
{
    std::int64_t files = 0;
    std::int64_t folders = 0;

    bool known() const { return files > 0 || folders > 0; }
    ItemContents& operator+=(const ItemContents& other)
    {
        files += other.files;
        folders += other.folders;
        return *this;
    }
    friend bool operator==(const ItemContents&, const ItemContents&) = default;
};

/// How an item's hint reads: a command the user can type, or a sentence that says how the item
/// comes back (its English text is the lookup key; one "%@" stands for the item's application).
enum class HintForm { command, sentence };

/**
 * @brief One path a category offers, with everything the views and validation need.
 *
 * Identity (`id`) is the path: a rescan that measures the same path anew yields the same row,
 * though not an equal value. Paths keep their bytes exactly as the file system gave them.
 */
struct ScannedItem
{
    std::filesystem::path path;
    std::string name;
    std::int64_t size = 0;
    std::optional<Date> modified;
    SafetyLevel safetyLevel = SafetyLevel::review;
    SafetyReason safetyReason = SafetyReason::userFile;
    std::optional<std::string> actionHint;
    std::optional<std::uint64_t> inode;
    /// The program the item belongs to, as people call it ("Firefox"), where it is known.
    std::optional<std::string> application{};
    HintForm hintForm = HintForm::command;
    /// Trash entries: when the item was deleted, as its trash record says.
    std::optional<Date> deleted{};
    /// Build folders: when their project was last touched (its newest file outside build
    /// folders); nothing where that is not known.
    std::optional<Date> projectTouched{};
    /// How many files and folders removing the item takes away (nothing known: both zero).
    ItemContents contents{};

    const std::filesystem::path& id() const { return path; }
    friend bool operator==(const ScannedItem&, const ScannedItem&) = default;
};

/// A path that was examined but not offered.
struct SkippedItem
{
    std::filesystem::path path;
    std::string name;
    std::optional<std::int64_t> size;
    SkipReason reason = SkipReason::emptyOrInaccessible;

    const std::filesystem::path& id() const { return path; }
    friend bool operator==(const SkippedItem&, const SkippedItem&) = default;
};

/// What one category scan produced, in the scanner's order.
struct ScanResult
{
    std::vector<ScannedItem> items;
    std::vector<SkippedItem> skipped;
};

std::size_t hashValue(const ScannedItem& item) noexcept;
std::size_t hashValue(const SkippedItem& item) noexcept;

} // namespace orvelane

template <>
struct std::hash<orvelane::ScannedItem>
{
    std::size_t operator()(const orvelane::ScannedItem& item) const noexcept { return orvelane::hashValue(item); }
};

template <>
struct std::hash<orvelane::SkippedItem>
{
    std::size_t operator()(const orvelane::SkippedItem& item) const noexcept { return orvelane::hashValue(item); }
};
