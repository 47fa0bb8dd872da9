#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace orvelane::testing {

/**
 * A home folder in a temporary directory, with HOME (and the trash's XDG_DATA_HOME) pointed at it
 * for the life of the object. Nothing outside it is ever touched.
 */
class FakeHome
{
public:
    FakeHome();
    ~FakeHome();
    FakeHome(const FakeHome&) = delete;
    FakeHome& operator=(const FakeHome&) = delete;

    const std::filesystem::path& path() const { return root_; }

    /// Writes a file of `bytes` real bytes (allocated on disk), creating its folders.
    std::filesystem::path file(const std::filesystem::path& relative, std::size_t bytes) const;
    /// Reserves `bytes` of disk for a file without writing them (large files stay cheap).
    std::filesystem::path allocated(const std::filesystem::path& relative, std::int64_t bytes) const;
    std::filesystem::path folder(const std::filesystem::path& relative) const;
    /// Sets the modification time of a path to `days` days ago.
    void age(const std::filesystem::path& relative, int days) const;

private:
    std::filesystem::path root_;
    std::string previousHome_;
    std::string previousDataHome_;
    bool hadDataHome_ = false;
};

} // namespace orvelane::testing
