#include "SafetyAssessment.h"

#include "AsciiText.h"
#include "DeveloperArtifacts.h"

#include <array>
#include <string_view>

namespace orvelane::JunkScanner {
namespace {

using namespace std::chrono_literals;

bool containsMediaAnalysis(const std::filesystem::path& url)
{
    return lowerCasedAscii(url.native()).find("mediaanalysis") != std::string::npos;
}

std::optional<std::string> insightHint(const std::filesystem::path& url)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kHints{{
        {"com.docker.docker/Data", "docker system prune"},
        {"CoreSimulator/Devices", "xcrun simctl delete unavailable"},
        {"MobileSync/Backup", "Finder \u2192 device \u2192 Manage Backups\u2026"},
    }};
    const std::string_view path = url.native();
    for (const auto& [suffix, hint] : kHints) {
        if (path.ends_with(suffix))
            return std::string(hint);
    }
    return std::nullopt;
}

} // namespace

const std::set<std::string, std::less<>>& installerExtensions()
{
    static const std::set<std::string, std::less<>> extensions{"dmg", "pkg", "iso"};
    return extensions;
}

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

std::optional<std::string> actionHint(CategoryKind kind, const std::filesystem::path& url)
{
    if (kind == CategoryKind::insights)
        return insightHint(url);
    if (kind == CategoryKind::devArtifacts)
        return regenCommand(url);
    return std::nullopt;
}

} // namespace orvelane::JunkScanner
