#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>

// Running code as an ordinary user, so that permission bits bind it as they bind a real user
// (the tests run as root).
namespace orvelane::testing {

/// The user that unprivileged checks run as.
inline constexpr uid_t kNobody = 65534;

/// Why a test that needs an unprivileged user is skipped, for GTEST_SKIP().
inline constexpr const char* kCannotDropPrivileges =
    "cannot drop privileges here, or the unprivileged user cannot reach the test's temporary folder";

/// Gives everything from `path` down to kNobody, links included, without following them.
void giveToNobody(const std::filesystem::path& path);

/// Runs `work` in a child process that has dropped every privilege to kNobody and returns what
/// it returned; nothing when privileges cannot be dropped here or the child failed.
std::optional<std::string> runAsNobody(const std::function<std::string()>& work);

/// Whether the unprivileged user can enter `folder`, the folders on its way included: a
/// temporary folder of mode 0700 on the way (as `mktemp -d` makes them) keeps it out whatever a
/// tree handed to it inside says. Always true when not running as root: nothing is dropped then.
bool nobodyCanReach(const std::filesystem::path& folder);

/**
 * @brief Runs `work` in a forked child that permission bits bind, and returns its answer.
 * Under root the child hands `tree` to kNobody and drops to that user first, so a folder of mode
 * 000 inside really cannot be read. Throws when the child fails; check nobodyCanReach first.
 */
std::string runWithoutPrivileges(const std::filesystem::path& tree, const std::function<std::string()>& work);

} // namespace orvelane::testing
