#include "JunkScanner.h"

#include "AsciiText.h"
#include "HomeFolder.h"
#include "ItemReading.h"
#include "LocationRules.h"
#include "Logger.h"
#include "PathText.h"
#include "SecondsText.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <thread>

namespace orvelane::JunkScanner {
namespace {

std::string inQuotes(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '\'').append(text).append(1, '\'');
    return quoted;
}

std::string lowerCasedExtension(const std::filesystem::path& url)
{
    const std::filesystem::path extension = url.extension();
    std::string_view text = extension.native();
    if (!text.empty())
        text.remove_prefix(1); // the dot
    return lowerCasedAscii(text);
}

// Installers, and downloads that never finished, are offered whatever their size.
bool offeredAtAnySize(const Layout& layout, const std::filesystem::path& url, const ItemReading& reading)
{
    return layout.installerExtensions.contains(lowerCasedExtension(url)) ||
           reading.reason == SafetyReason::unfinishedDownload;
}

// Why a measured candidate is not offered, logging as it decides; nothing when it is offered.
std::optional<SkipReason> skipReason(const Layout& layout, CategoryKind kind, const std::filesystem::path& url,
                                     std::int64_t size, const ItemReading& reading)
{
    const std::string name = displayText(url.filename());
    if (size < 1) {
        Logger::debug("JunkScanner: Skipping " + inQuotes(name) + " - empty or inaccessible");
        return SkipReason::emptyOrInaccessible;
    }
    const auto threshold = sizeThreshold(kind);
    if (!threshold || size >= *threshold)
        return std::nullopt;
    switch (kind) {
    case CategoryKind::insights:
        return SkipReason::belowSizeThreshold; // big stores only; small ones are not worth a line
    case CategoryKind::downloads:
        if (offeredAtAnySize(layout, url, reading))
            return std::nullopt;
        Logger::debug("JunkScanner: Skipping " + inQuotes(name) + " - " + std::to_string(size) +
                      " bytes below threshold and not an installer");
        return SkipReason::belowSizeThreshold;
    default:
        Logger::debug("JunkScanner: Skipping " + inQuotes(name) + " - " + std::to_string(size) +
                      " bytes below artifact threshold");
        return SkipReason::belowSizeThreshold;
    }
}

// Takes the candidate's path: a scan of a large Trash holds tens of thousands of them.
ScannedItem offeredItem(CategoryKind kind, std::filesystem::path path, const FileAnalysis& analysis,
                        ItemReading reading, std::optional<Date> projectTouched)
{
    ScannedItem item;
    item.name = std::move(reading.name);
    item.size = analysis.size;
    item.modified = analysis.modified;
    item.contents = analysis.contents;
    item.projectTouched = projectTouched;
    const auto judgement = judgedItem(kind, path, analysis.modified, Clock::now(), reading, projectTouched);
    item.safetyLevel = judgement.level;
    item.safetyReason = judgement.reason;
    if (!reading.hint.empty())
        item.actionHint = std::move(reading.hint);
    item.hintForm = reading.hintForm;
    item.application = std::move(reading.application);
    item.deleted = reading.deleted;
    item.inode = inodeOf(path);
    item.path = std::move(path);
    return item;
}

// The folder `distance` levels up from the item (0: the item itself), or nothing above the root.
std::optional<std::string> componentAbove(const std::filesystem::path& path, std::size_t distance)
{
    std::filesystem::path at = path;
    for (std::size_t i = 0; i < distance; ++i) {
        if (at == at.parent_path())
            return std::nullopt;
        at = at.parent_path();
    }
    if (at.filename().empty())
        return std::nullopt;
    return displayText(at.filename());
}

// Items of one list that share a name are told apart by the nearest folder on their paths that
// differs between them ("node_modules (web)", "… (api)"); a list never shows one name twice.
void distinguishSameNames(std::vector<ScannedItem>& items)
{
    std::map<std::string, std::vector<ScannedItem*>> byName;
    for (ScannedItem& item : items)
        byName[item.name].push_back(&item);
    for (auto& [name, group] : byName) {
        if (group.size() < 2)
            continue;
        bool told = false;
        for (std::size_t distance = 0; distance < 64 && !told; ++distance) {
            std::set<std::optional<std::string>> seen;
            for (const ScannedItem* item : group)
                seen.insert(componentAbove(item->path, distance));
            if (seen.size() != group.size() || seen.contains(std::nullopt))
                continue;
            for (ScannedItem* item : group)
                item->name = name + " (" + *componentAbove(item->path, distance) + ")";
            told = true;
        }
        for (ScannedItem* item : group) // no one folder tells them all apart: the whole place does
            if (!told)
                item->name = name + " (" + displayText(item->path.parent_path()) + ")";
    }
}

// Stable: equal sizes keep candidate order, and skipped paths without a size (always the
// empty or inaccessible ones) end up last.
void sortItemsBySize(std::vector<ScannedItem>& items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const ScannedItem& a, const ScannedItem& b) { return a.size > b.size; });
}

