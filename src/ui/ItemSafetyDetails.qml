import QtQuick
import QtQuick.Layouts
import Orvelane

// Explains one found item: its name and place, why it has its safety level, when it last changed
// (or was deleted), and how it comes back or the command or place that manages it.
// Inputs, from the item's record: name (shown verbatim), place (its path from the home folder,
// or empty), kind (a Category), safetyReason (raw value, or words shown as given),
// modified and deleted (dates, or undefined when unknown), actionHint (empty or undefined when
// there is none) with hintForm ("command" or "sentence"), application (the item's program),
// projectAge (a build folder's "Project untouched for 5 months", or empty).
ColumnLayout {
    id: details

    property string name
    property int kind: -1
    property string safetyReason
    property var modified
    property var actionHint
    property string hintForm: "command"
    property var application
    property var deleted
    property string place
    property string projectAge

    // The lines below the name, as one text for screen readers.
    readonly property string accessibleText: [placeLine.text, reasonLine.text, modifiedLine.text, hintText.text]
        .filter(line => line !== "").join(". ")

    // Which lines are shown, for the embedding row and for tests.
    readonly property int lineCount: 2 + (modifiedLine.visible ? 1 : 0) + (hintLine.visible ? 1 : 0)

    spacing: 3

    ItemExplanation {
        id: explanation
        kind: details.kind
        safetyReason: details.safetyReason
        modified: details.modified
        actionHint: details.actionHint
        hintForm: details.hintForm
        application: details.application ?? ""
        deleted: details.deleted
    }

    // The name, and beside it where the item lies: two rows may share a program, never a place.
    RowLayout {
        Layout.fillWidth: true
        spacing: 8

        Text {
            id: nameLine
            objectName: "nameLine"
            // The name keeps at least half the room; the place gives way first.
            Layout.fillWidth: true
            Layout.preferredWidth: implicitWidth
            Layout.maximumWidth: implicitWidth
            Layout.minimumWidth: Math.min(implicitWidth, details.width / 2)
            text: details.name
            textFormat: Text.PlainText
            font: Theme.body
            color: Theme.primaryText
            maximumLineCount: 1
            elide: Text.ElideRight
        }
        Text {
            id: placeLine
            objectName: "placeLine"
            Layout.fillWidth: true
            Layout.preferredWidth: implicitWidth
            Layout.minimumWidth: 0
            visible: text !== ""
            text: details.place
            textFormat: Text.PlainText
            font: Theme.caption
            color: Theme.secondaryText
            maximumLineCount: 1
            elide: Text.ElideMiddle
        }
    }
    Text {
        id: reasonLine
        objectName: "reasonLine"
        Layout.fillWidth: true
        text: explanation.explanation
        font: Theme.caption
        color: Theme.secondaryText
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }
    // The project's age shares the date's line, first: for a build folder it is what decides,
    // and a line of its own would make these rows taller than every other list's.
    Text {
        id: modifiedLine
        objectName: "modifiedLine"
        Layout.fillWidth: true
        visible: text !== ""
        text: [details.projectAge, explanation.modifiedText].filter(part => part !== "").join("  ·  ")
        font: Theme.caption2
        color: Theme.secondaryText
        elide: Text.ElideRight
    }
    Row {
        id: hintLine
        objectName: "hintLine"
        Layout.fillWidth: true
        visible: explanation.hintText !== ""
        spacing: 4

        Symbol {
            id: hintSymbol
            anchors.verticalCenter: parent.verticalCenter
            name: explanation.hintIsCommand ? "terminal" : "arrow.clockwise"
            size: Theme.caption.pixelSize + 1
            color: explanation.hintColor
        }
        Text {
            id: hintText
            objectName: "hintText"
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, hintLine.width - hintSymbol.width - hintLine.spacing)
            text: explanation.hintText
            textFormat: Text.PlainText
            font: Theme.caption
            color: explanation.hintColor
            elide: Text.ElideRight
        }
    }
}
