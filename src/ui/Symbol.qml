import QtQuick
import Orvelane

// A named symbol ("globe", "terminal", …) drawn with the icon font.
// Inputs: name (symbol name), size (pixels), color.
Text {
    property string name
    property real size: Theme.body.pixelSize

    text: Symbols.ligature(name)
    // A private-use glyph reads as gibberish; what it stands for is said by its control.
    Accessible.ignored: true
    textFormat: Text.PlainText
    font.family: Symbols.fontFamily
    font.pixelSize: size
    color: Theme.primaryText
}
