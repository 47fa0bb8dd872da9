#pragma once

#include "Logger.h"
#include "ScanRecords.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace orvelane::testing {

/**
 * @brief A home folder of real files in a fresh temporary folder, with HOME (and the XDG folder
 * variables, at their defaults) pointing into it while the object lives. Helpers take paths relative to it and refuse ".." and absolute paths, so
 * nothing outside is ever created, changed or removed.
 */
class FakeHome
{
public:
    FakeHome();
    /// A home whose own folder has this name (e.g. "node_modules"), inside a fresh temporary folder.
    explicit FakeHome(const std::string& folderName);
    ~FakeHome();
    FakeHome(const FakeHome&) = delete;
    FakeHome& operator=(const FakeHome&) = delete;

    const std::filesystem::path& root() const { return root_; }
    /// Only names a path; it may contain "..".
    std::filesystem::path operator/(const std::filesystem::path& relative) const { return root_ / relative; }

    std::filesystem::path folder(const std::filesystem::path& relative) const;
    /// A file of `bytes` written bytes, so its blocks are really allocated.
    std::filesystem::path file(const std::filesystem::path& relative, std::size_t bytes = 1) const;
    /// A file whose blocks are reserved (not written) so that find counts exactly `bytes`.
    std::filesystem::path allocated(const std::filesystem::path& relative, std::int64_t bytes) const;
    std::filesystem::path link(const std::filesystem::path& relative,
                               const std::filesystem::path& target) const;
    /// The modification date of the entry itself (a link is not followed).
    void setModified(const std::filesystem::path& relative, Date when) const;
    void remove(const std::filesystem::path& relative) const;

private:
    std::filesystem::path inside(const std::filesystem::path& relative) const;

    std::filesystem::path top_; // the temporary folder removed at the end
    std::filesystem::path root_;
    std::vector<std::pair<std::string, std::optional<std::string>>> previous_;
};

/// Bytes allocated to the regular files below `path` as GNU find counts them (Σ %b × 512);
/// `prune` goes before the type test, e.g. "-name '*.app' -prune -o".
std::int64_t allocatedBytesByFind(const std::filesystem::path& path, const std::string& prune = "");

/// What removing `path` would free as find reports it: Σ %b × 512 over its regular files, each
/// file once, leaving out files with links (find's %n) that lie outside `path`.
std::int64_t freedBytesByFind(const std::filesystem::path& path, const std::string& prune = "");

/// `du -x -s` of `path` in bytes, less the blocks of its folders and links: GNU du's own count
/// of the regular files on the path's mount, each hard-linked file once.
std::int64_t fileBytesByDuOneFileSystem(const std::filesystem::path& path);

/// The inode as stat(1) reports it for the entry itself.
std::uint64_t inodeByStat(const std::filesystem::path& path);

/**
 * @brief Runs `work` in a forked child that permission bits bind, and returns its answer.
 * Under root the child hands `tree` to nobody (65534) and drops to that user first, so a folder
 * of mode 000 inside really cannot be read.
 */
std::string runWithoutPrivileges(const std::filesystem::path& tree, const std::function<std::string()>& work);

/// Collects log messages (without the "file:line] " prefix) while it lives.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    std::size_t count(LogLevel level, const std::string& message) const;
    std::size_t countStartingWith(const std::string& prefix) const;
    std::vector<std::string> messages(LogLevel level) const;

private:
    struct Sink;
    std::shared_ptr<Sink> sink_;
};

} // namespace orvelane::testing
