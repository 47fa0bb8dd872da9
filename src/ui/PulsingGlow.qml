import QtQuick
import Qt5Compat.GraphicalEffects as Effects
import Orvelane

// Wraps its content in a glow that pulses.
// Inputs: color (of the glow), active (whether it glows at all).
// The pulse starts only if `active` is already true when the element is shown: then the glow
// swells from 15 % to 75 % opacity and from radius 3 to 11 over 1.1 s, shrinks back, and so on
// for as long as it is shown. An element shown inactive never pulses; made active later it
// glows faint and steady (15 %, radius 3).
Item {
    id: root

    property color color: Theme.brandBlue
    property bool active: false
    // The bright end of the pulse: set once, when the element is shown active.
    readonly property alias on: pulse.running
    // 0 at the faint end of the pulse, 1 at the bright end.
    property real phase: 0
    readonly property color glowColor: active ? Qt.rgba(color.r, color.g, color.b, color.a * (0.15 + 0.6 * phase))
                                              : "transparent"
    readonly property real glowRadius: 3 + 8 * phase

    default property alias content: holder.data

    implicitWidth: holder.childrenRect.width
    implicitHeight: holder.childrenRect.height

    Item {
        id: holder
        anchors.fill: parent
    }

    layer.enabled: true
    layer.effect: Effects.DropShadow {
        color: root.glowColor
        radius: root.glowRadius
        samples: 25
        horizontalOffset: 0
        verticalOffset: 0
        transparentBorder: true
    }

    SequentialAnimation {
        id: pulse
        loops: Animation.Infinite

        NumberAnimation {
            target: root
            property: "phase"
            from: 0
            to: 1
            duration: 1100
            easing.type: Easing.BezierSpline
            easing.bezierCurve: Theme.easeInOut
        }
        NumberAnimation {
            target: root
            property: "phase"
            from: 1
            to: 0
            duration: 1100
            easing.type: Easing.BezierSpline
            easing.bezierCurve: Theme.easeInOut
        }
    }

    Component.onCompleted: {
        if (active)
            pulse.start()
    }
}
