import QtQuick
import QtQuick.Window
import QtTest
import Orvelane
import OrvelaneTesting

// The whole main window content as a user meets it, at the smallest window (820 × 540, less the
// menu bar) and larger: held keys in front of a confirmation, the skipped-paths sheet, the
// header at the narrowest width in both languages, the first scan's sidebar, the glows, the
// idle window, and the success card after an alert.
TestCase {
    id: testCase
    name: "ContentView"
    when: windowShown
    visible: true
    width: 1280
    height: 774

    readonly property real mib: 1024 * 1024
    readonly property int smallestWidth: 820
    // The window's minimum height less its 26-point menu bar.
    readonly property int smallestHeight: 514

    Component {
        id: homeComponent
        FakeHome {}
    }
    Component {
        id: stateComponent
        TestWindowState {}
    }
    Component {
        id: contentComponent
        ContentView {
            windowState: TestWindowState {}
        }
    }
    HeldKeys {
        id: held
    }

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

    // --- Held keys in front of a confirmation -------------------------------------------------

    // Leans on Return; `flagged` false sends repeats the toolkit did not recognise as repeats.
    function holdReturn(content, flagged) {
        held.press(content, Qt.Key_Return)
        for (let i = 0; i < 20; ++i) {
            held.repeat(content, Qt.Key_Return, 1, flagged)
            wait(30)
        }
        held.release(content, Qt.Key_Return)
        wait(100)
    }

    function test_heldReturnInTheTrashDeletesNothing() {
        const home = makeHome()
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.Trash)
        content.windowState.selection.selectAll(Category.Trash)
        compare(content.windowState.selection.selectedCount(Category.Trash), 2)
        const confirmation = content.detail.confirmation

        holdReturn(content, false)
        verify(confirmation.opened, "a held Return opens the question once")
        verify(confirmation.keyGate.heldBack >= 20, "its repeats were held back: " + confirmation.keyGate.heldBack)
        wait(300)
        verify(!content.windowState.cleaning.running, "and nothing more")
        compare(home.list(".local/share/Trash/files"), ["empty", "old.pdf", "photos"])
        verify(confirmation.cancelButton.activeFocus, "deleting for good defaults to Cancel")

        // A fresh Return now presses the default button: Cancel.
        keyClick(Qt.Key_Return)
        tryVerify(() => !confirmation.visible, 2000)
        wait(300)
        verify(!content.windowState.cleaning.running)
        compare(home.list(".local/share/Trash/files"), ["empty", "old.pdf", "photos"])

        // Deleting takes a deliberate second choice: Tab to the destructive button, then Return.
        keyClick(Qt.Key_Return)
        tryVerify(() => confirmation.opened, 2000)
        keyClick(Qt.Key_Tab)
        verify(confirmation.confirmButton.activeFocus)
        wait(100) // a hand needs longer than a synthetic click to press Return again
        keyClick(Qt.Key_Return)
        tryVerify(() => !content.windowState.cleaning.running && home.list(".local/share/Trash/files").length === 1, 20000)
        compare(home.list(".local/share/Trash/files"), ["empty"], "the ticked items are gone for good")
    }

    function test_heldReturnInDownloadsMovesNothing() {
        const home = makeHome()
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.Downloads)
        content.windowState.selection.selectAll(Category.Downloads)
        const confirmation = content.detail.confirmation

        holdReturn(content, true)
        verify(confirmation.opened)
        verify(confirmation.confirmButton.activeFocus, "moving to the Trash defaults to the move")
        wait(300)
        verify(!content.windowState.cleaning.running)
        confirmation.close()
        tryVerify(() => !confirmation.visible, 2000)

        // The same with repeats that look like fresh presses.
        holdReturn(content, false)
        verify(confirmation.opened)
        wait(300)
        verify(!content.windowState.cleaning.running)
        verify(home.exists("Downloads/Installer.dmg") && home.exists("Downloads/movie.mp4"), "nothing moved")

        // Return held from before the question (the release arrives once it is open) presses
        // nothing either; a fresh press does. (The keyboard is on Select All, as after Tab.)
        confirmation.close()
        tryVerify(() => !confirmation.visible, 2000)
        const selectAll = named(content.detail, "selectAllButton")
        selectAll.forceActiveFocus(Qt.TabFocusReason)
        held.press(content, Qt.Key_Return)
        tryVerify(() => confirmation.opened, 2000)
        held.release(content, Qt.Key_Return)
        wait(300)
        verify(confirmation.opened && !content.windowState.cleaning.running)
        keyClick(Qt.Key_Return)
        tryVerify(() => !home.exists("Downloads/Installer.dmg") && !content.windowState.cleaning.running, 20000)
        verify(!home.exists("Downloads/movie.mp4"))
        const trashed = home.list(".local/share/Trash/files")
        verify(trashed.indexOf("Installer.dmg") >= 0 && trashed.indexOf("movie.mp4") >= 0, JSON.stringify(trashed))
        // Nothing is left to select: Select All goes, and the keyboard returns to the sidebar.
        tryVerify(() => !selectAll.visible, 5000)
        tryVerify(() => content.sidebar.list.activeFocus, 2000, "the keyboard is back in the sidebar")
    }

    function test_heldSpaceOnTheCleanButtonConfirmsNothing() {
        const home = makeHome()
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.Downloads)
        content.windowState.selection.selectAll(Category.Downloads)
        const clean = named(content.detail, "cleanButton")
        clean.forceActiveFocus(Qt.TabFocusReason)
        const confirmation = content.detail.confirmation

        // The button clicks on the first repeated release; the repeats go on into the question.
        held.press(content, Qt.Key_Space)
        for (let i = 0; i < 20; ++i) {
            held.repeat(content, Qt.Key_Space, 1, i % 2 === 0)
            wait(30)
        }
        held.release(content, Qt.Key_Space)
        wait(300)
        verify(confirmation.opened, "the question is open")
        verify(!content.windowState.cleaning.running, "the held Space confirmed nothing")
        verify(home.exists("Downloads/Installer.dmg"))
        keyClick(Qt.Key_Escape)
        tryVerify(() => !confirmation.visible, 2000)
        verify(home.exists("Downloads/Installer.dmg"))
    }

    // --- The sheet of skipped paths -----------------------------------------------------------

    function test_skippedSheetIsFullSizedModalAndClosesOnEscape() {
        makeHome()
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.Downloads)
        const opener = named(content.detail, "skippedButton")
        mouseClick(opener)
        const sheet = content.detail.skippedSheet
        tryVerify(() => sheet.opened, 2000)
        const view = sheet.contentItem
        compare(view.width, 600)
        compare(view.height, 480)
        compare(view.listedCount, 1)
        verify(named(view, "skippedList").visible)
        verify(isInside(Window.activeFocusItem, view), "the sheet has the keyboard")

        // Tab goes round inside the sheet; Space there never ticks an item behind it.
        for (let i = 0; i < 5; ++i) {
            keyClick(Qt.Key_Tab)
            verify(isInside(Window.activeFocusItem, view), "Tab " + (i + 1) + " stays inside the sheet")
        }
        const list = named(view, "skippedList")
        list.forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Space)
        compare(content.windowState.selection.selectedCount(Category.Downloads), 0, "no key reaches the list behind the sheet")
        verify(sheet.opened)

        keyClick(Qt.Key_Escape)
        tryVerify(() => !sheet.visible, 2000)
        verify(!isInside(Window.activeFocusItem, view), "the keyboard is back in the window")
    }

    function test_skippedSheetDoneWorksFromTheKeyboard() {
        makeHome()
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.Caches)
        mouseClick(named(content.detail, "skippedButton"))
        const sheet = content.detail.skippedSheet
        tryVerify(() => sheet.opened, 2000)
        compare(sheet.contentItem.width, 600)
        compare(sheet.contentItem.height, 480)
        keyClick(Qt.Key_Return)
        tryVerify(() => !sheet.visible, 2000, "Return presses Done")
    }

    // --- The header at the narrowest width ----------------------------------------------------

    function checkHeaders(content, language) {
        for (const kind of content.windowState.desktop.categories) {
            show(content, kind)
            const detail = content.detail
            const title = named(detail, "headerTitle")
            const subtitle = named(detail, "headerSubtitle")
            const where = language + "/" + kind
            verify(!title.truncated, where + ": the title is whole: " + title.text)
            verify(!subtitle.truncated, where + ": the description is whole: " + subtitle.text)
            verify(subtitle.lineCount <= 3, where)
            verify(subtitle.width >= 250, where + ": the description has room for words, not letters: " + subtitle.width)
            const buttons = named(detail, "headerButtons")
            if (buttons.visible) {
                verify(!overlaps(sceneRect(buttons), sceneRect(named(detail, "titleBlock"))),
                       where + ": the buttons keep clear of the title")
                const right = sceneRect(buttons).x + buttons.width
                verify(right <= sceneRect(detail).x + detail.width, where + ": the buttons stay inside the pane")
            }
        }
    }

    function test_headerTextIsWholeInTheSmallestWindow() {
        makeHome()
        const content = makeContent()
        scanAndWait(content)
        checkHeaders(content, "en")
        Localizer.language = "tr"
        checkHeaders(content, "tr")
    }

    function test_wideHeaderKeepsItsButtonsBesideTheTitle() {
        makeHome()
        const content = makeContent(1280, 774)
        scanAndWait(content)
        for (const language of ["en", "tr"]) {
            Localizer.language = language
            show(content, Category.Downloads)
            const header = named(content.detail, "header")
            verify(!header.stacked, language)
            const buttons = sceneRect(named(content.detail, "headerButtons"))
            const titleBlock = sceneRect(named(content.detail, "titleBlock"))
            verify(buttons.x >= titleBlock.x + titleBlock.width, language + ": beside the title, not under it")
            verify(!named(content.detail, "headerTitle").truncated)
        }
        // The same window made small moves them below.
        content.width = smallestWidth
        content.height = smallestHeight
        waitForRendering(content)
        verify(named(content.detail, "header").stacked)
    }

    function test_sessionTotalFitsTheSidebarInTurkish() {
        makeHome()
        const content = makeContent()
        scanAndWait(content)
        content.windowState.selection.selectAll(Category.Downloads)
        content.windowState.cleaning.startClean(Category.Downloads)
        tryVerify(() => !content.windowState.cleaning.running, 20000)
        Localizer.language = "tr"
        const cleaned = named(content, "cleanedText")
        tryVerify(() => cleaned.text.indexOf("Bu oturumda temizlenen") === 0, 2000, cleaned.text)
        verify(cleaned.visible)
        verify(!cleaned.truncated, "the whole line shows: " + cleaned.text)
        verify(!named(content, "totalText").truncated)
        // At the sidebar's narrowest too.
        content.sidebar.width = 250
        waitForRendering(content)
        verify(!cleaned.truncated, "at 250 points: " + cleaned.text)
    }

    // --- The first scan's sidebar -------------------------------------------------------------

    function test_sidebarNeverShowsASizeNobodyMeasured() {
        makeHome()
        const content = makeContent()
        const seen = {}
        const rows = []
        for (let i = 0; i < content.sidebar.list.count; ++i) {
            const row = content.sidebar.list.itemAtIndex(i)
            const size = named(row, "rowSize")
            seen[row.kind] = []
            const note = () => {
                if (size.visible && seen[row.kind][seen[row.kind].length - 1] !== size.shown)
                    seen[row.kind].push(size.shown)
            }
            size.shownChanged.connect(note)
            size.visibleChanged.connect(note)
            rows.push(row)
        }
        content.windowState.scanning.hasScannedChanged.connect(() => {
            for (const row of rows)
                verify(row.presentation.scanning, row.kind + " is scanning by the time a scan is announced")
        })
        scanAndWait(content)
        for (const row of rows) {
            const expected = Localizer.formatBytes(content.windowState.results.totalSize(row.kind))
            compare(seen[row.kind], [expected], row.kind + " shows its measured size and nothing before it")
            verify(named(row, "rowSize").height <= row.height)
            verify(row.clip, "a rolling size stays inside its row")
        }
        compare(seen[Category.Caches][0] !== Localizer.formatBytes(0), true)
    }

    // --- Glows ----------------------------------------------------------------------------

    function test_glowsPulseWhenTheyBecomeActive() {
        makeHome()
        const content = makeContent()
        scanAndWait(content)
        // The detail pane is built once, on the first category; the Trash comes later.
        const iconGlow = named(content.detail, "headerIconGlow")
        const cleanGlow = named(content.detail, "cleanGlow")
        verify(!iconGlow.on && !cleanGlow.on)
        show(content, Category.Trash)
        verify(iconGlow.on, "the Trash's warning glow pulses")
        tryVerify(() => iconGlow.phase > 0.9, 3000, "up to its bright end")
        verify(iconGlow.glowColor.a > 0.65, "bright: " + iconGlow.glowColor.a)
        verify(!cleanGlow.on, "Delete Permanently glows only with something ticked")
        content.windowState.selection.selectAll(Category.Trash)
        verify(cleanGlow.on)
        tryVerify(() => cleanGlow.phase > 0.9, 3000)
        tryVerify(() => cleanGlow.phase < 0.1, 3000, "and back")
        content.windowState.selection.deselectAll(Category.Trash)
        verify(!cleanGlow.on)
        compare(cleanGlow.glowColor.a, 0)
        show(content, Category.Caches)
        verify(!iconGlow.on, "no pulse outside the Trash")
        compare(iconGlow.phase, 0)
    }

    // --- The idle window --------------------------------------------------------------------

    function runningGlows(item) {
        let found = []
        if (item.pulsing !== undefined && item.on)
            found.push(item.objectName || "glow")
        for (let i = 0; i < item.children.length; ++i)
            found = found.concat(runningGlows(item.children[i]))
        return found
    }

    function framesWhileWaiting(milliseconds) {
        let frames = 0
        const count = () => ++frames
        testCase.Window.window.frameSwapped.connect(count)
        wait(milliseconds)
        testCase.Window.window.frameSwapped.disconnect(count)
        return frames
    }

    function test_idleWindowDrawsNothing() {
        makeHome()
        const content = makeContent()
        compare(content.detail.presentation.content, CategoryPresentation.Welcome)
        verify(!named(content, "accessNotice").visible)
        compare(runningGlows(content), [], "no glow runs for what is hidden")
        wait(1500) // the welcome's entrance
        compare(framesWhileWaiting(2000), 0, "an idle welcome draws no frames")

        // Scanned, on a category without glows, the window rests again.
        scanAndWait(content)
        show(content, Category.Downloads)
        wait(1500)
        compare(runningGlows(content), [])
        compare(framesWhileWaiting(2000), 0, "an idle list draws no frames")
    }

    function test_missingAccessNoticePulsesOnlyWhileShown() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file(".local/share/Trash/files", 10) // an unlistable trash: what missing access looks like
        const content = makeContent()
        const notice = named(content, "accessNotice")
        compare(runningGlows(notice), [])
        scanAndWait(content)
        tryVerify(() => notice.presence === 1, 3000)
        compare(runningGlows(notice).length, 1, "the shown notice glows")
    }

    // --- The success card and the alert -----------------------------------------------------

    function test_successCardWaitsForTheAlert() {
        const home = makeHome()
        home.file("Projects/engine/target/app", 7 * mib)
        home.file("Projects/engine/Cargo.toml", 100)
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.DevArtifacts)
        content.windowState.selection.selectAll(Category.DevArtifacts)
        compare(content.windowState.selection.selectedCount(Category.DevArtifacts), 2)
        const freed = content.windowState.selection.selectedSize(Category.DevArtifacts)
        home.remove("Projects/engine/Cargo.toml")
        let cardsDuringAlert = 0
        const watch = () => {
            if (content.successCards.card && content.alert.visible)
                ++cardsDuringAlert
        }
        content.successCards.cardChanged.connect(watch)
        content.alert.visibleChanged.connect(watch)

        content.windowState.cleaning.startClean(Category.DevArtifacts)
        tryVerify(() => content.alert.opened, 20000)
        tryVerify(() => !content.windowState.cleaning.running, 20000)
        verify(content.windowState.successCard.justCleaned !== undefined, "the clean freed something")
        wait(2300) // longer than a card lasts
        compare(content.successCards.card, null, "no card under the alert")

        mouseClick(named(content.alert.contentItem, "okButton"))
        tryVerify(() => !content.alert.visible, 2000)
        tryVerify(() => content.successCards.card !== null, 2000, "the card follows the alert")
        verify(content.successCards.card.overlay.text.indexOf("Cleaned ") === 0)
        verify(freed > Number(content.successCards.amount), "only what was removed is counted")
        wait(1200)
        verify(content.successCards.card !== null, "it shows for its full time")
        tryVerify(() => content.successCards.card === null, 2000, "then goes")
        compare(cardsDuringAlert, 0)
    }

    // --- Menus, the split and the checkboxes --------------------------------------------------

    function test_rowMenuIsStyledAndCheckboxesMatchTheText() {
        makeHome()
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.Downloads)
        const list = content.detail.itemList
        tryVerify(() => list.itemAtIndex(0) !== null, 2000)
        const row = list.itemAtIndex(0)
        const box = row.checkBox
        const name = named(row, "nameLine")
        verify(box.width <= 16 && box.height <= 16, "the box is sized to the text: " + box.width + "×" + box.height)
        verify(box.height >= name.font.pixelSize, box.height)
        const boxCentre = box.mapToItem(row, 0, box.height / 2).y
        const nameCentre = name.mapToItem(row, 0, name.height / 2).y
        verify(Math.abs(boxCentre - nameCentre) <= 2, "level with the name: " + boxCentre + " " + nameCentre)

        row.openContextMenu(20, 10)
        tryVerify(() => row.contextMenu.opened, 2000)
        const entry = row.contextMenu.itemAt(0)
        compare(entry.text, "Reveal in Finder")
        verify(entry.shortcutText !== undefined, "the row menu uses the app's menu rows")
        verify(row.contextMenu.background.radius > 0, "rounded like the rest of the app")
        keyClick(Qt.Key_Escape)
        tryVerify(() => !row.contextMenu.visible, 2000)
    }

    function test_fileMenuShowsItsShortcuts() {
        makeHome()
        const component = Qt.createComponent("qrc:/Orvelane/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        const state = stateComponent.createObject(null)
        const window = component.createObject(null, { visible: false, windowState: state })
        verify(window)
        try {
            compare(window.minimumWidth, smallestWidth)
            compare(window.minimumHeight, 540)
            const menu = window.menuBar.menuAt(0)
            compare(menu.title, "File")
            const rows = []
            for (let i = 0; i < menu.count; ++i) {
                const row = menu.itemAt(i)
                if (row.text !== undefined && row.text !== "")
                    rows.push(row.text + " " + row.shortcutText)
            }
            compare(rows, ["Undo Clean Ctrl+Z", "New Window Ctrl+N", "Settings… Ctrl+,", "Close Window Ctrl+W",
                           "Quit Orvelane Ctrl+Q"])
            verify(!menu.itemAt(0).enabled, "nothing to undo before a clean")
            verify(menu.background.radius > 0, "rounded like the rest of the app")
            Localizer.language = "tr"
            compare(menu.itemAt(6).text + " " + menu.itemAt(6).shortcutText, "Orvelane'den Çık Ctrl+Q")
            compare(menu.itemAt(0).text, "Temizliği Geri Al")
        } finally {
            window.destroy()
            state.destroy()
        }
    }

    function test_splitHandleCanBeGrabbedAndTheDetailKeepsItsWidth() {
        makeHome()
        const content = makeContent(1000, 640)
        const handle = named(content, "splitHandle")
        verify(handle.width >= 5, "a handle a pointer can find: " + handle.width)
        const detail = named(content, "detailColumn")
        const sidebarBefore = content.sidebar.width
        const grabbed = handle.mapToItem(content, handle.width / 2, 200)
        mousePress(content, grabbed.x, grabbed.y)
        mouseMove(content, grabbed.x + 60, grabbed.y)
        mouseMove(content, grabbed.x + 120, grabbed.y)
        mouseRelease(content, grabbed.x + 120, grabbed.y)
        verify(content.sidebar.width > sidebarBefore + 60, "dragging the handle widens the sidebar: " + content.sidebar.width)
        mousePress(content, grabbed.x + 120, grabbed.y)
        mouseMove(content, content.width - 50, grabbed.y)
        mouseMove(content, content.width - 5, grabbed.y)
        mouseRelease(content, content.width - 5, grabbed.y)
        compare(detail.width, content.detailMinimumWidth, "the detail keeps its minimum width")
    }
}
