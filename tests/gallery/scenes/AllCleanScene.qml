import QtQuick
import Orvelane

Rectangle {
    width: 520
    height: 320
    color: Theme.controlBackground

    AllCleanView {
        anchors.fill: parent
    }
}
