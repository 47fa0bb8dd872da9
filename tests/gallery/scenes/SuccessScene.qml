import QtQuick
import QtQuick.Layouts
import Orvelane

// The success card over a busy backdrop, for an everyday amount and for terabytes.
Rectangle {
    width: 760
    height: 420
    property int settleMs: 4000
    color: Theme.controlBackground

    Column {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 8
        Repeater {
            model: 12
            Rectangle {
                required property int index
                width: parent.width
                height: 24
                radius: 4
                color: index % 2 ? "#e8eef6" : "#f5f5f5"
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    x: 8
                    text: "node_modules — project " + parent.index
                    font: Theme.body
                    color: Theme.primaryText
                }
            }
        }
    }

    CleanSuccessOverlay {
        anchors.centerIn: parent
        anchors.horizontalCenterOffset: -170
        cleaned: 1534000000
    }
    CleanSuccessOverlay {
        anchors.centerIn: parent
        anchors.horizontalCenterOffset: 170
        cleaned: 12345678901234
    }
}
