import QtQuick
import Orvelane

// A button of a dialog: Return and Enter press it while it has the focus, as Space does, and its
// focus ring shows however it got the focus, so that Return's target is always visible. The
// dialog gives its default button the focus, and holds back keys that were not pressed on
// purpose (see KeyPressGate).
PushButton {
    id: button

    focusRingShown: activeFocus

    Keys.onReturnPressed: if (button.enabled) button.clicked()
    Keys.onEnterPressed: if (button.enabled) button.clicked()
}
