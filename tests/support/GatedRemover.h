#pragma once

#include "CleaningWorker.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace orvelane::testing {

/**
 * @brief A remover that records what it is asked to remove (and removes nothing), holding every
 * request until opened, so that a test can act while an item is in hand. Open it from another
 * thread when the main thread may be waiting for the worker.
 */
class GatedRemover final : public ItemRemover
{
public:
    std::optional<std::string> moveToTrash(const ScannedItem& item, const std::filesystem::path&) override
    {
        std::unique_lock lock(mutex_);
        names_.push_back(item.name);
        changed_.notify_all();
        changed_.wait(lock, [this] { return open_; });
        return std::nullopt;
    }
    std::optional<std::string> removePermanently(const ScannedItem& item, const std::filesystem::path& home) override
    {
        return moveToTrash(item, home);
    }
    /// Waits (up to 30 s) until `count` requests have come; false when they did not.
    bool waitForRequests(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(30), [&] { return names_.size() >= count; });
    }
    void open()
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    std::vector<std::string> names()
    {
        std::lock_guard lock(mutex_);
        return names_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> names_;
    bool open_ = false;
};

} // namespace orvelane::testing
