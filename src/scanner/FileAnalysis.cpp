#include "FileAnalysis.h"

#include "ByteCount.h"
#include "DeveloperArtifacts.h"
#include "FileSystem.h"
#include "HardLinkLedger.h"
#include "HomeFolder.h"
#include "Layout.h"
#include "LocationRules.h"
#include "Logger.h"
#include "PathText.h"
#include "TreeEnumerator.h"

#include <array>

namespace orvelane::JunkScanner {
namespace {

// What removing the folder would free: every file once, and a file with several links only
// when all of them lie inside; nothing from another mount.
class Measurement final : public TreeVisitor
{
public:
    Measurement(std::filesystem::path root, std::optional<Date> ownDate)
        : root_(std::move(root)), modified_(ownDate)
    {}

    void visit(const char*, const EntryStatus& status) override
    {
        ++(status.kind == EntryKind::directory ? contents_.folders : contents_.files);
        if (status.kind == EntryKind::symbolicLink)
            return;
        if (!modified_ || status.modified > *modified_)
            modified_ = status.modified;
        if (status.kind != EntryKind::regular)
            return;
        if (status.linkCount > 1)
            links_.record(status.inode, status.linkCount, status.allocatedBytes);
        else
            singleLinkBytes_ += status.allocatedBytes;
    }

    void mountFound(const std::filesystem::path& below, const EntryStatus&) override
    {
        Logger::debug("JunkScanner: Not measuring mount point " + displayText(root_ / below));
    }

    void statusFailed(const char* name, int) override
    {
        Logger::debug("JunkScanner: Failed to get size for " + displayText(name));
    }

    void folderFailed(const char* name, int error) override
    {
        Logger::debug("JunkScanner: Enumeration error at " + displayText(name) + " - " +
                      FileSystem::describeErrorForLog(error));
    }

    FileAnalysis result() const
    {
        return {addBytes(singleLinkBytes_, links_.completeBytes()), modified_, contents_};
    }

private:
    std::filesystem::path root_;
    std::int64_t singleLinkBytes_ = 0;
    HardLinkLedger links_;
    std::optional<Date> modified_;
    ItemContents contents_{0, 1}; // the folder itself
};

} // namespace

FileAnalysis analyze(const std::filesystem::path& path)
{
    int error = 0;
    const auto status = FileSystem::itemStatus(path, &error);
    if (!status) {
        Logger::debug("JunkScanner: Failed to get resource values for " + displayText(path.filename()) +
                      " - " + FileSystem::describeErrorForLog(error));
        return {};
    }
    if (status->kind == EntryKind::symbolicLink)
        return {};
    if (FileSystem::isMountTop(path, *status)) {
        // What shows here belongs to another file system: removing the item would free none of it.
        Logger::debug("JunkScanner: Not measuring mount point " + displayText(path));
        return {};
    }
    if (status->kind == EntryKind::regular) // a second link elsewhere keeps the data on disk
        return {status->linkCount > 1 ? 0 : status->allocatedBytes, status->modified, {1, 0}};
    if (status->kind != EntryKind::directory)
        return {0, status->modified, {1, 0}}; // a device, pipe or socket has nothing below it to measure

    Measurement measurement(path, status->modified);
    if (enumerateTree(path, measurement) != 0) {
        Logger::debug("JunkScanner: Failed to create enumerator for " + displayText(path));
        return {};
    }
    return measurement.result();
}

std::optional<std::uint64_t> inodeOf(const std::filesystem::path& path)
{
    return FileSystem::inodeOf(path);
}

} // namespace orvelane::JunkScanner
