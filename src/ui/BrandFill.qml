import QtQuick
import Qt5Compat.GraphicalEffects as Effects
import Orvelane

// Paints the opaque pixels of `source` with the brand gradient, mint at the top-left corner to
// blue at the bottom-right corner of this item. Give it the source's geometry and hide the source.
Effects.LinearGradient {
    start: Qt.point(0, 0)
    end: Qt.point(width, height)
    gradient: Theme.brandGradient
}
