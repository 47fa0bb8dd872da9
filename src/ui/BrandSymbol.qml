import QtQuick
import Orvelane

// A symbol filled with the brand gradient, able to bounce once.
// Inputs: name (symbol name), size (pixels). Call bounce() to play the bounce.
Item {
    id: root

    property string name
    property real size: 40
    readonly property alias bouncing: bounceAnimation.running

    implicitWidth: glyph.implicitWidth
    implicitHeight: glyph.implicitHeight

    function bounce() {
        bounceAnimation.restart()
    }

    Symbol {
        id: glyph
        name: root.name
        size: root.size
        visible: false
    }

    BrandFill {
        anchors.fill: glyph
        source: glyph
    }

    // The platform's bounce stands in as one quick lift and a spring back to rest.
    SequentialAnimation {
        id: bounceAnimation

        NumberAnimation {
            target: root
            property: "scale"
            to: Theme.bounceLift
            duration: Theme.bounceLiftDuration
            easing.type: Easing.BezierSpline
            easing.bezierCurve: Theme.easeOut
        }
        NumberAnimation {
            target: root
            property: "scale"
            to: 1
            duration: Spring.duration(Theme.bounceSpring.response, Theme.bounceSpring.damping)
            easing: Spring.easing(Theme.bounceSpring.response, Theme.bounceSpring.damping)
        }
    }
}
