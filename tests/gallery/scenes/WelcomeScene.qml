import QtQuick
import Orvelane

Rectangle {
    width: 640
    height: 420
    color: Theme.controlBackground

    WelcomeView {
        anchors.fill: parent
    }
}
