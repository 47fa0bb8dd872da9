import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// Asks before a clean: the question as its title, a destructive button and Cancel. The default
// button has the keyboard focus, so a fresh Return (or Space) presses it; Escape cancels. Keys
// that were already held when the dialog appeared, and key auto-repeat, press nothing.
// Inputs: message (the question), confirmText, cancelIsDefault (for what cannot be undone, Cancel
// is the default button: Return alone never deletes for good). Signal confirmed(); either button
// closes it.
Popup {
    id: dialog

    property string message
    property string confirmText
    property bool cancelIsDefault: false
    readonly property Item defaultButton: cancelIsDefault ? cancelButton : confirmButton

    readonly property alias confirmButton: confirmButton
    readonly property alias cancelButton: cancelButton

    signal confirmed()

    // Only keys pressed on purpose while the question is open answer it.
    readonly property alias keyGate: keyGate
    KeyPressGate {
        id: keyGate
        item: dialog.parent
        active: dialog.visible
    }

    onClosed: if (returnFocusTo) returnFocusTo.forceActiveFocus()

    function confirm() {
        close()
        confirmed()
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: 20
    width: Math.min(420, parent ? parent.width - 40 : 420)

    // Keyboard users carry on where they were once it closes.
    property Item returnFocusTo: null
    onAboutToShow: returnFocusTo = parent ? parent.Window.activeFocusItem : null
    onOpened: defaultButton.forceActiveFocus()

    background: Rectangle {
        radius: 12
        color: Theme.windowBackground
        border.width: 1
        border.color: Theme.controlBorder
    }

    Overlay.modal: Rectangle {
        color: Qt.rgba(0, 0, 0, 0.18)
    }

    contentItem: ColumnLayout {
        spacing: 16
        Accessible.role: Accessible.Dialog
        Accessible.name: dialog.message

        Text {
            objectName: "confirmationTitle"
            Layout.fillWidth: true
            text: dialog.message
            font: Theme.semibold(Theme.body)
            color: Theme.primaryText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: Theme.defaultSpacing

            DialogButton {
                id: cancelButton
                objectName: "cancelButton"
                text: qsTr("Cancel")
                onClicked: dialog.close()
            }
            DialogButton {
                id: confirmButton
                objectName: "confirmButton"
                text: dialog.confirmText
                prominent: true
                tint: "red"
                onClicked: dialog.confirm()
            }
        }
    }
}
