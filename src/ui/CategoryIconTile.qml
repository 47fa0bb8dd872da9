import QtQuick
import Orvelane

// A category's symbol, white on a rounded tile shaded from the category's colour.
// Inputs: symbol (name), tint (the category colour), symbolSize, radius; give it its size.
Rectangle {
    id: tile

    property string symbol
    property color tint: Theme.brandBlue
    property real symbolSize: 14

    radius: 7
    // The subtle top-to-bottom shading that standard gradients of one colour get.
    gradient: Gradient {
        GradientStop { position: 0; color: Qt.lighter(tile.tint, 1.14) }
        GradientStop { position: 1; color: tile.tint }
    }

    Symbol {
        anchors.centerIn: parent
        name: tile.symbol
        size: tile.symbolSize
        font.weight: Font.DemiBold
        color: "white"
    }
}
