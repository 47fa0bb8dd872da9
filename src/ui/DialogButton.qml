import QtQuick
import Orvelane

// A button of a dialog that only a deliberate key press can work. Key auto-repeat never reaches
// it, nor the release of a key that was already held when the dialog appeared: holding Return
// (or Space) that opened a confirmation cannot also confirm it. A fresh Return or Enter presses
// the focused button, as Space does; the dialog gives its default button the focus.
PushButton {
    id: button

    // Keys whose press began while this button had the focus (and that are still down).
    property var freshKeys: ({})

    focusRingShown: activeFocus
    onActiveFocusChanged: freshKeys = ({})

    Keys.onPressed: event => {
        if (event.isAutoRepeat) {
            event.accepted = true
            return
        }
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            event.accepted = true
            if (button.enabled)
                button.clicked()
            return
        }
        const fresh = button.freshKeys
        fresh[event.key] = true
        button.freshKeys = fresh
        event.accepted = false
    }
    Keys.onReleased: event => {
        if (event.isAutoRepeat || !button.freshKeys[event.key]) {
            event.accepted = true
            return
        }
        const fresh = button.freshKeys
        delete fresh[event.key]
        button.freshKeys = fresh
        event.accepted = false
    }
}
