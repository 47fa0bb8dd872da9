#include "ScanSession.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "CandidateLocations.h"
#include "JunkScanner.h"
#include "Logger.h"
#include "SecondsText.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

namespace orvelane {

std::int64_t grandTotal(const CategoryResults& results)
{
    std::int64_t total = 0;
    for (const auto& [kind, result] : results)
        if (!isGuidanceOnly(kind))
            total = addBytes(total, sumOfSizes(result.items));
    return total;
}

std::vector<CategoryKind> ScanSession::categories(const std::vector<CategoryKind>& asked) const
{
    std::vector<CategoryKind> chosen;
    for (CategoryKind kind : layout_.categories)
        if (asked.empty() || std::ranges::find(asked, kind) != asked.end())
            chosen.push_back(kind);
    return chosen;
}

std::string ScanSession::categoryNames() const
{
    std::string names;
    for (CategoryKind kind : layout_.categories)
        names.append(names.empty() ? "" : " ").append(rawValue(kind));
    return names;
}

std::optional<std::string> ScanSession::refusal(CategoryKind kind) const
{
    if (JunkScanner::isOffered(layout_, kind))
        return std::nullopt;
    return "the " + std::string(layout_.name) + " layout has no category '" + std::string(rawValue(kind)) +
           "' (it has: " + categoryNames() + ")";
}

bool ScanSession::trashReadable() const { return JunkScanner::hasFullDiskAccess(); }

ScanResult ScanSession::scanCategory(CategoryKind kind, const ExclusionList& exclusions) const
{
    const std::string raw(rawValue(kind));
    Logger::debug("Scanning category: " + raw);
    const auto start = std::chrono::steady_clock::now();
    ScanResult result = JunkScanner::scan(layout_, kind, exclusions);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    Logger::info("Category '" + raw + "' scan completed - " + std::to_string(result.items.size()) +
                 " items found in " + secondsText(elapsed.count(), 2) + "s");
    return result;
}

void ScanSession::scanEach(const std::vector<CategoryKind>& categories, const ExclusionList& exclusions,
                           const CategoryFinished& finished, const std::atomic<bool>* cancel) const
{
    const auto cancelled = [cancel] { return cancel && cancel->load(); };
    Logger::info("Starting full system scan - " + std::to_string(categories.size()) + " categories");
    std::vector<std::jthread> running;
    running.reserve(categories.size());
    for (CategoryKind kind : categories)
        running.emplace_back([this, kind, &exclusions, &finished, &cancelled] {
            if (cancelled())
                return;
            ScanResult result = scanCategory(kind, exclusions);
            Logger::debug("Category '" + title(kind) + "' total size: " + formatBytes(sumOfSizes(result.items)));
            if (!cancelled())
                finished(kind, std::move(result));
        });
}

CategoryResults ScanSession::scanAll(const std::vector<CategoryKind>& categories, const ExclusionList& exclusions,
                                     const std::function<void(CategoryKind)>& progress) const
{
    CategoryResults results;
    std::mutex mutex;
    scanEach(categories, exclusions, [&](CategoryKind kind, ScanResult result) {
        std::lock_guard lock(mutex);
        results.emplace(kind, std::move(result));
        if (progress)
            progress(kind);
    });
    return results;
}

} // namespace orvelane
