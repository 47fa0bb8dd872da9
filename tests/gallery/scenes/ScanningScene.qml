import QtQuick
import Orvelane

// The indicator with the detail view's label, and bare.
Rectangle {
    width: 520
    height: 260
    color: Theme.controlBackground

    ScanningIndicator {
        anchors.verticalCenter: parent.verticalCenter
        x: 130 - width / 2
        label: qsTr("Scanning…")
    }
    ScanningIndicator {
        anchors.verticalCenter: parent.verticalCenter
        x: 390 - width / 2
    }
}
