import QtQuick
import QtQuick.Controls
import QtTest
import Orvelane
import OrvelaneTesting

TestCase {
    id: testCase
    name: "Localization"
    when: windowShown

    Component {
        id: labelsComponent
        Item {
            property alias plain: plainLabel
            property alias withValue: valueLabel
            Label { id: plainLabel; text: qsTr("Scan") }
            Label {
                id: valueLabel
                text: Localizer.format(qsTr("Total found: %@"), [Localizer.formatBytes(1500000000)])
            }
        }
    }

    SignalSpy { id: bundleSpy; target: Localizer; signalName: "bundleChanged" }
    SignalSpy { id: languageSpy; target: Localizer; signalName: "languageChanged" }

    function init() {
        Localizer.language = "en"
        bundleSpy.clear()
        languageSpy.clear()
    }

    function cleanupTestCase() {
        Localizer.language = "en"
    }

    function test_switchRerendersOpenViews() {
        const labels = createTemporaryObject(labelsComponent, testCase)
        compare(labels.plain.text, "Scan")
        compare(labels.withValue.text, "Total found: 1.5 GB")

        Localizer.language = "tr"
        compare(labels.plain.text, "Tara")
        compare(labels.withValue.text, "Bulunan toplam: 1,5 GB")
        compare(bundleSpy.count, 1)
        compare(languageSpy.count, 1)

        Localizer.language = "en"
        compare(labels.plain.text, "Scan")
        compare(labels.withValue.text, "Total found: 1.5 GB")
    }

    function test_reselectingTheLanguageRedrawsNothing() {
        const labels = createTemporaryObject(labelsComponent, testCase)
        Localizer.language = "en"
        compare(bundleSpy.count, 0)
        compare(languageSpy.count, 0)
        compare(labels.plain.text, "Scan")
    }

    function test_displayNames() {
        compare(Localizer.languages, ["system", "en", "tr"])
        compare(Localizer.displayName("system"), "System Default")
        Localizer.language = "tr"
        compare(Localizer.displayName("system"), "Sistem Varsayılanı")
        compare(Localizer.displayName("en"), "English")
        compare(Localizer.displayName("tr"), "Türkçe")
    }

    Component {
        id: stateComponent
        TestWindowState {}
    }

    function test_mainWindowShape() {
        const component = Qt.createComponent("qrc:/Orvelane/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        const window = createTemporaryObject(component, testCase,
                                             { visible: false, windowState: createTemporaryObject(stateComponent, testCase) })
        verify(window)
        compare(window.title, "Orvelane")
        compare(window.minimumWidth, 820)
        compare(window.minimumHeight, 540)
        compare(window.menuBar.menus[0].title, "File")
        Localizer.language = "tr"
        compare(window.menuBar.menus[0].title, "Dosya")
        compare(window.title, "Orvelane", "the product name is never translated")
    }
}
