import QtQuick
import QtQuick.Window
import QtTest
import Orvelane
import OrvelaneTesting

// The whole main window content as a user meets it: the header at the narrowest width in both
// languages, the first scan's sidebar, the glows, the idle window, the success card after an
// alert, and the split.
ContentTestCase {
    id: testCase
    name: "ContentView"

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

    // The disk's bar: its legend reads on its own background, leaves the insights out (other
    // tools' stores, nothing to reclaim), and follows a clean as the sidebar's totals do.
    function test_diskLegendReadsAndFollowsAClean() {
        makeHome()
        const content = makeContent()
        scanAndWait(content)
        const bar = content.sidebar.diskBar
        tryVerify(() => bar.visible, 5000, "the disk's size is known")
        const bytesOf = kind => (bar.usage.legend.find(entry => entry.kind === kind) || { bytes: 0 }).bytes
        verify(bytesOf(Category.Downloads) > 0)
        compare(bytesOf(Category.Insights), 0, "insights are no part of the bar")

        bar.forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Space)
        tryVerify(() => bar.legendPopup.visible, 2000)
        const texts = []
        const collect = item => {
            for (let i = 0; i < item.children.length; ++i) {
                const child = item.children[i]
                if (child.visible && child.text !== undefined && child.color !== undefined && child.text !== "")
                    texts.push(child)
                collect(child)
            }
        }
        collect(bar.legendPopup.contentItem)
        verify(texts.length >= bar.usage.legend.length * 2, "a name and figures on every line")
        for (const text of texts) {
            const ratio = Contrast.ratio(text.color, bar.legendPopup.background.color)
            verify(ratio >= 4.5, text.text + ": " + ratio.toFixed(2) + ":1")
        }
        keyClick(Qt.Key_Escape)
        tryVerify(() => !bar.legendPopup.visible, 2000)
        verify(bar.activeFocus, "the keyboard is back on the bar")

        const lines = bar.usage.legend.length
        content.windowState.selection.selectAll(Category.Downloads)
        content.windowState.cleaning.startClean(Category.Downloads)
        tryVerify(() => !content.windowState.busy, 30000)
        tryVerify(() => bar.usage.legend.length === lines - 1, 5000, "the cleaned category left the bar")
        compare(bytesOf(Category.Downloads), 0)
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

    // --- The split --------------------------------------------------------------------------

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
