import QtQuick
import QtTest
import Orvelane

// The sheet of skipped paths: the 300-entry cap, the note, sizes only where known, Offer Again.
TestCase {
    id: testCase
    name: "SkippedItems"
    when: windowShown
    // Shown, so that what the tests create is visible and can be clicked.
    visible: true
    width: 700
    height: 600

    Component {
        id: sheetComponent
        SkippedItemsView {}
    }

    SignalSpy {
        id: dismissSpy
        signalName: "dismiss"
    }

    function init() {
        Localizer.language = "en"
        dismissSpy.clear()
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    function entries(count) {
        const list = []
        for (let i = 0; i < count; ++i)
            list.push({ name: "entry " + i, url: "file:///home/u/Library/Caches/" + i, size: 1000 * (count - i),
                        reason: "belowSizeThreshold" })
        return list
    }

    function test_capAndNote_data() {
        return [
            { tag: "empty", count: 0, listed: 0, note: false },
            { tag: "300", count: 300, listed: 300, note: false },
            { tag: "301", count: 301, listed: 300, note: true },
            { tag: "1200", count: 1200, listed: 300, note: true },
        ]
    }

    function test_capAndNote(data) {
        const sheet = createTemporaryObject(sheetComponent, testCase, { items: entries(data.count) })
        compare(sheet.listedCount, data.listed)
        compare(sheet.showsCapNote, data.note)
        const note = findChild(sheet, "capNote")
        compare(note.text, "Showing the first 300 skipped items.")
        compare(note.visible, data.note)
        // However many entries, the sheet keeps its size and the list scrolls inside it.
        compare(sheet.width, 600)
        compare(sheet.height, 480)
    }

    function test_sizesOnlyWhenPresent() {
        const sheet = createTemporaryObject(sheetComponent, testCase, { items: [
            { name: "measured", path: "/home/u/a", size: 48000, reason: "belowSizeThreshold" },
            { name: "unreadable", path: "/home/u/b", reason: "emptyOrInaccessible" },
            { name: "minus one", path: "/home/u/c", size: -1, reason: "emptyOrInaccessible" },
            { name: "zero", path: "/home/u/d", size: 0, reason: "belowSizeThreshold" },
        ] })
        const view = findChild(sheet, "skippedList")
        compare(view.count, 4)
        tryVerify(() => view.itemAtIndex(3))
        const expected = [true, false, false, true]
        for (let i = 0; i < expected.length; ++i) {
            const row = view.itemAtIndex(i)
            verify(row, "row " + i)
            const size = findChild(row, "sizeText")
            compare(size.visible, expected[i], "row " + i)
        }
        compare(findChild(view.itemAtIndex(0), "sizeText").text, "48 kB")
    }

    SignalSpy {
        id: offerSpy
        signalName: "offerAgainRequested"
    }

    function test_offerAgainOnlyForWhatTheUserExcluded() {
        const sheet = createTemporaryObject(sheetComponent, testCase, { items: [
            { name: "mine", path: "/home/u/Library/Caches/mine", reason: "excludedByUser", key: "/home/u/Library/Caches/mine" },
            { name: "small", path: "/home/u/b", size: 48000, reason: "belowSizeThreshold", key: "/home/u/b" },
            { name: "keyless", path: "/home/u/c", reason: "excludedByUser" },
        ] })
        offerSpy.target = sheet
        offerSpy.clear()
        const view = findChild(sheet, "skippedList")
        tryVerify(() => view.itemAtIndex(2))
        const buttons = [0, 1, 2].map(i => findChild(view.itemAtIndex(i), "offerAgainButton"))
        compare(buttons.map(b => b.visible), [true, false, false], "nothing to ask for without a key")
        compare(view.itemAtIndex(0).explanation, "Excluded by you")
        mouseClick(buttons[0])
        compare(offerSpy.count, 1)
        compare(offerSpy.signalArguments[0][0], "/home/u/Library/Caches/mine")
    }

    function test_doneDismisses() {
        const sheet = createTemporaryObject(sheetComponent, testCase, { items: entries(3) })
        dismissSpy.target = sheet
        const done = findChild(sheet, "doneButton")
        compare(done.text, "Done")
        mouseClick(done)
        compare(dismissSpy.count, 1)
        Localizer.language = "tr"
        compare(done.text, "Bitti")
    }
}
