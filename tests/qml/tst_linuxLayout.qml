import QtQuick
import QtTest
import Orvelane
import OrvelaneTesting

// The window on the freedesktop layout (this file runs with ORVELANE_LAYOUT=linux): the sidebar
// has no Xcode row, and no text speaks of a Mac, Finder or a settings pane that does not exist.
TestCase {
    id: testCase
    name: "LinuxLayout"
    when: windowShown
    visible: true
    width: 1000
    height: 640

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

    function makeContent() {
        const content = createTemporaryObject(contentComponent, testCase)
        tryVerify(() => content.sidebar.list.itemAtIndex(6) !== null, 2000, "every sidebar row is laid out")
        return content
    }

    function rowKinds(content) {
        const list = content.sidebar.list
        const kinds = []
        for (let i = 0; i < list.count; ++i)
            kinds.push(list.itemAtIndex(i).kind)
        return kinds
    }

    function scanAndWait(content) {
        content.windowState.scanning.scanAll()
        tryVerify(() => !content.windowState.busy, 30000, "the scan finishes")
    }

    function test_sevenCategoriesAndAGreetingForAnyComputer() {
        createTemporaryObject(homeComponent, testCase)
        const content = makeContent()
        compare(rowKinds(content), [Category.Caches, Category.Logs, Category.DevCaches, Category.DevArtifacts, Category.Downloads, Category.Trash, Category.Insights])
        compare(content.windowState.desktop.categories, rowKinds(content))
        compare(findChild(content.detail, "title").text, "Ready to tidy up your computer")
        Localizer.language = "tr"
        compare(findChild(content.detail, "title").text, "Bilgisayarınızı toparlamaya hazır")
    }

    function test_anUnreadableTrashAsksToCheckTheFolderAndOffersNoSettings() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file(".local/share/Trash/files", 10) // a trash that cannot be listed
        const content = makeContent()
        scanAndWait(content)
        const notice = findChild(content, "accessNotice")
        verify(notice.shown)
        compare(findChild(notice, "noticeTitle").text, "The Trash can't be read")
        verify(!findChild(notice, "openSettingsButton").visible)

        content.sidebar.list.currentIndex = 5
        compare(content.detail.kind, Category.Trash)
        compare(content.detail.presentation.content, CategoryPresentation.NoAccess)
        compare(findChild(content.detail, "placeholderTitle").text, "The Trash can't be read")
        compare(findChild(content.detail, "placeholderDescription").text,
                "Check the owner and permissions of ~/.local/share/Trash, then scan again.")
        verify(!findChild(content.detail, "placeholderAction").visible)
    }

    // Guidance never says "all clean": it names its threshold and lists the smaller stores it found,
    // and the skipped sheet names the threshold too.
    function test_insightsBelowTheThresholdAreShownWithTheirSizes() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file(".local/share/flatpak/repo/objects/ab", 3000000)
        const content = makeContent()
        scanAndWait(content)
        content.sidebar.list.currentIndex = 6
        tryVerify(() => findChild(content.detail, "title") !== null, 2000)
        compare(findChild(content.detail, "title").text, "No large stores found")
        verify(findChild(content.detail, "message").text.startsWith("Stores of 524.3 MB or more"))
        tryVerify(() => findChild(content.detail, "title").parent.parent.listedCount === 1, 2000)
        const sheetModel = content.detail.windowState.results.skippedEntries(Category.Insights)
        compare(sheetModel.length, 1)
        Localizer.language = "tr"
        compare(findChild(content.detail, "title").text, "Büyük depo bulunamadı")
        Localizer.language = "en"
    }

    function test_anItemIsShownInTheFileManager() {
        const home = createTemporaryObject(homeComponent, testCase)
        home.file(".cache/fontconfig/cache-7", 40000)
        const content = makeContent()
        scanAndWait(content)
        content.sidebar.list.currentIndex = 0
        const list = findChild(content.detail, "itemList")
        tryVerify(() => list && list.itemAtIndex(0) !== null, 2000)
        const row = list.itemAtIndex(0)
        compare(row.name, "Font cache")
        compare(findChild(row, "placeLine").text, "~/.cache/fontconfig", "where it lies, from the home folder")
        compare(findChild(row, "hintText").text, "Rebuilt by fontconfig when it needs it")
        compare(row.contextMenu.itemAt(0).text, "Show in File Manager")
        // Copy Path puts the whole path where a paste finds it.
        row.openContextMenu(10, 10)
        tryVerify(() => row.contextMenu.opened, 2000)
        findChild(row.contextMenu, "copyPathItem").triggered()
        compare(Clipboard.text(), home.path + "/.cache/fontconfig")
        row.contextMenu.close()
        // The menu is as wide as its longest entry, in the language that runs longest.
        Localizer.language = "tr"
        row.openContextMenu(10, 10)
        tryVerify(() => row.contextMenu.opened, 2000)
        const reveal = row.contextMenu.itemAt(0)
        compare(reveal.text, "Dosya Yöneticisinde Göster")
        // Its layout settles once the menu is shown.
        tryVerify(() => !findChild(reveal, "menuItemText").truncated, 2000, "shown whole: " + row.contextMenu.width)
        keyClick(Qt.Key_Escape)
        tryVerify(() => !row.contextMenu.visible, 2000)
        Localizer.language = "en"
        compare(content.detail.presentation.subtitle,
                "App caches in ~/.cache, Flatpak and snap apps — rebuilt when needed.")
    }
}
