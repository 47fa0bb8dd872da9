import QtQuick
import QtQuick.Window
import QtTest
import Orvelane
import OrvelaneTesting

// What the tests of the whole main window content share: a home with something found and something
// skipped in every category, the content at the smallest window (820 × 540, less the menu bar)
// or larger, held keys, and the waits and lookups.
TestCase {
    id: testCase
    when: windowShown
    visible: true
    width: 1280
    height: 774

    readonly property real mib: 1024 * 1024
    readonly property int smallestWidth: 820
    // The window's minimum height less its 26-point menu bar.
    readonly property int smallestHeight: 514

    readonly property Component homeComponent: Component {
        FakeHome {}
    }
    readonly property Component stateComponent: Component {
        TestWindowState {}
    }
    readonly property Component contentComponent: Component {
        ContentView {
            windowState: TestWindowState {}
        }
    }
    readonly property HeldKeys held: HeldKeys {}

    function init() {
        Localizer.language = "en"
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    // Something found and something skipped in every category, so that every header has all its
    // buttons.
    function makeHome() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file("Library/Caches/com.example.browser/cache.db", 12 * mib, 40)
        home.age("Library/Caches/com.example.browser", 40)
        home.folder("Library/Caches/com.example.empty")
        home.file("Library/Logs/app/log.txt", 1 * mib)
        home.folder("Library/Logs/empty")
        home.file("Library/Developer/Xcode/DerivedData/App-abc/build.o", 3 * mib)
        home.folder("Library/Developer/Xcode/DerivedData/Empty")
        home.file(".npm/_cacache/index", 2 * mib)
        home.folder(".gradle/caches")
        home.file("Projects/web/node_modules/pkg.js", 9 * mib)
        home.file("Projects/tiny/node_modules/a.js", 100)
        home.file("Downloads/Installer.dmg", 40 * mib)
        home.file("Downloads/movie.mp4", 25 * mib)
        home.file("Downloads/notes.txt", 300)
        home.file(".local/share/Trash/files/old.pdf", 2 * mib)
        home.file(".local/share/Trash/files/photos/one.jpg", 3 * mib)
        home.folder(".local/share/Trash/files/empty")
        home.file("Library/Developer/CoreSimulator/Devices/sim.img", 600 * mib)
        home.file("Library/Containers/com.docker.docker/Data/small.img", 1 * mib)
        return home
    }

    function makeContent(width, height) {
        const content = createTemporaryObject(contentComponent, testCase,
                                              { width: width || smallestWidth, height: height || smallestHeight })
        tryVerify(() => content.sidebar.list.itemAtIndex(7) !== null, 2000, "every sidebar row is laid out")
        content.sidebar.focusList()
        return content
    }

    function scanAndWait(content) {
        content.windowState.scanning.scanAll()
        tryVerify(() => !content.windowState.busy, 30000, "the scan finishes")
    }

    function show(content, kind) {
        content.sidebar.list.currentIndex = content.windowState.desktop.categories.indexOf(kind)
        compare(content.selectedKind, kind)
        waitForRendering(content)
    }

    function named(item, objectName) {
        const found = findChild(item, objectName)
        verify(found, objectName)
        return found
    }

    function isInside(item, ancestor) {
        for (let at = item; at; at = at.parent)
            if (at === ancestor)
                return true
        return false
    }

    function sceneRect(item) {
        const place = item.mapToItem(null, 0, 0)
        return Qt.rect(place.x, place.y, item.width, item.height)
    }

    function overlaps(a, b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height
    }
}
