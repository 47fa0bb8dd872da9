import QtQuick
import QtQuick.Layouts
import Orvelane

// Greets the user before the first scan and offers the button that starts it.
// Input: desktop, the window's DesktopController (its greeting names the desktop). Signal scan():
// the Scan button, or Return while the view is shown; the embedding view starts the full scan.
Item {
    id: welcome

    // Becomes true once, when the view is shown; its change plays the symbol's bounce.
    property bool appeared: false
    readonly property alias symbolBouncing: symbol.bouncing
    property DesktopController desktop

    signal scan()

    onAppearedChanged: symbol.bounce()
    Component.onCompleted: appeared = true

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(implicitWidth, welcome.width)
        spacing: 20

        BrandSymbol {
            id: symbol
            Layout.alignment: Qt.AlignHCenter
            name: "sparkles"
            size: 60
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignHCenter
            Layout.fillWidth: true
            spacing: 6

            Text {
                objectName: "title"
                Layout.alignment: Qt.AlignHCenter
                text: welcome.desktop ? welcome.desktop.welcomeTitle : ""
                font: Theme.semibold(Theme.title2)
                color: Theme.primaryText
            }
            Text {
                objectName: "description"
                Layout.alignment: Qt.AlignHCenter
                Layout.maximumWidth: 340
                Layout.fillWidth: true
                text: qsTr("Scan to see what can be safely cleaned. Nothing is touched until you choose.")
                font: Theme.callout
                color: Theme.secondaryText
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
            }
        }

        PushButton {
            id: scanButton
            objectName: "scanButton"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Scan")
            symbol: "sparkles"
            prominent: true
            large: true
            labelPadding: ({ left: 10, right: 10, top: 4, bottom: 4 })
            onClicked: welcome.scan()
        }
    }

    // The default action: Return starts the scan while the view is shown, unless the keyboard
    // is on another button, which Return then presses.
    Shortcut {
        sequences: ["Return", "Enter"]
        autoRepeat: false
        enabled: welcome.visible
        onActivated: if (!FocusedButton.press(welcome)) welcome.scan()
    }
}
