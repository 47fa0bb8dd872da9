import QtQuick
import QtQuick.Templates as T
import Orvelane

// A push button of the desktop kind. Inputs: text, icon name (`symbol`, optional),
// prominent (filled with the accent colour), large (the large control size), labelPadding
// (extra inset of the label inside the button, as {left, right, top, bottom}), tint (the fill
// of a prominent button; the accent colour unless given). A disabled button is drawn faded.
T.Button {
    id: control

    property string symbol
    property bool prominent: false
    property bool large: false
    property var labelPadding: ({ left: 0, right: 0, top: 0, bottom: 0 })
    property color tint: Theme.accent
    // Whether the focus ring is drawn: for keyboard focus, as desktops do; dialogs show it for
    // the button that has the focus however it got there, so that Return's target is visible.
    property bool focusRingShown: visualFocus

    // A disabled prominent button loses its fill, as the desktop draws it.
    readonly property bool filled: prominent && enabled
    readonly property color labelColor: filled ? "white" : (enabled ? Theme.primaryText : Theme.tertiaryText)

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    leftPadding: (large ? 12 : 9) + labelPadding.left
    rightPadding: (large ? 12 : 9) + labelPadding.right
    topPadding: (large ? 5 : 3) + labelPadding.top
    bottomPadding: (large ? 5 : 3) + labelPadding.bottom
    font: Theme.body

    Accessible.role: Accessible.Button
    Accessible.name: text
    // A button the view hides until it applies (an empty placeholder action, a skipped count of
    // none) is no button to a screen reader either.
    Accessible.ignored: !visible
    Accessible.onPressAction: if (enabled) clicked()

    // The label sits centred however wide the button is made.
    contentItem: Item {
        implicitWidth: label.implicitWidth
        implicitHeight: label.implicitHeight

        Row {
            id: label
            anchors.centerIn: parent
            spacing: 5

            Symbol {
                anchors.verticalCenter: parent.verticalCenter
                visible: control.symbol !== ""
                name: control.symbol
                size: control.font.pixelSize + 2
                color: control.labelColor
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: control.text
                font: control.font
                color: control.labelColor
            }
        }
    }

    background: Rectangle {
        implicitHeight: control.large ? 28 : 22
        radius: control.large ? 7 : 5
        // White labels stay legible: the tint is darkened as far as that needs.
        color: control.filled ? Qt.darker(Contrast.readable(control.tint, Qt.color("white")), control.down ? 1.15 : 1.0)
                                 : (control.down ? "#e2e2e2" : Theme.controlBackground)
        border.width: control.filled ? 0 : 1
        border.color: Theme.controlBorder

        // The keyboard focus ring.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: parent.radius + 3
            color: "transparent"
            border.width: 2
            border.color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.6)
            visible: control.focusRingShown
        }
    }
}
