#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane::testing {

/**
 * @brief Mounts made for one test, in a mount namespace private to the test process, so that
 * nothing is ever mounted where the rest of the machine can see it. Everything is unmounted
 * (lazily, innermost first) when the object goes.
 *
 * Mounting needs root; `available()` tells whether this process may, and tests skip otherwise.
 */
class TestMounts
{
public:
    TestMounts() = default;
    ~TestMounts();
    TestMounts(const TestMounts&) = delete;
    TestMounts& operator=(const TestMounts&) = delete;

    static bool available();

    /// A fresh tmpfs of 8 MiB at `at` (created when missing): another file system. `options`
    /// are added to the mount's (e.g. "size=256k", "ro").
    std::optional<std::filesystem::path> tmpfs(const std::filesystem::path& at, const std::string& options = "");
    /// `source` shown again at `at`: the same file system and device number, another mount.
    std::optional<std::filesystem::path> bind(const std::filesystem::path& source,
                                              const std::filesystem::path& at);

    /// A file-system image (made by mkfs) attached through a free loop device at `at`: the same
    /// file system comes back under another device number when attached again while another
    /// image holds the loop device it had. Needs mount(8) and loop devices.
    std::optional<std::filesystem::path> image(const std::filesystem::path& file, const std::filesystem::path& at);
    /// Detaches what is mounted at `at` now (not lazily), as a volume is unplugged.
    bool unmount(const std::filesystem::path& at);

private:
    std::vector<std::filesystem::path> mounts_;
};

/// Why mount tests are skipped here, for GTEST_SKIP().
inline constexpr const char* kMountsUnavailable = "mounting needs root and a private mount namespace";

} // namespace orvelane::testing
