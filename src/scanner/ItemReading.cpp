#include "ItemReading.h"

#include "AsciiText.h"
#include "DeveloperArtifacts.h"
#include "DisplayText.h"
#include "HomeFolder.h"
#include "PathResolution.h"
#include "PathText.h"
#include "TrashInfoRecord.h"
#include "TrashLocation.h"

#include <fcntl.h>

namespace orvelane::JunkScanner {
namespace {

using Path = std::filesystem::path;

std::optional<std::string> componentAfter(const Path& path, std::string_view marker)
{
    for (auto it = path.begin(); it != path.end(); ++it) {
        if (it->native() != marker)
            continue;
        if (const auto next = std::next(it); next != path.end() && !next->empty())
            return displayText(*next);
        return std::nullopt; // a marker at the end names no container; the first match decides
    }
    return std::nullopt;
}

// A name the path carries itself: its container's, or its project's and its own for a build
// folder (whose own name alone, "node_modules", says little), or else its own.
std::string plainName(const Layout& layout, const Path& path, bool mayBeArtifact)
{
    for (const auto& [suffix, name] : layout.nameSuffixes)
        if (std::string_view(path.native()).ends_with(suffix))
            return std::string(name);
    for (const std::string_view marker : layout.containerMarkers)
        if (auto container = componentAfter(path, marker))
            return *container;
    const auto name = path.filename();
    if (mayBeArtifact && devArtifactNamed(layout, name.native()) != nullptr)
        return displayText(path.parent_path().filename()) + "/" + displayText(name);
    return displayText(name);
}

std::optional<SafetyReason> downloadKind(const Layout& layout, const Path& path)
{
    const std::string name = lowerCasedAscii(path.filename().native());
    for (const auto& [extension, reason] : layout.downloadKinds)
        if (name.size() > extension.size() + 1 && name.ends_with(extension) &&
            name[name.size() - extension.size() - 1] == '.')
            return reason;
    return std::nullopt;
}

// A trash entry as a person knows it: its old name and folder, from its record.
void readTrashEntry(const Path& entry, ItemReading& reading)
{
    const auto home = homeFolder();
    const Path record = trashRecordsFolder(home) / (entry.filename().native() + std::string(TrashInfoRecord::extension));
    const auto text = TrashInfoRecord::read(AT_FDCWD, record.native()).text;
    const auto original = text ? TrashInfoRecord::originalPath(*text) : std::nullopt;
    if (!original)
        return;
    const Path place(*original);
    reading.name = localizedFormat(DISPLAY_TEXT("%@ — from %@"),
                                   {displayText(place.filename()), pathFromHome(place.parent_path(), home)});
    if (const auto when = TrashInfoRecord::deletedAt(*text))
        reading.deleted = Clock::from_time_t(*when);
    reading.hintForm = HintForm::sentence;
    reading.hint = DISPLAY_TEXT("Put Back returns it to where it was.");
}

void readArtifact(const Layout& layout, const Path& folder, ItemReading& reading)
{
    if (const DevArtifact* rule = qualifyingRule(layout, folder); rule && rule->reason) {
        reading.verdict = Verdict::review;
        reading.reason = rule->reason;
    }
    if (auto command = regenCommand(layout, folder)) {
        reading.hintForm = HintForm::command;
        reading.hint = std::move(*command);
    }
}

} // namespace

ItemReading readItem(const Layout& layout, CategoryKind kind, const Candidate& candidate,
                     const LayoutFolders& folders)
{
    ItemReading reading;
    if (candidate.row != nullptr) {
        Reading known = readCandidate(*candidate.row, candidate.path, folders);
        reading.name = std::move(known.name);
        reading.application = std::move(known.application);
        reading.verdict = known.verdict;
        reading.reason = known.reason;
        reading.hintForm = known.hint.form;
        reading.hint = std::string(known.hint.text);
    }
    if (kind == CategoryKind::devArtifacts)
        readArtifact(layout, candidate.path, reading);
    if (kind == CategoryKind::insights)
        for (const auto& [suffix, hint] : layout.insightHints)
            if (std::string_view(candidate.path.native()).ends_with(suffix)) {
                reading.hintForm = HintForm::command;
                reading.hint = std::string(hint);
            }
    if (kind == CategoryKind::downloads)
        reading.reason = downloadKind(layout, candidate.path);
    if (kind == CategoryKind::trash)
        readTrashEntry(candidate.path, reading);
    if (reading.name.empty())
        reading.name = plainName(layout, candidate.path, kind == CategoryKind::devArtifacts);
    return reading;
}

std::string displayName(const Layout& layout, const Path& path)
{
    const auto home = homeFolder();
    const LayoutFolders folders(home, home);
    if (const Location* row = namingRow(layout, path, folders))
        if (auto name = readCandidate(*row, path, folders).name; !name.empty())
            return name;
    return plainName(layout, path, true);
}

} // namespace orvelane::JunkScanner
