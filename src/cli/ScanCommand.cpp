#include "ScanCommand.h"

#include "DiskSpace.h"
#include "ExclusionStore.h"
#include "ExitStatus.h"
#include "HomeFolder.h"
#include "ScanDocument.h"
#include "ScanSession.h"
#include "TextReport.h"

#include <cstdio>
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

int runScan(const CliOptions& options, const JunkScanner::Layout& layout)
{
    const ScanSession session(layout);
    for (CategoryKind kind : options.categories) {
        if (const auto refusal = session.refusal(kind)) {
            std::fprintf(stderr, "orvelane-cli: %s\n", refusal->c_str());
            return ExitStatus::badInput;
        }
    }
    const std::vector<CategoryKind> categories = session.categories(options.categories);
    const bool access = session.trashReadable();
    const ExclusionList exclusions = options.noExclusions ? ExclusionList() : ExclusionStore::load();
    ProgressLine progress(categories.size());
    const CategoryResults results =
        session.scanAll(categories, exclusions, [&progress](CategoryKind kind) { progress.finished(kind); });
    const auto space = diskSpace(homeFolder());
    if (options.json) {
        writeScanDocument(stdout, homeFolder(), access, results, space);
    } else {
        const std::string report = textReport(layout, homeFolder(), access, results, space);
        std::fwrite(report.data(), 1, report.size(), stdout);
    }
    return ExitStatus::done;
}

} // namespace orvelane::cli
