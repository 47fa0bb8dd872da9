#include "SafetyAssessment.h"

#include "AsciiText.h"
#include "DeveloperArtifacts.h"
#include "HomeFolder.h"
#include "Layout.h"
#include "LocationRules.h"

#include <string_view>

namespace orvelane::JunkScanner {
namespace {

using namespace std::chrono_literals;

bool containsMediaAnalysis(const std::filesystem::path& url)
{
    return lowerCasedAscii(url.native()).find("mediaanalysis") != std::string::npos;
}

// An unfinished download left alone this long is no longer being written.
constexpr auto kAbandonedDownload = std::chrono::seconds(24h);

} // namespace

std::optional<std::chrono::seconds> recentActivityThreshold(CategoryKind kind)
{
    switch (kind) {
    case CategoryKind::caches:
        return std::chrono::seconds(7 * 24h);
    case CategoryKind::logs:
    case CategoryKind::devCaches:
        return std::chrono::seconds(14 * 24h);
    case CategoryKind::xcode:
        return std::chrono::seconds(3 * 24h);
    default:
        return std::nullopt;
    }
}

SafetyJudgement safetyAssessment(CategoryKind kind, const std::filesystem::path& url,
                                 std::optional<Date> modified, Date now)
{
    switch (kind) {
    case CategoryKind::devArtifacts:
        return {SafetyLevel::review, SafetyReason::requiresRebuild};
    case CategoryKind::downloads:
        return {SafetyLevel::review, SafetyReason::userFile};
    case CategoryKind::trash:
        return {SafetyLevel::review, SafetyReason::permanentDeletion};
    case CategoryKind::insights:
        return {SafetyLevel::protected_, SafetyReason::managedByAnotherTool};
    default:
        break;
    }
    // The system's media analysis store takes hours to rebuild, however old it is.
    if (containsMediaAnalysis(url))
        return {SafetyLevel::review, SafetyReason::expensiveToRegenerate};
    const auto threshold = recentActivityThreshold(kind);
    // A date in the future gives a negative age: recently active, too.
    if (modified && threshold && now - *modified < *threshold)
        return {SafetyLevel::review, SafetyReason::recentlyActive};
    return {SafetyLevel::safe, SafetyReason::oldRegenerable};
}

SafetyJudgement judgedItem(CategoryKind kind, const std::filesystem::path& path, std::optional<Date> modified,
                           Date now, const ItemReading& reading, std::optional<Date> projectTouched)
{
    const SafetyJudgement judged = safetyAssessment(kind, path, modified, now);
    // The project being worked on outweighs what the folder holds: it is rebuilt within the day.
    // A date in the future is a project in use, too.
    if (kind == CategoryKind::devArtifacts && judged.level != SafetyLevel::protected_ && projectTouched &&
        now - *projectTouched < kActiveProjectPeriod)
        return {SafetyLevel::review, SafetyReason::projectActive};
    if (!reading.reason || judged.level == SafetyLevel::protected_)
        return judged;
    if (reading.verdict == Verdict::review)
        return {SafetyLevel::review, *reading.reason};
    if (kind == CategoryKind::downloads) {
        if (*reading.reason != SafetyReason::unfinishedDownload)
            return {SafetyLevel::review, *reading.reason};
        if (modified && now - *modified < kAbandonedDownload)
            return {SafetyLevel::review, SafetyReason::downloadInProgress};
        return {SafetyLevel::safe, SafetyReason::unfinishedDownload};
    }
    return judged.level == SafetyLevel::safe ? SafetyJudgement{SafetyLevel::safe, *reading.reason} : judged;
}

std::optional<std::string> actionHint(const Layout& layout, CategoryKind kind, const std::filesystem::path& path)
{
    const auto home = homeFolder();
    const LayoutFolders folders(home, home);
    const Location* row = offeringRow(layout, kind, path, folders);
    const ItemReading reading = readItem(layout, kind, {path, row}, folders);
    return reading.hint.empty() ? std::nullopt : std::optional(reading.hint);
}

} // namespace orvelane::JunkScanner
