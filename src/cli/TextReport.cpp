#include "TextReport.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "DisplayText.h"
#include "Layout.h"

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
        if (item.actionHint) {
            const char* label = kind == CategoryKind::devArtifacts ? DISPLAY_TEXT("Rebuild: %@")
                                                                   : DISPLAY_TEXT("Manage with: %@");
            out += "      " + localizedFormat(label, {*item.actionHint}) + "\n";
        }
    }
    if (!result.skipped.empty())
        out += "   " + localizedCountedFormat(DISPLAY_TEXT("Protected / Skipped (%lld)"),
                                              static_cast<std::int64_t>(result.skipped.size()),
                                              {std::to_string(result.skipped.size())}) + "\n";
    out += "\n";
}

} // namespace

std::string textReport(const std::filesystem::path& home, bool hasFullDiskAccess, const CategoryResults& results,
                       const std::optional<DiskSpace>& space)
{
    const std::string& bytes = home.native();
    std::string out = "Orvelane — " + QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).toStdString() + "\n";
    if (!hasFullDiskAccess)
        out += localizedText(JunkScanner::activeLayout().texts.accessTitle) + "\n";
    out += "\n";
    std::int64_t grand = 0;
    for (const auto& [kind, result] : results) {
        appendCategory(out, kind, result);
        if (!isGuidanceOnly(kind))
            grand = addBytes(grand, sumOfSizes(result.items));
    }
    out += localizedFormat(DISPLAY_TEXT("Total found: %@"), {formatBytes(grand)}) + "\n";
    if (space)
        out += localizedFormat(DISPLAY_TEXT("%@ free of %@"), {formatBytes(space->available), formatBytes(space->total)}) +
               "\n";
    return out;
}

} // namespace orvelane::cli
