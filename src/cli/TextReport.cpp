#include "TextReport.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "DisplayText.h"
#include "ReportTexts.h"

#include <QString>

namespace orvelane::cli {
namespace {

void appendCategory(std::string& out, CategoryKind kind, const ScanResult& result)
{
    out += "== " + title(kind) + " — " + formatBytes(sumOfSizes(result.items)) + "\n";
    if (result.items.empty())
        out += "   " + localizedText(DISPLAY_TEXT("Nothing to clean in this category.")) + "\n";
    for (const ScannedItem& item : result.items) {
        out += "   " + formatBytes(item.size) + "  [" + title(item.safetyLevel) + "]  " + item.name + "\n";
        out += "      " + explanation(item.safetyReason) + "\n";
        if (item.actionHint)
            out += "      " + ReportTexts::actionHint(kind, *item.actionHint) + "\n";
    }
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
        appendCategory(out, kind, result);
    out += ReportTexts::totalFound(grandTotal(results)) + "\n";
    if (space)
        out += ReportTexts::freeSpace(space->available, space->total) + "\n";
    return out;
}

} // namespace orvelane::cli
