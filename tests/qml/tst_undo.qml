import QtQuick
import QtQuick.Window
import QtTest
import Orvelane
import OrvelaneTesting

// Taking a clean back in the window: the success card's Undo, the row menu's Put Back and Never
// Offer This Again, the sheet's Offer Again, and the free space under the sidebar's totals.
TestCase {
    id: testCase
    name: "Undo"
    when: windowShown
    visible: true
    width: 1280
    height: 774

    readonly property real mib: 1024 * 1024

    Component {
        id: homeComponent
        FakeHome {}
    }
    Component {
        id: contentComponent
        ContentView {
            windowState: TestWindowState {}
        }
    }

    function init() {
        Localizer.language = "en"
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    // A cache, a download, an insight, and three Trash entries: one with the record another tool
    // writes, one without any record, one whose record points outside the home folder.
    function makeHome() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file("Library/Caches/com.example.browser/cache.db", 12 * mib, 40)
        home.age("Library/Caches/com.example.browser", 40)
        home.file("Library/Caches/com.example.mail/cache.db", 6 * mib, 40)
        home.age("Library/Caches/com.example.mail", 40)
        home.file("Downloads/Installer.dmg", 40 * mib)
        home.file("Library/Containers/com.docker.docker/Data/disk.img", 600 * mib)
        home.file(".local/share/Trash/files/report.odt", 2 * mib)
        home.write(".local/share/Trash/info/report.odt.trashinfo",
                   "[Trash Info]\nPath=" + home.path + "/Documents/report.odt\nDeletionDate=2024-05-01T10:00:00\n")
        home.file(".local/share/Trash/files/orphan.pdf", 3 * mib)
        home.file(".local/share/Trash/files/elsewhere.bin", 1 * mib)
        home.write(".local/share/Trash/info/elsewhere.bin.trashinfo",
                   "[Trash Info]\nPath=/var/tmp/elsewhere.bin\nDeletionDate=2024-05-01T10:00:00\n")
        return home
    }

    function makeContent(width, height) {
        const content = createTemporaryObject(contentComponent, testCase, { width: width || 820, height: height || 514 })
        tryVerify(() => content.sidebar.list.itemAtIndex(7) !== null, 2000, "every sidebar row is laid out")
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

    // A Trash row reads "name — from folder"; its name alone finds it.
    function rowNamed(content, name) {
        const list = content.detail.itemList
        verify(list, "a list is shown")
        for (let i = 0; i < list.count; ++i) {
            tryVerify(() => list.itemAtIndex(i) !== null, 2000)
            const shown = list.itemAtIndex(i).name
            if (shown === name || shown.startsWith(name + " — "))
                return list.itemAtIndex(i)
        }
        return null
    }

    function menuEntry(menu, objectName) {
        for (let i = 0; i < menu.count; ++i)
            if (menu.itemAt(i).objectName === objectName)
                return menu.itemAt(i)
        fail("no menu entry " + objectName)
    }

    // What the row's menu offers besides revealing, as [Put Back shown, Never Offer shown].
    function offered(row) {
        row.openContextMenu(20, 10)
        tryVerify(() => row.contextMenu.opened, 2000)
        const putBack = menuEntry(row.contextMenu, "putBackItem")
        const exclude = menuEntry(row.contextMenu, "excludeItem")
        // A left-out entry takes no room in the menu.
        for (const entry of [putBack, exclude])
            if (!entry.visible)
                compare(entry.height, 0, entry.objectName)
        const shown = [putBack.visible, exclude.visible]
        keyClick(Qt.Key_Escape)
        tryVerify(() => !row.contextMenu.visible, 2000)
        return shown
    }

    // A click that the window cannot take for the second half of a double click.
    function calmClick(item) {
        wait(Qt.styleHints.mouseDoubleClickInterval + 50)
        mouseClick(item)
    }

    function choose(row, objectName) {
        row.openContextMenu(20, 10)
        tryVerify(() => row.contextMenu.opened, 2000)
        const entry = menuEntry(row.contextMenu, objectName)
        verify(entry.visible && entry.enabled, objectName)
        // As a hand does: onto the entry first, then the click.
        calmClick(entry)
        tryVerify(() => !row.contextMenu.visible, 2000)
    }

    // --- The success card's Undo -------------------------------------------------------------

    function test_theCardOffersUndoOnlyWhenTheCleanMovedItemsToTheTrash() {
        const home = makeHome()
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.Caches)
        content.windowState.selection.selectAll(Category.Caches)
        content.windowState.cleaning.startClean(Category.Caches)
        tryVerify(() => content.successCards.card !== null, 20000, "a card after the clean")
        verify(!home.exists("Library/Caches/com.example.browser"))
        const card = content.successCards.card.overlay
        const undo = card.undoButton
        verify(undo.visible, "the clean moved its items to the Trash")
        compare(undo.text, "Undo")

        // Resting the pointer on the card keeps it (and its button) up past its usual time. The
        // pointer goes there at once, at the card's middle, which it covers while it still grows.
        mouseMove(card, card.width / 2, card.height / 2)
        tryVerify(() => card.pointerInside, 1000)
        wait(2300)
        verify(content.successCards.card !== null, "still there under the pointer")
        mouseClick(undo)
        tryVerify(() => content.successCards.card === null, 2000, "the card of a clean taken back goes, pointer or not")
        tryVerify(() => home.exists("Library/Caches/com.example.browser/cache.db"), 20000, "back in its place")
        tryVerify(() => !content.windowState.cleaning.running, 20000)
        verify(home.exists("Library/Caches/com.example.mail/cache.db"))
        compare(home.list(".local/share/Trash/files"), ["elsewhere.bin", "orphan.pdf", "report.odt"])
        verify(!content.windowState.restoring.canUndo, "nothing left to undo")
        compare(content.windowState.cleaning.errors, [])
        tryVerify(() => content.detail.itemList.count === 2, 5000, "the caches are listed again")
        compare(named(content.sidebar, "cleanedText").visible, false, "nothing was cleaned after all")

        // Deleting from the Trash for good has no Undo.
        show(content, Category.Trash)
        content.windowState.selection.setSelected(rowNamed(content, "orphan.pdf").key, true)
        content.windowState.cleaning.startClean(Category.Trash)
        tryVerify(() => content.successCards.card !== null, 20000)
        verify(!content.successCards.card.overlay.undoButton.visible)
        verify(!content.windowState.restoring.canUndo)
        verify(!home.exists(".local/share/Trash/files/orphan.pdf"))
    }

    function test_undoButtonSpeaksTurkishAndFitsTheCard() {
        Localizer.language = "tr"
        const overlay = createTemporaryObject(Qt.createComponent("qrc:/Orvelane/CleanSuccessOverlay.qml"), testCase,
                                              { cleaned: 2048, offersUndo: true })
        compare(overlay.undoButton.text, "Geri Al")
        const button = overlay.undoButton.mapToItem(overlay.card, 0, 0)
        verify(button.x >= 0 && button.x + overlay.undoButton.width <= overlay.card.width, "inside the card")
        verify(button.y + overlay.undoButton.height <= overlay.card.height, "inside the card")
        const bare = createTemporaryObject(Qt.createComponent("qrc:/Orvelane/CleanSuccessOverlay.qml"), testCase,
                                           { cleaned: 2048 })
        verify(!bare.undoButton.visible)
        verify(bare.card.height < overlay.card.height, "without Undo the card keeps its old size")
    }

    // --- The row menu ------------------------------------------------------------------------

    function test_theRowMenuOffersPutBackAndNeverOfferAgainOnlyWhereTheyApply() {
        const home = makeHome()
        const content = makeContent(1000, 640)
        scanAndWait(content)
        show(content, Category.Trash)
        compare(offered(rowNamed(content, "report.odt")), [true, true], "a record that names a place in home")
        compare(offered(rowNamed(content, "orphan.pdf")), [false, true], "no record")
        compare(offered(rowNamed(content, "elsewhere.bin")), [false, true], "a record that points outside home")
        show(content, Category.Caches)
        compare(offered(rowNamed(content, "com.example.browser")), [false, true])
        // The arrow keys step over what is left out.
        const mail = rowNamed(content, "com.example.mail")
        mail.openContextMenu(20, 10)
        tryVerify(() => mail.contextMenu.opened, 2000)
        keyClick(Qt.Key_Down)
        compare(mail.contextMenu.currentIndex, 0)
        keyClick(Qt.Key_Down)
        compare(mail.contextMenu.currentIndex, 1, "Copy Path")
        keyClick(Qt.Key_Down)
        compare(mail.contextMenu.currentIndex, 3, "past the hidden Put Back")
        verify(mail.contextMenu.visible, "the menu keeps the keyboard")
        keyClick(Qt.Key_Escape)
        tryVerify(() => !mail.contextMenu.visible, 2000)
        show(content, Category.Insights)
        const insight = content.detail.itemList.itemAtIndex(0)
        verify(insight, "an insight is listed")
        compare(offered(insight), [false, false], "guidance is never cleaned, so never excluded")

        // Put Back from the menu, for an item another tool trashed.
        show(content, Category.Trash)
        choose(rowNamed(content, "report.odt"), "putBackItem")
        tryVerify(() => home.exists("Documents/report.odt"), 20000)
        tryVerify(() => !content.windowState.cleaning.running, 20000)
        verify(!home.exists(".local/share/Trash/info/report.odt.trashinfo"))
        tryVerify(() => rowNamed(content, "report.odt") === null, 5000, "the Trash is listed again")

        // While a clean runs (of another category, so the Trash stays listed), Put Back is shown
        // but cannot be chosen.
        home.file(".local/share/Trash/files/later.odt", 1 * mib)
        home.write(".local/share/Trash/info/later.odt.trashinfo",
                   "[Trash Info]\nPath=" + home.path + "/Documents/later.odt\nDeletionDate=2024-05-01T10:00:00\n")
        scanAndWait(content)
        show(content, Category.Trash)
        const later = rowNamed(content, "later.odt")
        verify(later, "listed")
        content.windowState.selection.selectAll(Category.Downloads)
        // Asked at once: the clean's rescan of the Trash replaces the rows as soon as events flow.
        content.windowState.cleaning.startClean(Category.Downloads)
        verify(content.windowState.cleaning.running && later.busy)
        later.openContextMenu(20, 10)
        const putBack = menuEntry(later.contextMenu, "putBackItem")
        verify(putBack.visible && !putBack.enabled, "greyed while cleaning")
        verify(menuEntry(later.contextMenu, "excludeItem").enabled)
        keyClick(Qt.Key_Escape)
        tryVerify(() => !content.windowState.busy, 30000)
        verify(!rowNamed(content, "later.odt").busy)

        Localizer.language = "tr"
        const row = rowNamed(content, "orphan.pdf")
        row.openContextMenu(20, 10)
        tryVerify(() => row.contextMenu.opened, 2000)
        compare(menuEntry(row.contextMenu, "putBackItem").text, "Geri Koy")
        compare(menuEntry(row.contextMenu, "excludeItem").text, "Bunu Bir Daha Önerme")
        // Every entry whole, however long its words run.
        for (let i = 0; i < row.contextMenu.count; ++i) {
            const entry = row.contextMenu.itemAt(i)
            if (entry.visible)
                tryVerify(() => !findChild(entry, "menuItemText").truncated, 2000, entry.text)
        }
        keyClick(Qt.Key_Escape)
        tryVerify(() => !row.contextMenu.visible, 2000)

        // What stays in the Trash is told under its own heading.
        content.windowState.restoring.startPutBack(rowNamed(content, "elsewhere.bin").key)
        tryVerify(() => content.alert.opened, 20000)
        compare(named(content.alert.contentItem, "alertTitle").text, "Bazı öğeler geri konulamadı")
        Localizer.language = "en"
        compare(named(content.alert.contentItem, "alertTitle").text, "Some items could not be put back")
        // The message was written in the language of its moment, and is shown as it is.
        verify(named(content.alert.contentItem, "alertMessage").text.startsWith("elsewhere.bin — from /var/tmp: "))
        verify(home.exists(".local/share/Trash/files/elsewhere.bin"))
    }

    // --- Never offer again, and the sheet's Offer Again -------------------------------------

    function test_anExcludedItemWaitsInTheSheetUntilOfferedAgain() {
        const home = makeHome()
        const content = makeContent()
        scanAndWait(content)
        show(content, Category.Caches)
        const list = content.detail.itemList
        compare(list.count, 2)
        const opener = named(content.detail, "skippedButton")
        const skippedBefore = content.windowState.results.skippedCount(Category.Caches)
        content.windowState.selection.setSelected(rowNamed(content, "com.example.browser").key, true)

        choose(rowNamed(content, "com.example.browser"), "excludeItem")
        tryVerify(() => list.count === 1, 3000, "the row leaves the list")
        compare(content.windowState.selection.selectedCount(Category.Caches), 0, "and the selection")
        compare(content.windowState.results.skippedCount(Category.Caches), skippedBefore + 1)
        verify(opener.visible)
        compare(opener.text, "Protected / Skipped (" + (skippedBefore + 1) + ")")
        verify(home.exists("Library/Caches/com.example.browser/cache.db"), "nothing is removed")

        calmClick(opener)
        const sheet = content.detail.skippedSheet
        tryVerify(() => sheet.opened, 2000)
        const view = named(sheet.contentItem, "skippedList")
        tryVerify(() => view.count === skippedBefore + 1, 2000)
        let excludedRow = null
        for (let i = 0; i < view.count; ++i) {
            tryVerify(() => view.itemAtIndex(i) !== null, 2000)
            const row = view.itemAtIndex(i)
            const button = named(row, "offerAgainButton")
            if (row.name === "com.example.browser") {
                excludedRow = row
                compare(row.explanation, "Excluded by you")
                verify(button.visible)
                compare(button.text, "Offer Again")
            } else {
                verify(!button.visible, "only what the user excluded: " + row.name)
            }
        }
        verify(excludedRow, "the excluded item is in the sheet")
        Localizer.language = "tr"
        compare(excludedRow.explanation, "Sizin tarafınızdan hariç tutuldu")
        compare(named(excludedRow, "offerAgainButton").text, "Yeniden Öner")
        // The button stays inside its row however long the words are.
        const button = named(excludedRow, "offerAgainButton")
        const place = button.mapToItem(view, 0, 0)
        verify(place.x + button.width <= view.width, "inside the sheet: " + (place.x + button.width) + " > " + view.width)
        Localizer.language = "en"

        calmClick(named(excludedRow, "offerAgainButton"))
        tryVerify(() => view.count === skippedBefore, 20000, "it leaves the sheet")
        tryVerify(() => list.count === 2, 20000, "and is listed again")
        tryVerify(() => {
            for (let i = 0; i < list.count; ++i)
                if (list.itemAtIndex(i) && list.itemAtIndex(i).name === "com.example.browser")
                    return true
            return false
        }, 5000, "its row is back")
    }

    // --- The sidebar's free space ------------------------------------------------------------

    function test_theSidebarShowsTheFreeSpaceOfTheHomeDisk() {
        makeHome()
        const content = makeContent()
        const line = named(content.sidebar, "diskSpaceText")
        tryVerify(() => line.text !== "", 5000, "known soon after the window opens")
        verify(line.visible)
        verify(content.windowState.diskSpace.available > 0 && content.windowState.diskSpace.available <= content.windowState.diskSpace.total)
        verify(/^[0-9][0-9.,]* (bytes|kB|MB|GB|TB|PB) free of [0-9][0-9.,]* (kB|MB|GB|TB|PB)$/.test(line.text), line.text)

        // Inside the narrowest sidebar, beside the Scan button, in both languages, not cut short.
        const scan = named(content.sidebar, "scanButton")
        for (const language of ["en", "tr"]) {
            Localizer.language = language
            waitForRendering(content)
            const at = line.mapToItem(content.sidebar, 0, 0)
            verify(at.x >= 0 && at.x + line.width <= content.sidebar.width, language)
            const button = scan.mapToItem(content.sidebar, 0, 0)
            verify(at.x + line.width <= button.x, language + ": clear of the Scan button")
            verify(!line.truncated, language + ": " + line.text)
        }
        verify(/^[0-9][0-9.,]* (bayt|kB|MB|GB|TB|PB) boş \(toplam [0-9][0-9.,]* (kB|MB|GB|TB|PB)\)$/.test(line.text), line.text)
        Localizer.language = "en"
    }
}
