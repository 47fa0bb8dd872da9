import QtQuick
import QtTest
import Orvelane
import OrvelaneTesting

// The welcome and all-clean views: the scan action, their texts, and the one bounce on showing.
TestCase {
    id: testCase
    name: "WelcomeAndAllClean"
    when: windowShown
    visible: true
    width: 640
    height: 420

    // The greeting names the desktop of the window's layout.
    TestWindowState {
        id: windowState
    }
    Component {
        id: welcomeComponent
        WelcomeView {
            anchors.fill: parent
            desktop: windowState.desktop
        }
    }
    Component {
        id: allCleanComponent
        AllCleanView {
            anchors.fill: parent
        }
    }

    SignalSpy {
        id: scanSpy
        signalName: "scan"
    }

    function init() {
        Localizer.language = "en"
        scanSpy.clear()
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    function test_returnAndClickBothScan() {
        const welcome = createTemporaryObject(welcomeComponent, testCase)
        scanSpy.target = welcome
        waitForRendering(welcome)
        keyClick(Qt.Key_Return)
        compare(scanSpy.count, 1, "Return is the default action")
        keyClick(Qt.Key_Enter)
        compare(scanSpy.count, 2)
        mouseClick(findChild(welcome, "scanButton"))
        compare(scanSpy.count, 3)
    }

    function test_returnDoesNothingOnceTheViewIsGone() {
        const welcome = createTemporaryObject(welcomeComponent, testCase)
        scanSpy.target = welcome
        welcome.visible = false
        keyClick(Qt.Key_Return)
        compare(scanSpy.count, 0)
    }

    function test_welcomeBouncesOnceAndNotOnALanguageSwitch() {
        const welcome = createTemporaryObject(welcomeComponent, testCase)
        verify(welcome.appeared)
        verify(welcome.symbolBouncing, "showing the view plays the bounce")
        tryCompare(welcome, "symbolBouncing", false, 3000)
        compare(findChild(welcome, "title").text, "Ready to tidy up your Mac")
        compare(findChild(welcome, "scanButton").text, "Scan")

        Localizer.language = "tr"
        compare(findChild(welcome, "title").text, "Mac'inizi toparlamaya hazır")
        compare(findChild(welcome, "description").text,
                "Neyin güvenle temizlenebileceğini görmek için tarayın. Siz seçene kadar hiçbir şeye dokunulmaz.")
        compare(findChild(welcome, "scanButton").text, "Tara")
        verify(!welcome.symbolBouncing, "a language switch does not replay the bounce")
    }

    function test_descriptionWrapsWithinItsLimit_data() {
        return [
            { tag: "wide", width: 640 },
            { tag: "narrow", width: 260 },
        ]
    }

    function test_descriptionWrapsWithinItsLimit(data) {
        const welcome = createTemporaryObject(welcomeComponent, testCase, { "anchors.fill": undefined,
                                                                             width: data.width, height: 420 })
        waitForRendering(welcome)
        const description = findChild(welcome, "description")
        verify(description.width <= 340, "at most 340 wide: " + description.width)
        verify(description.width <= data.width)
        verify(description.lineCount >= 2, "the description wraps")
        // Centred in the view.
        const centre = description.mapToItem(welcome, description.width / 2, 0).x
        fuzzyCompare(centre, data.width / 2, 1)
    }

    function test_allCleanTextsAndBounce() {
        const allClean = createTemporaryObject(allCleanComponent, testCase)
        verify(allClean.appeared)
        verify(allClean.symbolBouncing)
        compare(findChild(allClean, "title").text, "All clean!")
        compare(findChild(allClean, "message").text, "Nothing to clean in this category.")
        tryCompare(allClean, "symbolBouncing", false, 3000)
        Localizer.language = "tr"
        compare(findChild(allClean, "title").text, "Her şey temiz!")
        compare(findChild(allClean, "message").text, "Bu kategoride temizlenecek bir şey yok.")
        verify(!allClean.symbolBouncing)

        // A new view replacing a list bounces again.
        const again = createTemporaryObject(allCleanComponent, testCase)
        verify(again.symbolBouncing)
    }
}
