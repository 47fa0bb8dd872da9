import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

ApplicationWindow {
    id: window

    signal settingsRequested()

    title: "Orvelane"
    minimumWidth: 820
    minimumHeight: 540
    width: 1000
    height: 640
    visible: true

    menuBar: MenuBar {
        Menu {
            title: qsTr("File")
            Action {
                text: qsTr("Settings…")
                shortcut: "Ctrl+,"
                onTriggered: window.settingsRequested()
            }
            MenuSeparator {}
            Action {
                text: qsTr("Close Window")
                shortcut: StandardKey.Close
                onTriggered: window.close()
            }
            Action {
                text: qsTr("Quit Orvelane")
                shortcut: StandardKey.Quit
                onTriggered: Qt.quit()
            }
        }
    }

    // The content view arrives with the main window work; until then the window shows what a
    // first launch shows: nothing scanned yet.
    ColumnLayout {
        anchors.centerIn: parent
        spacing: 8

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Ready to tidy up your Mac")
            font.pixelSize: 22
            font.weight: Font.DemiBold
        }
        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Not scanned yet")
            opacity: 0.6
        }
    }

    Component.onCompleted: {
        raise()
        requestActivate()
    }
}
