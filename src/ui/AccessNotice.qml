import QtQuick
import QtQuick.Layouts
import Orvelane

// The sidebar's notice that the Trash could not be read: the permission to grant and a button to
// the system settings where a settings pane grants it, the folder to check where none does.
// Inputs: desktop (the window's DesktopController, whose texts it shows); shown — slides in from
// the bottom and fades in while true, out again when false.
// Signal openSettings().
Item {
    id: notice

    property DesktopController desktop
    property bool shown: false
    // 0 hidden … 1 in place, moved by the panel's spring.
    property real presence: shown ? 1 : 0

    signal openSettings()

    Behavior on presence {
        NumberAnimation {
            duration: Spring.duration(0.4, 0.8)
            easing: Spring.easing(0.4, 0.8)
        }
    }

    visible: presence > 0.001
    implicitHeight: glow.implicitHeight * Math.max(0, Math.min(1, presence))
    clip: presence < 1

    PulsingGlow {
        id: glow
        x: 12
        y: (1 - notice.presence) * implicitHeight
        width: notice.width - 24
        opacity: notice.presence
        color: "yellow"
        active: true
        cornerRadius: 8

        Rectangle {
            width: glow.width
            implicitHeight: column.implicitHeight + 16
            height: implicitHeight
            radius: 8
            color: Qt.rgba(1, 0.8, 0, 0.15)
            border.width: 1
            border.color: Qt.rgba(1, 0.8, 0, 0.5)

            ColumnLayout {
                id: column
                anchors.fill: parent
                anchors.margins: 8
                spacing: 4

                Row {
                    spacing: 4
                    Symbol {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "exclamationmark.triangle.fill"
                        size: Theme.caption.pixelSize + 2
                        color: "#c98a00"
                    }
                    Text {
                        objectName: "noticeTitle"
                        anchors.verticalCenter: parent.verticalCenter
                        text: notice.desktop ? notice.desktop.accessTitle : ""
                        font: Theme.semibold(Theme.caption)
                        color: Theme.primaryText
                    }
                }
                Text {
                    Layout.fillWidth: true
                    text: notice.desktop ? notice.desktop.accessNotice : ""
                    font: Theme.caption2
                    color: Theme.secondaryText
                    wrapMode: Text.Wrap
                }
                PushButton {
                    objectName: "openSettingsButton"
                    visible: notice.desktop ? notice.desktop.opensAccessSettings : false
                    text: qsTr("Open Settings")
                    font: Theme.caption
                    onClicked: notice.openSettings()
                }
            }
        }
    }
}
