#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <sys/types.h>
#include <vector>

namespace orvelane::testing {

/**
 * @brief A temporary folder with a home inside, HOME and the XDG base folders pointed at it for
 * the test's lifetime, so that no code under test can reach the real home, trash or journal.
 */
class FakeHome
{
public:
    FakeHome();
    ~FakeHome();
    FakeHome(const FakeHome&) = delete;
    FakeHome& operator=(const FakeHome&) = delete;

    const std::filesystem::path& root() const { return root_; } // the whole temporary folder
    std::filesystem::path home() const { return root_ / "home"; }
    std::filesystem::path trash() const { return home() / ".local/share/Trash"; }
    std::filesystem::path journal() const { return home() / ".local/state/orvelane/last-clean"; }

    /// Mounts a private tmpfs at root()/name (in a mount namespace of this process only);
    /// nothing when the system does not allow it. Unmounted by the destructor.
    std::optional<std::filesystem::path> mountVolume(const std::string& name,
                                                     const std::string& options = "");

private:
    std::filesystem::path root_;
    std::vector<std::filesystem::path> mounts_;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

/// Creates the file (and its folders) with this content; returns its inode.
std::uint64_t writeFile(const std::filesystem::path& path, const std::string& content = "data");
std::string readFile(const std::filesystem::path& path);
std::uint64_t inodeOf(const std::filesystem::path& path);
/// The entries of a folder, by name; empty when it does not exist.
std::vector<std::string> entries(const std::filesystem::path& folder);

/// The user that unprivileged checks run as.
inline constexpr uid_t kNobody = 65534;

/// Gives everything from `path` down to kNobody, links included, without following them.
void giveToNobody(const std::filesystem::path& path);

/**
 * @brief Runs `work` in a child process that has dropped all privileges to kNobody, so that
 * permissions apply as they do for a real user (the tests run as root). Returns what `work`
 * returned, or nothing when privileges cannot be dropped here.
 */
std::optional<std::string> runAsNobody(const std::function<std::string()>& work);

/// The standard output of a shell command line.
std::string outputOf(const std::string& commandLine);

} // namespace orvelane::testing
