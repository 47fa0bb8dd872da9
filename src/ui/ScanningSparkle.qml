import QtQuick
import Orvelane

// The small "sparkles" a sidebar row shows while its category is scanned, brightening and
// dimming without end in place of the platform's variable-colour effect.
// Input: tint (the category colour).
Symbol {
    id: sparkle

    property color tint: Theme.brandBlue

    name: "sparkles"
    size: Theme.caption.pixelSize + 2
    color: tint

    SequentialAnimation on opacity {
        loops: Animation.Infinite
        running: sparkle.visible
        NumberAnimation { from: 1; to: 0.3; duration: 450; easing.type: Easing.InOutQuad }
        NumberAnimation { from: 0.3; to: 1; duration: 450; easing.type: Easing.InOutQuad }
    }
}
