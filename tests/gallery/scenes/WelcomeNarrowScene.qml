import QtQuick
import Orvelane

// A narrow pane: the description wraps inside its limit and stays centred.
Rectangle {
    width: 300
    height: 420
    color: Theme.controlBackground

    WelcomeView {
        anchors.fill: parent
    }
}
