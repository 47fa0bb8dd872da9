import QtQuick
import QtTest
import Orvelane

// The settings window: the language picker bound both ways to the localizer, and the version.
// (The exclusions and the weekly tidy come with the shell's state: see the journeys.)
TestCase {
    id: testCase
    name: "Settings"
    when: windowShown
    // Shown, so that what the tests create is visible and can be clicked.
    visible: true
    width: 400
    height: 300

    Component {
        id: settingsComponent
        SettingsView {}
    }

    SignalSpy {
        id: languageSpy
        target: Localizer
        signalName: "languageChanged"
    }
    SignalSpy {
        id: bundleSpy
        target: Localizer
        signalName: "bundleChanged"
    }

    function init() {
        Localizer.language = "en"
        languageSpy.clear()
        bundleSpy.clear()
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    function choose(picker, index) {
        mouseClick(picker)
        tryCompare(picker.popup, "opened", true)
        tryVerify(() => picker.popup.contentItem.itemAtIndex(index), 1000, "option " + index)
        const option = picker.popup.contentItem.itemAtIndex(index)
        mouseClick(option)
        tryCompare(picker.popup, "visible", false)
    }

    function test_pickerWritesTheLanguageAndEveryTextSwitches() {
        const settings = createTemporaryObject(settingsComponent, testCase)
        const picker = settings.languagePicker
        compare(picker.displayText, "English")
        compare(findChild(settings, "languageLabel").text, "Language")
        compare(findChild(settings, "versionLabel").text, "Version")

        choose(picker, 2)
        compare(Localizer.language, "tr")
        compare(languageSpy.count, 1)
        compare(picker.displayText, "Türkçe")
        compare(findChild(settings, "languageLabel").text, "Dil")
        compare(findChild(settings, "versionLabel").text, "Sürüm")

        // The options: System Default in the chosen language, the language names as they are.
        mouseClick(picker)
        tryCompare(picker.popup, "opened", true)
        tryVerify(() => picker.popup.contentItem.itemAtIndex(2))
        const names = []
        for (let i = 0; i < 3; ++i)
            names.push(picker.popup.contentItem.itemAtIndex(i).contentItem.children[1].text)
        compare(names, ["Sistem Varsayılanı", "English", "Türkçe"])
        picker.popup.close()

        choose(picker, 0)
        compare(Localizer.language, "system")
        verify(["System Default", "Sistem Varsayılanı"].indexOf(picker.displayText) >= 0, picker.displayText)
    }

    function test_pickerFollowsALanguageSetElsewhere() {
        const settings = createTemporaryObject(settingsComponent, testCase)
        const picker = settings.languagePicker
        choose(picker, 2)
        compare(picker.currentIndex, 2)
        // A write that does not come from the picker still shows in it: the binding goes both ways.
        Localizer.language = "en"
        compare(picker.currentIndex, 1)
        compare(picker.displayText, "English")
        Localizer.language = "system"
        compare(picker.currentIndex, 0)
    }

    function test_choosingTheSelectedLanguageRedrawsNothing() {
        const settings = createTemporaryObject(settingsComponent, testCase)
        choose(settings.languagePicker, 1)
        compare(Localizer.language, "en")
        compare(languageSpy.count, 0)
        compare(bundleSpy.count, 0)
    }

    function test_versionWithoutMetadata() {
        // The test runner sets no version metadata: both pieces read as question marks.
        const settings = createTemporaryObject(settingsComponent, testCase)
        compare(settings.versionText, "? (?)")
    }

    function test_settingsWindowHoldsTheView() {
        const component = Qt.createComponent("qrc:/Orvelane/SettingsWindow.qml")
        compare(component.status, Component.Ready, component.errorString())
        const window = createTemporaryObject(component, testCase, { visible: true })
        waitForRendering(window.contentItem)
        const view = findChild(window.contentItem, "settingsView")
        verify(view)
        compare(view.width, window.width)
        compare(view.height, window.height)
        // At its smallest the window still shows its content whole in width, and scrolls the rest.
        window.width = window.minimumWidth
        window.height = window.minimumHeight
        tryCompare(view, "width", window.minimumWidth)
        tryCompare(view, "height", window.minimumHeight)
        verify(view.implicitWidth <= window.minimumWidth, view.implicitWidth)
        compare(window.title, "Settings")
        Localizer.language = "tr"
        compare(window.title, "Ayarlar")
    }
}
