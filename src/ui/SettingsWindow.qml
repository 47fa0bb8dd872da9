import QtQuick
import Orvelane

Window {
    id: settingsWindow

    title: qsTr("Settings")
    width: 380
    height: 280
    minimumWidth: 380
    minimumHeight: 280
    maximumWidth: 380
    maximumHeight: 280
    color: Theme.formBackground

    SettingsView {
        id: view
        objectName: "settingsView"
        anchors.fill: parent
    }

    // Closes as a desktop's settings windows do; an open pop-up takes Escape first.
    Shortcut {
        sequences: ["Escape", "Ctrl+W"]
        enabled: settingsWindow.visible && !view.popupOpen
        onActivated: settingsWindow.close()
    }
}
