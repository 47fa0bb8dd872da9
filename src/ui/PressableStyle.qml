import QtQuick
import QtQuick.Templates as T
import Orvelane

// A button in the pressable style: its label exactly as given (set contentItem, or just text),
// no background, border or colour of its own, shrinking to 94 % about its centre while held
// and springing back when let go. Handle `clicked` as with any button.
T.AbstractButton {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 0
    hoverEnabled: false

    Accessible.role: Accessible.Button
    Accessible.name: text
    // A button the view hides until it applies (an empty placeholder action, a skipped count of
    // none) is no button to a screen reader either.
    Accessible.ignored: !visible
    Accessible.onPressAction: if (enabled) clicked()

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? Theme.primaryText : Theme.tertiaryText
    }
    background: null

    // The keyboard focus ring, so that a keyboard user sees which button Space presses.
    Rectangle {
        anchors.fill: parent
        anchors.margins: -3
        radius: 5
        color: "transparent"
        border.width: 2
        border.color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.6)
        visible: control.visualFocus
    }

    // Only the pressed state moves the scale, so only a press or a release animates.
    scale: pressed ? 0.94 : 1
    Behavior on scale {
        NumberAnimation {
            duration: Spring.duration(Theme.pressSpring.response, Theme.pressSpring.damping)
            easing: Spring.easing(Theme.pressSpring.response, Theme.pressSpring.damping)
        }
    }
}
