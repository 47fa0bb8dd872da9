import QtQuick
import Qt5Compat.GraphicalEffects as Effects
import Orvelane

// Wraps its content in a glow that pulses.
// Inputs: color (of the glow), active (whether it glows at all), cornerRadius (of the content's
// outline, which the glow follows).
// While the element is active and shown, the glow swells from 15 % to 75 % opacity and from
// radius 3 to 11 over 1.1 s, shrinks back, and so on for `breaths` breaths; then it stays lit
// at the bright end, still, so that a window left alone draws nothing (an endless pulse kept a
// core busy). It starts pulsing whenever it becomes active or shown, not only when it is first
// shown (a view built once would otherwise keep a glow that turned on later faint and still).
// Hidden or inactive it rests at the faint end and nothing runs.
// The glow is drawn as a rounded rectangle behind the content whose reach is a shader value:
// a blurred copy of the content would rebuild its shader for every radius of the pulse.
Item {
    id: root

    property color color: Theme.brandBlue
    property bool active: false
    property real cornerRadius: 6
    // How many times it swells and shrinks before it settles.
    property int breaths: 3
    // The pulse is running.
    readonly property alias on: pulse.running
    readonly property bool pulsing: active && visible
    // 0 at the faint end of the pulse, 1 at the bright end.
    property real phase: 0
    readonly property color glowColor: active ? Qt.rgba(color.r, color.g, color.b, color.a * (0.15 + 0.6 * phase))
                                              : "transparent"
    readonly property real glowRadius: 3 + 8 * phase

    default property alias content: holder.data

    implicitWidth: holder.childrenRect.width
    implicitHeight: holder.childrenRect.height

    Effects.RectangularGlow {
        objectName: "glowShape"
        anchors.fill: holder
        // An inactive glow draws nothing at all.
        visible: root.active
        glowRadius: root.glowRadius
        spread: 0.1
        color: root.glowColor
        cornerRadius: root.cornerRadius + root.glowRadius
    }

    Item {
        id: holder
        anchors.fill: parent
    }

    SequentialAnimation {
        id: pulse
        loops: root.breaths
        running: false
        onFinished: root.phase = 1

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

    onPulsingChanged: {
        if (pulsing) {
            pulse.restart()
        } else {
            pulse.stop()
            phase = 0
        }
    }
    Component.onCompleted: if (pulsing) pulse.start()
}
