import QtQuick
import Orvelane

// The breathing badge shown while a category is being scanned.
// Input: label — a line under the badge, already translated and shown as given; empty for none
// (then nothing is reserved for it).
Column {
    id: indicator

    property string label
    // Exposed so tests and the gallery can see the animations' state.
    readonly property alias badgeScale: badge.scale
    readonly property int litPart: sparkle.sequence[sparkle.step % sparkle.sequence.length]

    spacing: 16

    Item {
        id: badge
        anchors.horizontalCenter: parent.horizontalCenter
        width: 96
        height: 96
        // The breath scales about the centre: a visual effect that moves no neighbour.
        scale: 0.94

        Rectangle {
            id: disc
            anchors.fill: parent
            radius: width / 2
            visible: false
        }
        BrandFill {
            anchors.fill: disc
            source: disc
            opacity: 0.12
        }

        // The sparkles with their parts lit one after another and back, standing in for the
        // platform's iterative, reversing variable-colour effect.
        Item {
            id: sparkle

            // Parts of the "sparkles" glyph as rectangles of its box: the large star, then the
            // small star at the top right, then the one at the bottom right.
            readonly property var parts: [
                [Qt.rect(0, 0, 0.58, 1), Qt.rect(0.58, 0.4, 0.42, 0.2)],
                [Qt.rect(0.58, 0, 0.42, 0.4)],
                [Qt.rect(0.58, 0.6, 0.42, 0.4)]
            ]
            readonly property var sequence: [0, 1, 2, 1]
            property int step: 0

            anchors.centerIn: parent
            width: glyph.implicitWidth
            height: glyph.implicitHeight

            Symbol {
                id: glyph
                name: "sparkles"
                size: 40
                visible: false
            }

            Repeater {
                model: sparkle.parts.length

                Item {
                    id: part
                    required property int index
                    readonly property bool lit: indicator.litPart === index

                    anchors.fill: parent
                    opacity: lit ? 1 : 0.3
                    Behavior on opacity {
                        NumberAnimation { duration: 180; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
                    }

                    Repeater {
                        model: sparkle.parts[part.index]

                        Item {
                            required property var modelData
                            x: modelData.x * sparkle.width
                            y: modelData.y * sparkle.height
                            width: modelData.width * sparkle.width
                            height: modelData.height * sparkle.height
                            clip: true

                            BrandFill {
                                x: -parent.x
                                y: -parent.y
                                width: sparkle.width
                                height: sparkle.height
                                source: glyph
                            }
                        }
                    }
                }
            }

            Timer {
                interval: 300
                repeat: true
                running: indicator.visible
                onTriggered: sparkle.step = (sparkle.step + 1) % sparkle.sequence.length
            }
        }

        SequentialAnimation on scale {
            loops: Animation.Infinite
            running: indicator.visible

            NumberAnimation {
                from: 0.94
                to: 1.06
                duration: 900
                easing.type: Easing.BezierSpline
                easing.bezierCurve: Theme.easeInOut
            }
            NumberAnimation {
                from: 1.06
                to: 0.94
                duration: 900
                easing.type: Easing.BezierSpline
                easing.bezierCurve: Theme.easeInOut
            }
        }
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        visible: indicator.label !== ""
        text: indicator.label
        textFormat: Text.PlainText
        font: Theme.callout
        color: Theme.secondaryText
    }
}
