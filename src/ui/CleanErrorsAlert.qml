import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// The alert after a clean that left items behind: its messages (at most five, as the summary
// gives them) and one OK button. It opens whenever the summary has messages; closing it in any
// way (OK, Return, Escape) forgets them. Inputs: summary (the window's WindowSummary),
// fromPutBack (the messages are of items an undo or a put-back left in the Trash).
Popup {
    id: alert

    property WindowSummary summary
    property bool fromPutBack: false
    // Without a summary, the alert says one given thing under its own heading (the file
    // manager that could not be reached).
    property string heading
    property string text
    signal dismissed()
    readonly property string message: summary ? summary.alertMessage : text
    readonly property string title: heading !== "" ? heading
                                  : fromPutBack ? qsTr("Some items could not be put back") : qsTr("Some items could not be cleaned")

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: 20
    width: Math.min(420, parent ? parent.width - 40 : 420)

    readonly property bool wanted: summary ? summary.showsAlert : text !== ""
    onWantedChanged: if (wanted) open()
    Component.onCompleted: if (wanted) open()
    // Keyboard users carry on where they were once it closes.
    property Item returnFocusTo: null
    onAboutToShow: returnFocusTo = parent ? parent.Window.activeFocusItem : null
    onOpened: okButton.forceActiveFocus()
    // The control that had the keyboard went away while the alert was open.
    signal focusOrphaned()

    // A Return still held from the clean's confirmation does not dismiss the alert unread.
    KeyPressGate {
        item: alert.parent
        active: alert.visible
    }

    onClosed: {
        if (returnFocusTo)
            returnFocusTo.forceActiveFocus()
        else
            focusOrphaned()
        dismissed()
    }

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
        Accessible.role: Accessible.AlertMessage
        Accessible.name: alert.title
        spacing: 10

        Symbol {
            Layout.alignment: Qt.AlignHCenter
            name: "exclamationmark.triangle.fill"
            size: 36
            color: "#e0a000"
        }
        Text {
            objectName: "alertTitle"
            Layout.fillWidth: true
            text: alert.title
            font: Theme.semibold(Theme.body)
            color: Theme.primaryText
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "alertMessage"
            Layout.fillWidth: true
            text: alert.message
            textFormat: Text.PlainText
            font: Theme.callout
            color: Theme.primaryText
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        DialogButton {
            id: okButton
            objectName: "okButton"
            Layout.fillWidth: true
            Layout.topMargin: 6
            text: qsTr("OK")
            prominent: true
            onClicked: alert.close()
        }
    }
}
