#pragma once

#include "LogCapture.h"
#include "Measurements.h"
#include "ScanRecords.h"
#include "TestFiles.h"
#include "Unprivileged.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvelane::testing {

class TestMounts;

/**
 * @brief A home folder of real files in a fresh temporary folder, with HOME and the XDG folder
 * variables (at their defaults inside it) pointing into it while the object lives, so that no
 * code under test can reach the real home, its trash or its journal. Helpers take paths
 * relative to it and refuse ".." and absolute paths, so nothing outside is ever created,
 * changed or removed.
 */
class FakeHome
{
public:
    FakeHome();
    /// A home whose own folder has this name (e.g. "node_modules", "home") inside a fresh
    /// temporary folder, which then also has room for places outside the home.
    explicit FakeHome(const std::string& folderName);
    ~FakeHome();
    FakeHome(const FakeHome&) = delete;
    FakeHome& operator=(const FakeHome&) = delete;

    /// The home folder.
    const std::filesystem::path& root() const { return root_; }
    const std::filesystem::path& home() const { return root_; }
    /// The whole temporary folder: the home, or the folder that holds it.
    const std::filesystem::path& top() const { return top_; }
    std::filesystem::path trash() const { return root_ / ".local/share/Trash"; }
    std::filesystem::path journal() const { return root_ / ".local/state/orvelane/last-clean"; }
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

    /// Mounts a private tmpfs at top()/name (see TestMounts); nothing when the system does not
    /// allow it. Unmounted before the folder goes.
    std::optional<std::filesystem::path> mountVolume(const std::string& name, const std::string& options = "");

private:
    std::filesystem::path inside(const std::filesystem::path& relative) const;

    std::filesystem::path top_; // the temporary folder removed at the end
    std::filesystem::path root_;
    std::vector<std::pair<std::string, std::optional<std::string>>> previous_;
    std::unique_ptr<TestMounts> mounts_;
};

} // namespace orvelane::testing
