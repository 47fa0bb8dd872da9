import QtQuick
import QtQuick.Templates as T
import Orvelane

// An on/off switch of the desktop kind: a small rounded track, filled with the accent colour
// while on, and a white knob. It has no label of its own; `text` names it for screen readers.
T.Switch {
    id: control

    implicitWidth: implicitIndicatorWidth + leftPadding + rightPadding
    implicitHeight: implicitIndicatorHeight + topPadding + bottomPadding
    padding: 2

    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked

    indicator: Rectangle {
        implicitWidth: 34
        implicitHeight: 20
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: height / 2
        color: control.checked ? Theme.selectedContent : "#c8c8c8"
        opacity: control.enabled ? 1 : 0.5

        Rectangle {
            width: parent.height - 4
            height: width
            radius: width / 2
            x: control.checked ? parent.width - width - 2 : 2
            anchors.verticalCenter: parent.verticalCenter
            color: "white"
            border.width: 1
            border.color: Theme.controlBorder
        }

        // The keyboard focus ring.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: height / 2
            color: "transparent"
            border.width: 2
            border.color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.6)
            visible: control.visualFocus
        }
    }
    contentItem: null
}
