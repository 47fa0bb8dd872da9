#include "ReportTexts.h"

#include "ByteFormatter.h"
#include "DisplayText.h"

namespace orvelane::ReportTexts {

std::string totalFound(std::int64_t bytes) { return localizedFormat(DISPLAY_TEXT("Total found: %@"), {formatBytes(bytes)}); }

std::string freeSpace(std::int64_t available, std::int64_t total)
{
    return localizedFormat(DISPLAY_TEXT("%@ free of %@"), {formatBytes(available), formatBytes(total)});
}

std::string contents(const ItemContents& contents)
{
    const auto counted = [](std::string_view key, std::int64_t count) {
        return localizedCountedFormat(key, count, {formatCount(count)});
    };
    const std::string files = contents.files > 0 ? counted(DISPLAY_TEXT("%lld files"), contents.files) : "";
    const std::string folders = contents.folders > 0 ? counted(DISPLAY_TEXT("%lld folders"), contents.folders) : "";
    if (files.empty() || folders.empty())
        return files + folders;
    return localizedFormat(DISPLAY_TEXT("%@ and %@"), {files, folders});
}

std::string skippedCount(std::int64_t count)
{
    return localizedCountedFormat(DISPLAY_TEXT("Protected / Skipped (%lld)"), count, {std::to_string(count)});
}

std::string tidyDone(std::int64_t trashed, std::int64_t deleted)
{
    std::string text;
    if (trashed > 0)
        text = localizedFormat(DISPLAY_TEXT("Tidied up %@ — Undo in Orvelane puts it back."), {formatBytes(trashed)});
    if (deleted > 0) {
        if (!text.empty())
            text += ' ';
        text += localizedFormat(DISPLAY_TEXT("Deleted %@ of old items from the Trash."), {formatBytes(deleted)});
    }
    return text;
}

std::string tidyTitle() { return localizedText(DISPLAY_TEXT("Orvelane tidied up")); }

} // namespace orvelane::ReportTexts
