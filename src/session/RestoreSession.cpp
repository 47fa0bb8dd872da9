#include "RestoreSession.h"

#include "CleanupValidation.h"
#include "Logger.h"
#include "PutBack.h"

namespace orvelane {

UndoOutcome RestoreSession::undo(const std::filesystem::path& home, const std::optional<std::string>& id) const
{
    return undoClean(home, id);
}

std::optional<std::vector<UndoableClean>> RestoreSession::undoable(const std::filesystem::path& home)
{
    return undoableCleans(home);
}

bool RestoreSession::canPutBack(const std::filesystem::path& entry, const std::filesystem::path& home)
{
    return PutBack::originalPlace(entry, home).succeeded();
}

PutBackReport RestoreSession::putBack(const std::filesystem::path& entry, const std::string& name,
                                      std::optional<std::uint64_t> inode, const std::filesystem::path& home) const
{
    Logger::info("Putting back from the Trash: " + name);
    // The device is not part of a scanned item; the inode the scan saw is.
    const PutBack::Result result = PutBack::putBack(entry, {std::nullopt, inode}, home);
    PutBackReport report;
    if (!result.succeeded()) {
        Logger::warning("Could not put back '" + name + "': " + *result.failure);
        report.message = PutBack::message(name, result);
        return report;
    }
    report.original = result.original;
    for (CategoryKind kind : layout_.categories)
        if (kind != CategoryKind::trash && !isGuidanceOnly(kind) &&
            JunkScanner::isAllowed(layout_, result.original, kind, home))
            report.rescans.push_back(kind);
    return report;
}

} // namespace orvelane
