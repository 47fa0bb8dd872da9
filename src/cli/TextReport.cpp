#include "TextReport.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "DisplayText.h"
#include "ItemTexts.h"
#include "PathText.h"
#include "ReportTexts.h"
#include "SizeThresholds.h"

#include <QString>

namespace orvelane::cli {
namespace {

// Guidance lists what it found below its threshold too: a store not worth a row is still
// worth knowing about, and it says what the threshold is.
void appendSmallStores(std::string& out, CategoryKind kind, const ScanResult& result)
{
    const auto threshold = sizeThreshold(kind);
    for (const SkippedItem& store : result.skipped)
        if (store.reason == SkipReason::belowSizeThreshold && store.size)
            out += "   " + formatBytes(*store.size) + "  " + store.name + " — " + explanation(store.reason, threshold) +
                   "\n";
}

void appendCategory(std::string& out, CategoryKind kind, const ScanResult& result, const std::filesystem::path& home)
{
    out += "== " + title(kind) + " — " + formatBytes(sumOfSizes(result.items)) + "\n";
    if (result.items.empty())
        out += "   " +
               localizedText(isGuidanceOnly(kind) ? DISPLAY_TEXT("No large stores found.")
                                                  : DISPLAY_TEXT("Nothing to clean in this category.")) +
               "\n";
    for (const ScannedItem& item : result.items) {
        out += "   " + formatBytes(item.size) + "  [" + title(item.safetyLevel) + "]  " + item.name + "\n";
        out += "      " + pathFromHome(item.path, home) + "\n";
        out += "      " + reasonText(item) + "\n";
        if (const auto hint = hintText(item, kind))
            out += "      " + *hint + "\n";
    }
    if (isGuidanceOnly(kind))
        appendSmallStores(out, kind, result);
    if (!result.skipped.empty())
        out += "   " + ReportTexts::skippedCount(static_cast<std::int64_t>(result.skipped.size())) + "\n";
    out += "\n";
}

} // namespace

std::string textReport(const JunkScanner::Layout& layout, const std::filesystem::path& home, bool trashReadable,
                       const CategoryResults& results, const std::optional<DiskSpace>& space)
{
    const std::string& bytes = home.native();
    std::string out = "Orvelane — " + QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).toStdString() + "\n";
    if (!trashReadable)
        out += localizedText(layout.texts.accessTitle) + "\n";
    out += "\n";
    for (const auto& [kind, result] : results)
        appendCategory(out, kind, result, home);
    out += ReportTexts::totalFound(grandTotal(results)) + "\n";
    if (space)
        out += ReportTexts::freeSpace(space->available, space->total) + "\n";
    return out;
}

} // namespace orvelane::cli
