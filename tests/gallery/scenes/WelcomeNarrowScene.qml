import QtQuick
import Orvelane
import OrvelaneTesting

// A narrow pane: the description wraps inside its limit and stays centred.
Rectangle {
    width: 300
    height: 420
    color: Theme.controlBackground

    TestWindowState {
        id: windowState
    }
    WelcomeView {
        anchors.fill: parent
        desktop: windowState.desktop
    }
}
