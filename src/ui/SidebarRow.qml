import QtQuick
import QtQuick.Layouts
import Orvelane

// One category in the sidebar: its icon tile, its title and, at the end, its size ("—" before
// the first scan) or the animated sparkles while it is being scanned.
// Inputs: windowState, kind (a Category), current (the row is the sidebar's selection),
// emphasized (the selection is drawn in the accent colour, i.e. the list has focus).
Item {
    id: row

    property WindowState windowState
    property int kind: -1
    property bool current: false
    property bool emphasized: false
    readonly property alias presentation: presentation
    readonly property string trailingText: presentation.scanning ? "" : sizeLabel.text

    implicitHeight: 34

    Accessible.role: Accessible.ListItem
    Accessible.name: presentation.title + ", " + (presentation.scanning ? qsTr("Scanning…") : presentation.sizeText)
    Accessible.selectable: true
    Accessible.selected: current
    // A rolling size stays inside its own row.
    clip: true

    CategoryPresentation {
        id: presentation
        windowState: row.windowState
        kind: row.kind
    }

    RowLayout {
        anchors.fill: parent
        // Inside the selection highlight (8 points in from the list's edges) with room to spare.
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        spacing: 10

        CategoryIconTile {
            Layout.preferredWidth: 26
            Layout.preferredHeight: 26
            radius: 7
            symbol: presentation.icon
            tint: presentation.color
            symbolSize: 14
        }
        Text {
            objectName: "rowTitle"
            Layout.fillWidth: true
            text: presentation.title
            font: Theme.body
            color: row.current && row.emphasized ? "white" : Theme.primaryText
            elide: Text.ElideRight
        }
        ScanningSparkle {
            objectName: "rowSparkle"
            visible: presentation.scanning
            tint: row.current && row.emphasized ? "white" : presentation.color
        }
        RollingText {
            id: sizeLabel
            objectName: "rowSize"
            visible: !presentation.scanning
            text: presentation.sizeText
            horizontalAlignment: Text.AlignRight
            font: Theme.body
            color: row.current && row.emphasized ? Qt.rgba(1, 1, 1, 0.85) : Theme.secondaryText
        }
    }
}
