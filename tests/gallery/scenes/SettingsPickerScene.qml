import QtQuick
import Orvelane

// The settings view with the language menu open.
SettingsView {
    id: view
    property int settleMs: 800
    width: 380
    height: 280
    // A popup needs the window, which the view gets once it is shown.
    Timer {
        interval: 100
        running: true
        onTriggered: view.languagePicker.popup.open()
    }
}
