#include "ScanCommand.h"

#include "DiskSpace.h"
#include "ExclusionStore.h"
#include "ExitStatus.h"
#include "HomeFolder.h"
#include "JunkScanner.h"
#include "Layout.h"
#include "TextReport.h"

#include <algorithm>
#include <cstdio>
#include <future>
#include <mutex>
#include <unistd.h>

namespace orvelane::cli {
namespace {

class ProgressLine
{
public:
    ProgressLine(std::size_t total) : total_(total), enabled_(isatty(STDERR_FILENO) == 1) {}

    void finished(CategoryKind kind)
    {
        if (!enabled_)
            return;
        std::lock_guard lock(mutex_);
        done_ += (done_.empty() ? "" : ", ") + std::string(rawValue(kind));
        std::fprintf(stderr, "\r\033[KScanning: %zu/%zu done (%s)", ++count_, total_, done_.c_str());
        if (count_ == total_)
            std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    std::mutex mutex_;
    std::size_t total_;
    std::size_t count_ = 0;
    std::string done_;
    bool enabled_;
};

} // namespace

CategoryResults scanConcurrently(const std::vector<CategoryKind>& categories, const ExclusionList& exclusions)
{
    ProgressLine progress(categories.size());
    std::vector<std::future<ScanResult>> running;
    running.reserve(categories.size());
    for (CategoryKind kind : categories)
        running.push_back(std::async(std::launch::async, [kind, &progress, &exclusions] {
            ScanResult result = JunkScanner::scan(JunkScanner::activeLayout(), kind, exclusions);
            progress.finished(kind);
            return result;
        }));
    CategoryResults results;
    for (std::size_t i = 0; i < categories.size(); ++i)
        results.emplace_back(categories[i], running[i].get());
    return results;
}

std::optional<std::string> notOffered(CategoryKind kind)
{
    if (JunkScanner::isOffered(JunkScanner::activeLayout(), kind))
        return std::nullopt;
    return "the " + std::string(JunkScanner::activeLayout().name) + " layout has no category '" +
           std::string(rawValue(kind)) + "' (it has: " + offeredCategoryNames() + ")";
}

int runScan(const CliOptions& options)
{
    for (CategoryKind kind : options.categories) {
        if (const auto refusal = notOffered(kind)) {
            std::fprintf(stderr, "orvelane-cli: %s\n", refusal->c_str());
            return ExitStatus::badInput;
        }
    }
    // Catalogue order whatever the order asked for, each category once; all the layout's by default.
    std::vector<CategoryKind> categories;
    for (CategoryKind kind : JunkScanner::activeLayout().categories)
        if (options.categories.empty() || std::ranges::find(options.categories, kind) != options.categories.end())
            categories.push_back(kind);
    const bool access = JunkScanner::hasFullDiskAccess();
    const ExclusionList exclusions = options.noExclusions ? ExclusionList() : ExclusionStore::load();
    const CategoryResults results = scanConcurrently(categories, exclusions);
    const auto space = diskSpace(homeFolder());
    if (options.json) {
        writeScanDocument(stdout, homeFolder(), access, results, space);
    } else {
        const std::string report = textReport(homeFolder(), access, results, space);
        std::fwrite(report.data(), 1, report.size(), stdout);
    }
    return ExitStatus::done;
}

} // namespace orvelane::cli
