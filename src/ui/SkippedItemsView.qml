import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// The sheet that lists what a scan examined but did not offer, 600 × 480 unless whoever presents
// it gives it less room.
// Input: items — the category's skipped entries, in the scanner's order (largest first), as
// objects {name, url (or path), size, reason, key}: size a byte count, absent (undefined or -1)
// when unknown; reason a skip reason's raw value. At most the first 300 are listed.
// kind: the Category, so that an entry below its size threshold names the threshold.
// Signal offerAgainRequested(key): an entry the user excluded is to be offered again.
// Signal dismiss(): the Done button; whoever presents the sheet closes it. takeFocus() gives the
// keyboard to Done (Return or Space dismisses); Tab goes on to the list and back.
Rectangle {
    id: sheet

    property var items: []
    property int kind: -1
    readonly property alias listedCount: list.count
    readonly property bool showsCapNote: rows.capped

    signal dismiss()
    signal offerAgainRequested(string key)

    function takeFocus() {
        doneButton.forceActiveFocus()
    }

    implicitWidth: 600
    implicitHeight: 480
    color: Theme.windowBackground

    SkippedItemsModel {
        id: rows
        entries: sheet.items
        kind: sheet.kind
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: Theme.defaultPadding
            spacing: Theme.defaultSpacing

            Text {
                text: qsTr("Protected / Skipped Items")
                font: Theme.semibold(Theme.title2)
                color: Theme.primaryText
            }
            Item {
                Layout.fillWidth: true
            }
            DialogButton {
                id: doneButton
                objectName: "doneButton"
                text: qsTr("Done")
                onClicked: sheet.dismiss()
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.separator
        }

        ListView {
            id: list
            objectName: "skippedList"
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Protected / Skipped Items")
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: rows
            activeFocusOnTab: true
            keyNavigationEnabled: true
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            Rectangle {
                anchors.fill: parent
                z: -1
                color: Theme.controlBackground
                // The keyboard is in the list: its edge and its current row say so.
                border.width: list.activeFocus ? 2 : 0
                border.color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.6)
            }
            highlightMoveDuration: 0
            highlight: Rectangle {
                visible: list.activeFocus
                color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.12)
            }

            delegate: Item {
                id: row

                required property string name
                required property string explanation
                required property bool hasSize
                required property string sizeText
                required property string key
                required property bool offersAgain

                width: ListView.view.width
                implicitHeight: content.implicitHeight + 2 * 6
                Accessible.role: Accessible.ListItem
                Accessible.name: row.name + (row.hasSize ? ", " + row.sizeText : "")
                Accessible.description: row.explanation

                RowLayout {
                    id: content
                    anchors.fill: parent
                    anchors.leftMargin: 12
                    anchors.rightMargin: 12
                    spacing: Theme.defaultSpacing

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 3

                        Text {
                            objectName: "skippedName"
                            Layout.fillWidth: true
                            text: row.name
                            textFormat: Text.PlainText
                            font: Theme.body
                            color: Theme.primaryText
                            maximumLineCount: 1
                            elide: Text.ElideRight
                        }
                        Text {
                            objectName: "skippedExplanation"
                            Layout.fillWidth: true
                            text: row.explanation
                            font: Theme.caption
                            color: Theme.secondaryText
                            elide: Text.ElideRight
                        }
                    }
                    Text {
                        objectName: "sizeText"
                        visible: row.hasSize
                        text: row.sizeText
                        font: Theme.body
                        color: Theme.secondaryText
                    }
                    PushButton {
                        objectName: "offerAgainButton"
                        visible: row.offersAgain
                        text: qsTr("Offer Again")
                        onClicked: sheet.offerAgainRequested(row.key)
                    }
                }
            }
        }

        Text {
            objectName: "capNote"
            Layout.alignment: Qt.AlignHCenter
            Layout.margins: 8
            visible: rows.capped
            text: qsTr("Showing the first 300 skipped items.")
            font: Theme.caption
            color: Theme.secondaryText
        }
    }
}
