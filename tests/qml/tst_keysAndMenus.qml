import QtQuick
import QtQuick.Window
import QtTest
import Orvelane
import OrvelaneTesting

// The main window content under the keyboard: held keys in front of a confirmation, the
// skipped-paths sheet, the row's menu and the File menu.
ContentTestCase {
    id: testCase
    name: "KeysAndMenus"

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

        // Return on a focused button presses that button, as a dialog's default button gives
        // way: Deselect All empties the selection, Select All fills it, and neither asks.
        confirmation.close()
        tryVerify(() => !confirmation.visible, 2000)
        const selectAll = named(content.detail, "selectAllButton")
        const deselectAll = named(content.detail, "deselectAllButton")
        deselectAll.forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Return)
        wait(200)
        verify(!confirmation.visible, "Return on Deselect All does not ask to clean")
        compare(content.detail.presentation.selectedCount, 0)
        selectAll.forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Return)
        wait(200)
        verify(!confirmation.visible, "Return on Select All does not ask either")
        compare(content.detail.presentation.selectedCount, 2)

        // Return held from before the question (the release arrives once it is open) presses
        // nothing either; a fresh press does. (The keyboard is in the list, as after Tab.)
        content.detail.itemList.forceActiveFocus(Qt.TabFocusReason)
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

    // --- Menus and the checkboxes -------------------------------------------------------------

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
}
