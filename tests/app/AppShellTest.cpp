// The application shell as the window system drives it: File ▸ Quit Orvelane (Ctrl+Q) closes every
// window and ends the event loop, and a clean running at that moment stops safely first.
#include "Layout.h"
#include "QmlEnums.h"
#include "WindowState.h"
#include "FakeHome.h"
#include "GatedRemover.h"
#include "OrvelaneApp.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

using namespace orvelane;
using orvelane::testing::FakeHome;
using orvelane::testing::GatedRemover;

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// Runs the event loop until something quits it, or gives up after `seconds`. True when quit.
bool runUntilQuit(int seconds)
{
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(2);
    });
    watchdog.start(seconds * 1000);
    const int code = QCoreApplication::exec();
    return !timedOut && code == 0;
}

void pressQuitShortcut(QQuickWindow* window)
{
    QTimer::singleShot(0, window, [window] { QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier); });
}

WindowState* stateOf(QQuickWindow* window)
{
    const auto states = window->findChildren<WindowState*>();
    return states.size() == 1 ? states.front() : nullptr;
}

class AppShell : public ::testing::Test
{
protected:
    // HOME and every XDG folder (the Trash's included) point into it while the test runs.
    FakeHome home;
};

TEST_F(AppShell, QuitClosesEveryWindowAndEndsTheLoop)
{
    OrvelaneApp app(JunkScanner::layoutFromEnvironment());
    ASSERT_TRUE(app.start());
    app.openMainWindow();
    ASSERT_EQ(app.mainWindows().size(), 2);
    QQuickWindow* window = app.mainWindows().front();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    pressQuitShortcut(window);
    EXPECT_TRUE(runUntilQuit(20)) << "Ctrl+Q ended the event loop";
    EXPECT_TRUE(app.mainWindows().isEmpty()) << "every main window was closed";
}

TEST_F(AppShell, QuitDuringACleanFinishesTheItemInHandAndLeavesTheRest)
{
    for (const char* name : {"Downloads/one.dmg", "Downloads/two.dmg", "Downloads/three.dmg"})
        home.allocated(name, 11 * kMiB);
    OrvelaneApp app(JunkScanner::layoutFromEnvironment());
    ASSERT_TRUE(app.start());
    QQuickWindow* window = app.mainWindows().front();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    WindowState* state = stateOf(window);
    ASSERT_NE(state, nullptr);
    GatedRemover remover;
    state->cleaning()->setRemover(&remover);

    state->scanning()->scanAll();
    ASSERT_TRUE(QTest::qWaitFor([state] { return !state->scanning()->scanning(); }, 60'000));
    state->selection()->selectAll(qml::Category::Downloads);
    ASSERT_EQ(state->selection()->selectedCount(qml::Category::Downloads), 3);
    state->cleaning()->startClean(qml::Category::Downloads);
    ASSERT_TRUE(remover.waitForRequests(1));

    // The first item is in hand when Quit comes; it finishes a moment later.
    pressQuitShortcut(window);
    std::thread finishing([&remover] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        remover.open();
    });
    const bool quit = runUntilQuit(30);
    finishing.join();
    EXPECT_TRUE(quit);
    EXPECT_TRUE(app.mainWindows().isEmpty());
    EXPECT_EQ(remover.names().size(), 1u) << "the items after the one in hand were never touched";
}

} // namespace
