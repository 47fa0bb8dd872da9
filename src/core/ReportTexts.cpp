#include "ReportTexts.h"

#include "ByteFormatter.h"
#include "DisplayText.h"

namespace orvelane::ReportTexts {

std::string totalFound(std::int64_t bytes) { return localizedFormat(DISPLAY_TEXT("Total found: %@"), {formatBytes(bytes)}); }

std::string freeSpace(std::int64_t available, std::int64_t total)
{
    return localizedFormat(DISPLAY_TEXT("%@ free of %@"), {formatBytes(available), formatBytes(total)});
}

std::string skippedCount(std::int64_t count)
{
    return localizedCountedFormat(DISPLAY_TEXT("Protected / Skipped (%lld)"), count, {std::to_string(count)});
}

} // namespace orvelane::ReportTexts
