import QtQuick
import QtQuick.Layouts
import Orvelane

// Shown for the guidance category when no store reached its threshold. Guidance has nothing to
// clean by design, so it never says "all clean": it says what it looks for, and lists the smaller
// stores it did find with their sizes.
// Inputs: kind (a Category), threshold (its size threshold, formatted), stores (the
// category's skipped entries, as the sheet takes them). Calls nothing.
Item {
    id: view

    property int kind: -1
    property string threshold
    property var stores: []
    readonly property alias listedCount: smaller.count

    SkippedItemsModel {
        id: smallerStores
        entries: view.stores
        kind: view.kind
        onlyReason: "belowSizeThreshold"
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * Theme.defaultPadding, 460)
        spacing: 12

        BrandSymbol {
            Layout.alignment: Qt.AlignHCenter
            name: "chart.bar.doc.horizontal"
            size: 52
        }
        Text {
            objectName: "title"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("No large stores found")
            font: Theme.semibold(Theme.title3)
            color: Theme.primaryText
        }
        Text {
            objectName: "message"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: Localizer.format(smallerStores.totalCount > 0
                                   ? qsTr("Stores of %@ or more are listed here. These smaller ones were found:")
                                   : qsTr("Stores of %@ or more are listed here."), [view.threshold])
            font: Theme.body
            color: Theme.secondaryText
        }
        Repeater {
            id: smaller
            model: smallerStores
            delegate: RowLayout {
                required property string name
                required property string sizeText
                Layout.fillWidth: true
                spacing: Theme.defaultSpacing
                Text {
                    Layout.fillWidth: true
                    text: parent.name
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    font: Theme.body
                    color: Theme.primaryText
                }
                Text {
                    text: parent.sizeText
                    font: Theme.body
                    color: Theme.secondaryText
                }
            }
        }
    }
}
