import QtQuick
import Orvelane
import OrvelaneTesting

Rectangle {
    width: 640
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
