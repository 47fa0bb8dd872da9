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

std::optional<std::string> insightHint(const Layout& layout, const std::filesystem::path& url)
{
    const std::string_view path = url.native();
    for (const auto& [suffix, hint] : layout.insightHints) {
        if (path.ends_with(suffix))
            return std::string(hint);
    }
    const auto home = homeFolder();
    return rowHint(layout, CategoryKind::insights, url, LayoutFolders(home, home));
}

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

std::optional<std::string> actionHint(const Layout& layout, CategoryKind kind, const std::filesystem::path& path)
{
    if (kind == CategoryKind::insights)
        return insightHint(layout, path);
    if (kind == CategoryKind::devArtifacts)
        return regenCommand(layout, path);
    return std::nullopt;
}

} // namespace orvelane::JunkScanner
