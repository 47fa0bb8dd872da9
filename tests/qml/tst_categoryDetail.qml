import QtQuick
import QtTest
import Orvelane
import OrvelaneTesting

// The category detail pane against a real window state scanning a throw-away home: the list, the
// selection, the footer, the read-only insights, the Trash and the clean confirmation.
TestCase {
    id: testCase
    name: "CategoryDetail"
    when: windowShown
    visible: true
    width: 760
    height: 620

    readonly property real mib: 1024 * 1024

    Component {
        id: homeComponent
        FakeHome {}
    }
    Component {
        id: stateComponent
        TestWindowState {}
    }
    Component {
        id: detailComponent
        CategoryDetailView {
            width: 760
            height: 620
        }
    }

    function init() {
        Localizer.language = "en"
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    function makeHome() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file("Downloads/Installer.dmg", 40 * mib)
        home.file("Downloads/movie.mp4", 25 * mib)
        home.file("Downloads/notes.txt", 300)
        home.file("Library/Caches/com.example.old/blob", 8 * mib, 40)
        home.age("Library/Caches/com.example.old", 40)
        home.file(".local/share/Trash/files/report.pdf", 3 * mib)
        home.file(".local/share/Trash/files/photos/one.jpg", 2 * mib)
        home.file("Library/Developer/CoreSimulator/Devices/sim.img", 600 * mib)
        return home
    }

    // A scanned state and a detail view on `kind`.
    function scanned(kind) {
        const state = createTemporaryObject(stateComponent, testCase)
        state.scanning.scanAll()
        tryVerify(() => state.scanning.scanningKinds.length === 0, 30000)
        const detail = createTemporaryObject(detailComponent, testCase, { windowState: state, kind: kind })
        if (detail.presentation.content === CategoryPresentation.List)
            tryVerify(() => detail.itemList && detail.itemList.itemAtIndex(0) !== null, 2000)
        return detail
    }

    function rows(detail) {
        const list = detail.itemList
        const found = []
        for (let i = 0; i < list.count; ++i)
            found.push(list.itemAtIndex(i))
        return found
    }

    function named(detail, objectName) {
        return findChild(detail, objectName)
    }

    function test_listShowsEveryItemLargestFirst() {
        makeHome()
        const detail = scanned(Category.Downloads)
        compare(named(detail, "headerTitle").text, "Large Downloads")
        const list = rows(detail)
        compare(list.map(row => row.name), ["Installer.dmg", "movie.mp4"])
        verify(list[0].size > list[1].size)
        for (const row of list) {
            verify(row.checkBox.visible, "downloads may be cleaned")
            compare(row.sizeLabel.text, Localizer.formatBytes(row.size))
            compare(String(row.sizeLabel.color), String(Theme.secondaryText), "an unticked size is grey")
        }
        // The small text file was skipped, and the header offers the list of skipped paths.
        const skipped = named(detail, "skippedButton")
        verify(skipped.visible)
        compare(skipped.text, "Protected / Skipped (1)")
        mouseClick(skipped)
        tryVerify(() => detail.skippedSheet.opened, 2000)
        compare(detail.skippedSheet.contentItem.listedCount, 1)
        detail.skippedSheet.contentItem.dismiss()
        tryVerify(() => !detail.skippedSheet.visible, 2000)
    }

    function test_selectionButtonsAndFooter() {
        makeHome()
        const detail = scanned(Category.Downloads)
        const state = detail.windowState
        const selectAll = named(detail, "selectAllButton")
        const deselectAll = named(detail, "deselectAllButton")
        const clean = named(detail, "cleanButton")
        const summary = named(detail, "summaryText")

        // Nothing ticked: the category's message, Clean and Deselect All disabled.
        compare(summary.text, "Selected items are moved to the Trash and can be restored.")
        verify(selectAll.visible && selectAll.enabled)
        verify(!deselectAll.enabled)
        verify(!clean.enabled)

        // Something ticked elsewhere stays ticked whatever this category does.
        state.selection.selectAll(Category.Caches)
        compare(state.selection.selectedCount(Category.Caches), 1)

        mouseClick(selectAll)
        const total = rows(detail).reduce((sum, row) => sum + row.size, 0)
        compare(state.selection.selectedCount(Category.Downloads), 2)
        compare(summary.text, "2 items selected — " + Localizer.formatBytes(total))
        verify(deselectAll.enabled)
        verify(clean.enabled)
        for (const row of rows(detail))
            compare(row.sizeLabel.color.hslHue.toFixed(2), detail.presentation.color.hslHue.toFixed(2),
                    "a ticked item's size takes the category colour")

        mouseClick(deselectAll)
        compare(state.selection.selectedCount(Category.Downloads), 0)
        compare(state.selection.selectedCount(Category.Caches), 1, "other categories keep their selection")
        verify(!clean.enabled)
        compare(summary.text, "Selected items are moved to the Trash and can be restored.")
    }

    function test_tickingARowByMouseAndKeyboard() {
        makeHome()
        const detail = scanned(Category.Downloads)
        const state = detail.windowState
        const first = rows(detail)[0]
        mouseClick(first.checkBox)
        verify(state.selection.isSelected(first.key), "the checkbox ticks")
        compare(state.selection.selectedCount(Category.Downloads), 1)
        mouseClick(first, first.width / 2, first.height / 2)
        verify(!state.selection.isSelected(first.key), "the whole row is the checkbox's label")

        // Keyboard: the list takes focus, Down moves, Space ticks.
        detail.itemList.forceActiveFocus()
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Space)
        verify(state.selection.isSelected(rows(detail)[1].key))
        verify(!state.selection.isSelected(rows(detail)[0].key))
    }

    function test_hoverHighlightFollowsThePointer() {
        makeHome()
        const detail = scanned(Category.Downloads)
        const list = detail.itemList
        const [first, second] = rows(detail)
        mouseMove(first, 20, first.height / 2)
        tryCompare(list, "hovered", first.key)
        verify(first.hovered && !second.hovered)
        mouseMove(second, 20, second.height / 2)
        tryCompare(list, "hovered", second.key)
        verify(second.hovered && !first.hovered, "moving between rows keeps the new one lit")
        mouseMove(testCase, 5, testCase.height - 5)
        tryCompare(list, "hovered", "")
    }

    function test_insightsAreReadOnly() {
        makeHome()
        const detail = scanned(Category.Insights)
        const list = rows(detail)
        compare(list.length, 1)
        verify(!list[0].checkBox.visible, "no checkbox for guidance")
        compare(list[0].safetyLevel, SafetyLevel.Protected)
        verify(!named(detail, "selectAllButton").visible)
        verify(!named(detail, "deselectAllButton").visible)
        verify(!named(detail, "cleanButton").visible)
        verify(named(detail, "readOnlyLabel").visible)
        compare(detail.presentation.summaryText, "Read-only guidance — Orvelane never deletes these items.")
        // Neither a click nor Select All can tick it.
        mouseClick(list[0], list[0].width / 2, list[0].height / 2)
        detail.windowState.selection.selectAll(Category.Insights)
        compare(detail.windowState.selection.selectedCount(Category.Insights), 0)
        verify(!detail.windowState.selection.isSelected(list[0].key))
    }

    function test_trashDeletesForGoodAfterAWarning() {
        const home = makeHome()
        const detail = scanned(Category.Trash)
        const warning = named(detail, "headerSubtitle").color
        verify(warning.hslHue < 0.01 && warning.hslSaturation > 0.9, "red: " + warning)
        compare(named(detail, "summaryText").text, "Selected items are deleted permanently.")
        const clean = named(detail, "cleanButton")
        compare(clean.text, "Delete Permanently")
        compare(clean.symbol, "trash.slash")
        compare(clean.tint, Qt.color("red"))

        mouseClick(named(detail, "selectAllButton"))
        const total = detail.windowState.selection.selectedSize(Category.Trash)
        mouseClick(clean)
        tryVerify(() => detail.confirmation.opened, 2000)
        compare(findChild(detail.confirmation.contentItem, "confirmationTitle").text,
                "Permanently delete 2 items (2 files and 1 folder, " + Localizer.formatBytes(total) + ")? This cannot be undone.")
        compare(detail.confirmation.confirmButton.text, "Delete Permanently")
        // "All clean" comes once the clean is over, never while the footer still counts.
        let cleanTooSoon = ""
        detail.presentation.changed.connect(() => {
            if (detail.presentation.content === CategoryPresentation.AllClean && detail.windowState.cleaning.running)
                cleanTooSoon = detail.presentation.summaryText
        })
        mouseClick(detail.confirmation.confirmButton)
        tryVerify(() => !detail.windowState.cleaning.running && home.list(".local/share/Trash/files").length === 0, 20000)
        verify(!home.exists(".local/share/Trash/files/photos"), "gone for good")
        tryCompare(detail.presentation, "content", CategoryPresentation.AllClean)
        compare(cleanTooSoon, "", "all clean shown mid-clean")
    }

    function test_returnAsksFirstAndCancelKeepsEverything() {
        const home = makeHome()
        const detail = scanned(Category.Downloads)
        const state = detail.windowState

        keyClick(Qt.Key_Return)
        verify(!detail.confirmation.visible, "nothing selected: Return does nothing")

        state.selection.selectAll(Category.Downloads)
        const total = state.selection.selectedSize(Category.Downloads)
        keyClick(Qt.Key_Return)
        tryVerify(() => detail.confirmation.opened, 2000)
        compare(findChild(detail.confirmation.contentItem, "confirmationTitle").text,
                "Move 2 items (2 files, " + Localizer.formatBytes(total) + ") to the Trash?")
        compare(detail.confirmation.confirmButton.text, "Move to Trash")
        mouseClick(detail.confirmation.cancelButton)
        tryVerify(() => !detail.confirmation.visible, 2000)
        wait(200)
        verify(!state.cleaning.running)
        verify(home.exists("Downloads/Installer.dmg"), "Cancel cleans nothing")

        // Return opens it, Return again confirms: the default button is the destructive one.
        keyClick(Qt.Key_Return)
        tryVerify(() => detail.confirmation.opened, 2000)
        wait(100) // a second press by hand, not the click that opened it
        keyClick(Qt.Key_Return)
        tryVerify(() => !home.exists("Downloads/Installer.dmg") && !state.cleaning.running, 20000)
        verify(!home.exists("Downloads/movie.mp4"))
        const trashed = home.list(".local/share/Trash/files")
        verify(trashed.indexOf("Installer.dmg") >= 0 && trashed.indexOf("movie.mp4") >= 0, JSON.stringify(trashed))
    }

    function test_scanningKeepsTheHeaderAndDisablesClean() {
        makeHome()
        const detail = scanned(Category.Downloads)
        detail.windowState.selection.selectAll(Category.Downloads)
        verify(named(detail, "cleanButton").enabled)
        detail.windowState.scanning.scanAll()
        compare(detail.presentation.content, CategoryPresentation.Scanning)
        verify(named(detail, "scannedBody").visible)
        verify(named(detail, "selectAllButton").visible, "the old items still offer the bulk buttons")
        verify(!named(detail, "cleanButton").enabled)
        tryCompare(detail.presentation, "content", CategoryPresentation.List, 30000)
        compare(detail.windowState.selection.selectedCount(Category.Downloads), 0, "a new scan starts with nothing ticked")
    }

    function test_onlySkippedPathsShowAllClean() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file("Downloads/small.txt", 500)
        const detail = scanned(Category.Downloads)
        compare(detail.presentation.content, CategoryPresentation.AllClean)
        compare(named(detail, "skippedButton").text, "Protected / Skipped (1)")
        verify(!named(detail, "selectAllButton").visible)
    }

    function test_footerFollowsTheLanguage() {
        makeHome()
        const detail = scanned(Category.Downloads)
        detail.windowState.selection.selectAll(Category.Downloads)
        const total = detail.windowState.selection.selectedSize(Category.Downloads)
        Localizer.language = "tr"
        compare(named(detail, "summaryText").text, "2 öğe seçildi — " + Localizer.formatBytes(total))
        verify(Localizer.formatBytes(total).indexOf(",") > 0)
        compare(named(detail, "headerTitle").text, "Büyük İndirmeler")
    }
}
