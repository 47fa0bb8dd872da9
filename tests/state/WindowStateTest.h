#pragma once

// What the window's controller tests share: a home with three month-old caches and an
// installer, the window's state on the macOS layout the home is shaped for, and the waits.
#include "FakeHome.h"
#include "ItemKey.h"
#include "Layout.h"
#include "WindowState.h"

#include <QFuture>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace orvelane::testing {

/// By its name, or for a Trash entry by its name in the Trash (its listed name says where it came from).
inline const ScannedItem* named(const std::vector<ScannedItem>& items, const std::string& name)
{
    const auto found = std::find_if(items.begin(), items.end(), [&](const ScannedItem& item) {
        return item.name == name || item.path.filename() == name;
    });
    return found == items.end() ? nullptr : &*found;
}

inline bool lists(const std::vector<ScannedItem>& items, const std::filesystem::path& path)
{
    return std::any_of(items.begin(), items.end(), [&](const ScannedItem& item) { return item.path == path; });
}

inline const SkippedItem* skippedAt(const std::vector<SkippedItem>& skipped, const std::filesystem::path& path)
{
    const auto found =
        std::find_if(skipped.begin(), skipped.end(), [&](const SkippedItem& item) { return item.path == path; });
    return found == skipped.end() ? nullptr : &*found;
}

inline QString keyOf(const std::filesystem::path& path) { return itemKey(path); }

/// A full scan of the window, waited for.
inline void scanAndWait(WindowState& state)
{
    state.scanning()->scanAll();
    ASSERT_TRUE(QTest::qWaitFor([&state] { return !state.scanning()->scanning(); }, 60'000));
}

/// A clean's, undo's or put-back's result, waited for.
inline CleanResult wait(QFuture<CleanResult> future)
{
    EXPECT_TRUE(QTest::qWaitFor([&future] { return future.isFinished(); }, 60'000));
    return future.resultCount() > 0 ? future.result() : CleanResult::notStarted;
}

class WindowStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto& [name, bytes] : {std::pair{"com.gamma", 30'000}, {"com.alpha", 20'000}, {"com.beta", 10'000}})
            cache(name, static_cast<std::size_t>(bytes));
        home.file("Downloads/tool.dmg", 5'000);
    }

    /// A cache folder with one blob, a month old so that it is offered as safe.
    std::filesystem::path cache(const std::string& name, std::size_t bytes)
    {
        const std::filesystem::path folder = std::filesystem::path("Library/Caches") / name;
        home.file(folder / "blob", bytes);
        const Date monthAgo = Clock::now() - std::chrono::hours(24 * 30);
        home.setModified(folder / "blob", monthAgo);
        home.setModified(folder, monthAgo);
        return home / folder;
    }

    void scanAndWait() { testing::scanAndWait(state); }

    const std::vector<ScannedItem>& listed(CategoryKind kind) const { return state.results()->items(kind); }

    void selectAllOf(CategoryKind kind)
    {
        for (const ScannedItem& item : listed(kind))
            state.selection()->select(item.path, true);
    }

    /// Cleans what is ticked in the category.
    CleanResult cleanAndWait(CategoryKind kind) { return wait(state.cleaning()->cleanSelected(kind)); }

    /// Ticks the category's items of these names (all of them when none are named) and cleans.
    CleanResult clean(CategoryKind kind, const std::vector<std::string>& names = {})
    {
        for (const ScannedItem& item : listed(kind))
            if (names.empty() || std::find(names.begin(), names.end(), item.name) != names.end())
                state.selection()->select(item.path, true);
        return cleanAndWait(kind);
    }

    // The home lies in a folder of its own, so that the test has a place outside it too.
    FakeHome home{"home"};
    LogCapture log;
    WindowState state{JunkScanner::macLayout()};
};

} // namespace orvelane::testing
