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
        objectName: "settingsView"
        anchors.fill: parent
    }
}
