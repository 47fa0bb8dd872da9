import QtQuick
import Orvelane

Window {
    id: settingsWindow

    // The shell's: the exclusions and the weekly tidy.
    property SettingsState settingsState: null

    title: qsTr("Settings")
    width: 460
    height: 560
    minimumWidth: 460
    minimumHeight: 240
    color: Theme.formBackground

    SettingsView {
        id: view
        objectName: "settingsView"
        anchors.fill: parent
        settingsState: settingsWindow.settingsState
    }

    // Closes as a desktop's settings windows do; an open pop-up takes Escape first.
    Shortcut {
        sequences: ["Escape", "Ctrl+W"]
        enabled: settingsWindow.visible && !view.popupOpen
        onActivated: settingsWindow.close()
    }
}
