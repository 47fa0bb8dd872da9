import QtQuick
import QtQuick.Layouts
import Orvelane

// Explains one found item: its name, why it has its safety level, when it last changed, and
// the command or place that rebuilds or manages it.
// Inputs, from the item's record: name (shown verbatim), kind (a Category),
// safetyReason (raw value, or words shown as given), modified (a date, or undefined when
// unknown), actionHint (empty or undefined when there is none).
ColumnLayout {
    id: details

    property string name
    property int kind: -1
    property string safetyReason
    property var modified
    property var actionHint

    // Which lines are shown, for the embedding row and for tests.
    readonly property int lineCount: 2 + (modifiedLine.visible ? 1 : 0) + (hintLine.visible ? 1 : 0)

    spacing: 3

    ItemExplanation {
        id: explanation
        kind: details.kind
        safetyReason: details.safetyReason
        modified: details.modified
        actionHint: details.actionHint
    }

    Text {
        id: nameLine
        objectName: "nameLine"
        Layout.fillWidth: true
        text: details.name
        textFormat: Text.PlainText
        font: Theme.body
        color: Theme.primaryText
        maximumLineCount: 1
        elide: Text.ElideRight
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
    Text {
        id: modifiedLine
        objectName: "modifiedLine"
        Layout.fillWidth: true
        visible: text !== ""
        text: explanation.modifiedText
        font: Theme.caption2
        color: Theme.tertiaryText
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
            name: "terminal"
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
