import QtQuick
import QtTest
import Orvelane
import OrvelaneTesting

// The main window's content against a real window state scanning a throw-away home.
TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown
    visible: true
    width: 1000
    height: 640

    readonly property real mib: 1024 * 1024

    Component {
        id: homeComponent
        FakeHome {}
    }
    Component {
        id: contentComponent
        ContentView {
            width: 1000
            height: 640
            windowState: TestWindowState {}
        }
    }

    function init() {
        Localizer.language = "en"
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    // A home with something in several categories; the window state is created after it.
    function makeHome() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file("Library/Caches/com.example.browser/cache.db", 12 * mib, 40)
        home.age("Library/Caches/com.example.browser", 40)
        home.file("Projects/web/node_modules/pkg.js", 9 * mib)
        home.file("Projects/engine/target/app", 7 * mib)
        home.file("Projects/engine/Cargo.toml", 100)
        home.file(".local/share/Trash/files/old.pdf", 2 * mib)
        home.file("Library/Developer/CoreSimulator/Devices/sim.img", 600 * mib)
        return home
    }

    function makeContent() {
        const content = createTemporaryObject(contentComponent, testCase)
        tryVerify(() => content.sidebar.list.itemAtIndex(7) !== null, 2000, "every sidebar row is laid out")
        return content
    }

    function rows(content) {
        const list = content.sidebar.list
        const found = []
        for (let i = 0; i < list.count; ++i)
            found.push(list.itemAtIndex(i))
        return found
    }

    function scanAndWait(content) {
        content.windowState.scanning.scanAll()
        tryVerify(() => !content.windowState.busy, 30000, "the scan finishes")
    }

    function sizeOf(content, kind) {
        return Localizer.formatBytes(content.windowState.results.totalSize(kind))
    }

    function test_welcomeBeforeTheFirstScan() {
        makeHome()
        const content = makeContent()
        const sidebarRows = rows(content)
        compare(sidebarRows.length, 8)
        compare(sidebarRows.map(row => row.kind),
                [Category.Caches, Category.Logs, Category.Xcode, Category.DevCaches, Category.DevArtifacts, Category.Downloads, Category.Trash, Category.Insights])
        for (const row of sidebarRows)
            compare(row.trailingText, "—", row.kind)
        compare(findChild(content, "totalText").text, "Not scanned yet")
        verify(!findChild(content, "cleanedText").visible)
        verify(!findChild(content, "accessNotice").visible, "access is assumed before the first scan")
        compare(content.selectedKind, Category.Caches, "the first category is chosen at start")
        compare(content.detail.presentation.content, CategoryPresentation.Welcome)
        verify(!findChild(content.detail, "scannedBody").visible, "no header or footer around the welcome")
        verify(content.sidebar.scanButton.enabled)
        verify(content.sidebar.list.activeFocus, "the keyboard starts in the sidebar")
    }

    function test_scanShowsProgressThenSizes() {
        makeHome()
        const content = makeContent()
        const button = content.sidebar.scanButton
        content.windowState.scanning.scanAll()

        // Right after the start every category is still being scanned.
        for (const row of rows(content)) {
            verify(row.presentation.scanning, row.kind)
            verify(findChild(row, "rowSparkle").visible, row.kind)
            compare(row.trailingText, "")
        }
        verify(!button.enabled, "no second scan while one runs")
        verify(button.spinning)
        verify(findChild(content.detail, "scannedBody").visible, "the header and footer appear at once")
        compare(content.detail.presentation.content, CategoryPresentation.Scanning)
        verify(!findChild(content.detail, "cleanButton").enabled)

        tryVerify(() => !content.windowState.busy, 30000)
        verify(button.enabled)
        tryVerify(() => !button.spinning && button.arrowRotation === 0, 2000, "the arrow turns back to rest")
        for (const row of rows(content)) {
            verify(!row.presentation.scanning)
            compare(row.trailingText, sizeOf(content, row.kind), row.kind)
        }
        // The simulator store is an insight: listed with its size, never counted in the total.
        verify(content.windowState.results.totalSize(Category.Insights) >= 600 * mib)
        verify(content.windowState.results.grandTotal < 100 * mib)
        tryCompare(findChild(content, "totalText"), "text",
                   "Total found: " + Localizer.formatBytes(content.windowState.results.grandTotal))
        compare(content.detail.presentation.content, CategoryPresentation.List)
    }

    function test_cleanShowsTheCardThenTakesItAway() {
        const home = makeHome()
        const content = makeContent()
        scanAndWait(content)
        const trashBefore = content.windowState.results.totalSize(Category.Trash)
        const model = content.windowState.results.itemsModel(Category.Caches)
        compare(model.count, 1)
        content.windowState.selection.selectAll(Category.Caches)
        const freed = content.windowState.selection.selectedSize(Category.Caches)
        verify(freed >= 12 * mib)

        content.windowState.cleaning.startClean(Category.Caches)
        verify(content.windowState.busy, "a clean keeps the window busy")
        verify(!content.sidebar.scanButton.enabled)
        verify(content.sidebar.scanButton.spinning, "the arrow spins during a clean too")

        tryVerify(() => content.successCards.card !== null, 20000, "the card appears after the clean")
        const card = content.successCards.card
        compare(card.overlay.text, "Cleaned " + Localizer.formatBytes(freed))
        compare(findChild(content, "cleanedText").text, "Cleaned this session: " + Localizer.formatBytes(freed))
        verify(findChild(content, "cleanedText").visible)
        verify(!home.exists("Library/Caches/com.example.browser"), "the cache left its place")
        verify(home.list(".local/share/Trash/files").indexOf("com.example.browser") >= 0, "… for the Trash")
        tryVerify(() => content.windowState.results.totalSize(Category.Trash) > trashBefore, 5000, "the Trash row grows")
        compare(rows(content)[6].trailingText, sizeOf(content, Category.Trash))

        // Present for 1.9 s, then gone: not before 1.5 s, surely by 3 s.
        wait(1500)
        verify(content.successCards.card === card, "still shown")
        tryVerify(() => content.successCards.card === null, 1500, "taken away after 1.9 s")
        compare(content.windowState.cleaning.errors.length, 0)
        verify(!content.alert.visible)
    }

    function test_alertShowsTheFirstFiveMessagesAndDismissingForgetsThem() {
        makeHome()
        const content = makeContent()
        const messages = []
        for (let i = 1; i <= 7; ++i)
            messages.push("item" + i + ": The item no longer exists.")
        content.windowState.cleaning.errors = messages
        tryVerify(() => content.alert.opened, 2000)
        compare(findChild(content.alert.contentItem, "alertTitle").text, "Some items could not be cleaned")
        compare(content.alert.message, messages.slice(0, 5).join("\n"))

        mouseClick(findChild(content.alert.contentItem, "okButton"))
        tryVerify(() => !content.alert.visible, 2000)
        compare(content.windowState.cleaning.errors, [], "dismissing forgets every message, the unseen two as well")

        // Escape closes it the same way.
        content.windowState.cleaning.errors = ["one: gone"]
        tryVerify(() => content.alert.opened, 2000)
        keyClick(Qt.Key_Escape)
        tryVerify(() => !content.alert.visible, 2000)
        compare(content.windowState.cleaning.errors, [])
    }

    function test_changedProjectMarkerIsReported() {
        const home = makeHome()
        const content = makeContent()
        scanAndWait(content)
        content.sidebar.list.currentIndex = 4
        compare(content.detail.kind, Category.DevArtifacts)
        content.windowState.selection.selectAll(Category.DevArtifacts)
        compare(content.windowState.selection.selectedCount(Category.DevArtifacts), 2)
        home.remove("Projects/engine/Cargo.toml")

        content.windowState.cleaning.startClean(Category.DevArtifacts)
        tryVerify(() => content.alert.opened, 20000)
        compare(content.alert.message, "engine/target: The project marker changed after the scan.")
        verify(home.exists("Projects/engine/target"), "the refused item stays")
        verify(!home.exists("Projects/web/node_modules"), "the other one was cleaned")
        content.alert.close()
        compare(content.windowState.cleaning.errors, [])
    }

    function test_missingAccessShowsTheNoticeAndTheTrashPlaceholder() {
        const home = createTemporaryObject(homeComponent, testCase)
        // A trash that cannot be listed is what missing access looks like here.
        home.file(".local/share/Trash/files", 10)
        const content = makeContent()
        const notice = findChild(content, "accessNotice")
        scanAndWait(content)
        verify(!content.windowState.scanning.trashReadable)
        verify(notice.shown)
        tryVerify(() => notice.presence === 1, 3000, "the notice springs into place")
        verify(notice.height > 40)
        compare(findChild(notice, "noticeTitle").text, "Full Disk Access required")

        content.sidebar.list.currentIndex = 6
        compare(content.detail.presentation.content, CategoryPresentation.NoAccess)
        const title = findChild(content.detail, "placeholderTitle")
        compare(title.text, "Full Disk Access required")
        compare(findChild(content.detail, "placeholderDescription").text,
                "Grant Full Disk Access in System Settings, then scan again.")
        compare(findChild(content.detail, "placeholderAction").text, "Open Settings")

        content.sidebar.list.currentIndex = 0
        compare(content.detail.presentation.content, CategoryPresentation.AllClean, "other categories list what they could read")
    }

    function test_emptiedSelectionAsksForACategory() {
        makeHome()
        const content = makeContent()
        const first = rows(content)[0]
        mouseClick(first, 40, first.height / 2, Qt.LeftButton, Qt.ControlModifier)
        compare(content.selectedKind, -1)
        const placeholder = findChild(content, "noSelection")
        verify(placeholder.visible)
        compare(findChild(placeholder, "placeholderTitle").text, "Select a category")
        mouseClick(rows(content)[2], 40, 10)
        compare(content.selectedKind, Category.Xcode)
        verify(!placeholder.visible)
    }

    function test_windowsKeepTheirOwnState() {
        makeHome()
        const first = makeContent()
        const second = makeContent()
        verify(first.windowState !== second.windowState)
        scanAndWait(first)
        verify(first.windowState.scanning.hasScanned)
        verify(!second.windowState.scanning.hasScanned, "the other window has not scanned")
        compare(rows(second)[0].trailingText, "—")
        first.windowState.selection.selectAll(Category.Caches)
        compare(second.windowState.selection.selectedCount(Category.Caches), 0)
    }

    function test_languageSwitchRedrawsTheSidebar() {
        makeHome()
        const content = makeContent()
        scanAndWait(content)
        const total = content.windowState.results.grandTotal
        Localizer.language = "tr"
        compare(rows(content)[0].presentation.title, "Uygulama Önbellekleri")
        tryCompare(findChild(content, "totalText"), "text", "Bulunan toplam: " + Localizer.formatBytes(total))
        verify(Localizer.formatBytes(total).indexOf(",") > 0, "sizes use a decimal comma")
        compare(rows(content)[0].trailingText, Localizer.formatBytes(content.windowState.results.totalSize(Category.Caches)))
    }
}
