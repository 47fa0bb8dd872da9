import QtQuick
import Qt5Compat.GraphicalEffects as Effects
import Orvelane

// Wraps its content in a glow that pulses.
// Inputs: color (of the glow), active (whether it glows at all).
// While the element is active and shown, the glow swells from 15 % to 75 % opacity and from
// radius 3 to 11 over 1.1 s, shrinks back, and so on. It starts pulsing whenever it becomes
// active, not only when it is first shown (a view built once would otherwise keep a glow that
// turned on later faint and still). Hidden or inactive it rests at the faint end and nothing
// runs, so a hidden glow never keeps the window drawing.
Item {
    id: root

    property color color: Theme.brandBlue
    property bool active: false
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

    Item {
        id: holder
        anchors.fill: parent
    }

    // An inactive glow draws nothing: no layer to render either.
    layer.enabled: active
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
