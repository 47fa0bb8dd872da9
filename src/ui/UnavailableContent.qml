import QtQuick
import QtQuick.Layouts
import Orvelane

// The placeholder for content that is not there: a large grey symbol, a title, an optional
// description and an optional action button.
// Inputs: symbol, title, description (empty for none), actionText (empty for no button).
// Signal action(): the button.
Item {
    id: placeholder

    property string symbol
    property string title
    property string description
    property string actionText

    signal action()

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(implicitWidth, placeholder.width - 2 * Theme.defaultPadding)
        spacing: 8

        Symbol {
            Layout.alignment: Qt.AlignHCenter
            Layout.bottomMargin: 4
            name: placeholder.symbol
            size: 44
            color: Theme.secondaryText
        }
        Text {
            objectName: "placeholderTitle"
            Layout.alignment: Qt.AlignHCenter
            text: placeholder.title
            font: Theme.semibold(Theme.title2)
            color: Theme.primaryText
        }
        Text {
            objectName: "placeholderDescription"
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 360
            Layout.fillWidth: true
            visible: text !== ""
            text: placeholder.description
            font: Theme.callout
            color: Theme.secondaryText
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        PushButton {
            objectName: "placeholderAction"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 4
            visible: placeholder.actionText !== ""
            text: placeholder.actionText
            onClicked: placeholder.action()
        }
    }
}
