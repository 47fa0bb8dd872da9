import QtQuick
import QtQuick.Templates as T
import Orvelane

// A checkbox sized to the body text beside it: a 14-point rounded box with a grey edge, filled
// with the accent colour and a white tick while on. It has no label of its own; whatever stands
// beside it is the label.
T.CheckBox {
    id: control

    implicitWidth: implicitIndicatorWidth + leftPadding + rightPadding
    implicitHeight: implicitIndicatorHeight + topPadding + bottomPadding
    padding: 0
    spacing: 0

    // What it ticks, for screen readers: whatever stands beside it says it on screen.
    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked

    indicator: Rectangle {
        implicitWidth: 14
        implicitHeight: 14
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: 3.5
        color: control.checked ? Theme.accent : Theme.controlBackground
        border.width: control.checked ? 0 : 1
        border.color: control.down ? Theme.secondaryText : Theme.controlBorder

        Symbol {
            anchors.centerIn: parent
            visible: control.checked
            name: "checkmark"
            size: 12
            font.weight: Font.Bold
            color: "white"
        }
    }
    contentItem: null
}
