import QtQuick
import Orvelane

// The sidebar's Scan button: an arrow and "Scan", in the pressable style. While `busy` the arrow
// turns clockwise, one turn every 0.9 s; when it is no longer busy the arrow turns back to rest.
// The button is disabled while busy. Input: busy. Signal: clicked.
PressableStyle {
    id: button

    property bool busy: false
    readonly property alias arrowRotation: arrow.rotation
    readonly property alias spinning: spin.running

    enabled: !busy
    text: qsTr("Scan")
    font: Theme.body
    padding: 2

    contentItem: Row {
        spacing: 5

        Symbol {
            id: arrow
            anchors.verticalCenter: parent.verticalCenter
            name: "arrow.clockwise"
            size: Theme.body.pixelSize + 3
            color: button.enabled ? Theme.primaryText : Theme.tertiaryText
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: button.text
            font: button.font
            color: button.enabled ? Theme.primaryText : Theme.tertiaryText
        }
    }

    // Only a change of `busy` moves the arrow; the value at start-up triggers nothing.
    onBusyChanged: {
        if (busy) {
            settle.stop()
            spin.from = arrow.rotation % 360
            spin.to = spin.from + 360
            spin.restart()
        } else {
            spin.stop()
            settle.from = arrow.rotation % 360
            settle.restart()
        }
    }

    RotationAnimation {
        id: spin
        target: arrow
        duration: 900
        loops: Animation.Infinite
        direction: RotationAnimation.Clockwise
        easing.type: Easing.Linear
    }
    RotationAnimation {
        id: settle
        target: arrow
        to: 0
        duration: 200
        direction: RotationAnimation.Shortest
        easing.type: Easing.Linear
    }
}
