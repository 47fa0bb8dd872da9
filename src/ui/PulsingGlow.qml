import QtQuick
import Qt5Compat.GraphicalEffects as Effects
import Orvelane

// Wraps its content in a glow that pulses.
// Inputs: color (of the glow), active (whether it glows at all), cornerRadius (of the content's
// outline, which the glow follows).
// While the element is active and shown, the glow swells from 15 % to 75 % opacity and from
// radius 3 to 11 over 1.1 s, shrinks back, and so on. It starts pulsing whenever it becomes
// active, not only when it is first shown (a view built once would otherwise keep a glow that
// turned on later faint and still). Hidden or inactive it rests at the faint end and nothing
// runs, so a hidden glow never keeps the window drawing.
// The glow is drawn as a rounded rectangle behind the content whose reach is a shader value:
// a blurred copy of the content would rebuild its shader for every radius of the pulse.
Item {
    id: root

    property color color: Theme.brandBlue
    property bool active: false
    property real cornerRadius: 6
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
        loops: Animation.Infinite
        running: root.pulsing

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

    onPulsingChanged: if (!pulsing) phase = 0
}