void sortSkippedBySize(std::vector<SkippedItem>& skipped)
{
    std::stable_sort(skipped.begin(), skipped.end(), [](const SkippedItem& a, const SkippedItem& b) {
        return a.size.value_or(0) > b.size.value_or(0);
    });
}

// Measures every candidate, several at a time: a category with many project folders is
// measured on every core, while the decisions and their log lines still follow candidate order.
std::vector<FileAnalysis> measureAll(const std::vector<Candidate>& candidates)
{
    std::vector<FileAnalysis> analyses(candidates.size());
    const std::size_t workers =
        std::min<std::size_t>(candidates.size(), std::clamp(std::thread::hardware_concurrency(), 2u, 4u));
    if (workers <= 1) {
        for (std::size_t i = 0; i < candidates.size(); ++i)
            analyses[i] = analyze(candidates[i].path);
        return analyses;
    }
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < candidates.size(); i = next++)
            analyses[i] = analyze(candidates[i].path);
    };
    std::vector<std::jthread> threads;
    for (std::size_t t = 1; t < workers; ++t)
        threads.emplace_back(work);
    work();
    threads.clear(); // joins: every measurement is written before the results leave
    return analyses;
}

} // namespace

ScanResult scan(const Layout& layout, CategoryKind kind, const ExclusionList& exclusions)
{
    const std::string raw(rawValue(kind));
    Logger::debug("JunkScanner: Starting scan for category " + inQuotes(raw));
    const auto started = std::chrono::steady_clock::now();
    std::vector<Candidate> candidates = candidatesOf(layout, kind);
    const auto home = homeFolder();
    const LayoutFolders folders(home, home);
    Logger::debug("JunkScanner: Found " + std::to_string(candidates.size()) + " candidate paths for " +
                  inQuotes(raw));

    ScanResult result;
    if (!exclusions.empty()) {
        const ExclusionList excluded = withRealLocations(exclusions);
        std::erase_if(candidates, [&](const Candidate& candidate) {
            const auto& url = candidate.path;
            if (!isExcluded(excluded, url))
                return false;
            Logger::debug("JunkScanner: Skipping " + inQuotes(displayText(url.filename())) + " - excluded by the user");
            result.skipped.push_back(
                {url, readItem(layout, kind, candidate, folders).name, std::nullopt, SkipReason::excludedByUser});
            return true;
        });
    }
    const std::vector<FileAnalysis> analyses = measureAll(candidates);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        auto& url = candidates[i].path;
        const auto& analysis = analyses[i];
        ItemReading reading = readItem(layout, kind, candidates[i], folders);
        if (const auto reason = skipReason(layout, kind, url, analysis.size, reading)) {
            const bool measured = *reason == SkipReason::belowSizeThreshold;
            result.skipped.push_back(
                {std::move(url), std::move(reading.name), measured ? std::optional(analysis.size) : std::nullopt, *reason});
            continue;
        }
        result.items.push_back(offeredItem(kind, std::move(url), analysis, std::move(reading), candidates[i].projectTouched));
        Logger::debug("JunkScanner: Added " + inQuotes(result.items.back().name) + " (" +
                      std::to_string(analysis.size) + " bytes)");
    }
    distinguishSameNames(result.items);
    sortItemsBySize(result.items);
    const auto total =
        std::accumulate(result.items.begin(), result.items.end(), std::int64_t{0},
                        [](std::int64_t sum, const ScannedItem& item) { return sum + item.size; });
    Logger::info(
        "JunkScanner: Completed scan for " + inQuotes(raw) + " - " + std::to_string(result.items.size()) +
        " items, " + std::to_string(total) + " bytes in " +
        secondsText(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(), 3) +
        "s");
    sortSkippedBySize(result.skipped);
    return result;
}

} // namespace orvelane::JunkScanner
