import QtQuick
import QtQuick.Controls
import Orvelane

// A day count for the tidy's choices: shown as "30 days" in the current language, typed as a
// number, kept within from..to by the control. Inputs: name (what it counts, for screen readers),
// dayText (a function giving the shown text for a count). Signal: the control's valueModified.
SpinBox {
    id: control

    property string name
    property var dayText: count => String(count)

    editable: true
    font: Theme.body
    // Typing over "30 days" leaves digits and whatever word follows them; the number counts.
    validator: RegularExpressionValidator { regularExpression: /[0-9]{1,4}[^0-9]*/ }
    // A new function on each language switch: the control words its value again.
    textFromValue: wording(Localizer.bundle)
    function wording(bundle) {
        return (value, locale) => control.dayText(value)
    }
    valueFromText: (text, locale) => {
        const typed = parseInt(text, 10)
        return isNaN(typed) ? control.value : typed
    }

    Accessible.role: Accessible.SpinBox
    Accessible.name: name
    Accessible.description: displayText

    contentItem: TextInput {
        text: control.displayText
        font: control.font
        color: Theme.primaryText
        selectionColor: Theme.selectedContent
        selectedTextColor: "white"
        horizontalAlignment: Qt.AlignHCenter
        verticalAlignment: Qt.AlignVCenter
        readOnly: !control.editable
        validator: control.validator
        inputMethodHints: Qt.ImhDigitsOnly
        selectByMouse: true
        Accessible.role: Accessible.EditableText
        Accessible.name: control.name
    }

    background: Rectangle {
        implicitWidth: 150
        implicitHeight: 26
        radius: 5
        color: Theme.controlBackground
        border.width: 1
        border.color: Theme.controlBorder

        // The keyboard focus ring.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: parent.radius + 3
            color: "transparent"
            border.width: 2
            border.color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.6)
            visible: control.activeFocus
        }
    }
}
