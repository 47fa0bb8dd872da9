import QtQuick
import QtQuick.Layouts
import Orvelane

// Shown for a scanned category with nothing left to clean. No inputs; calls nothing.
Item {
    id: allClean

    // Becomes true once, when the view is shown; its change plays the symbol's bounce.
    property bool appeared: false
    readonly property alias symbolBouncing: symbol.bouncing

    onAppearedChanged: symbol.bounce()
    Component.onCompleted: appeared = true

    ColumnLayout {
        anchors.centerIn: parent
        spacing: 12

        BrandSymbol {
            id: symbol
            Layout.alignment: Qt.AlignHCenter
            name: "checkmark.seal.fill"
            size: 52
        }
        Text {
            objectName: "title"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("All clean!")
            font: Theme.semibold(Theme.title3)
            color: Theme.primaryText
        }
        Text {
            objectName: "message"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Nothing to clean in this category.")
            font: Theme.body
            color: Theme.secondaryText
        }
    }
}
