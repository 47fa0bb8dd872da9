import QtQuick
import QtQuick.Layouts
import Qt5Compat.GraphicalEffects as Effects
import Orvelane

// The card that celebrates a finished clean: a seal, a ripple ring and the space freed.
// Inputs: cleaned — bytes freed; offersUndo — the clean moved items to the Trash, so an Undo
// button is offered (signal undoRequested). Output: pointerInside, while the pointer rests on the
// card (the window keeps it up meanwhile). The card plays its entrance once, when shown; the
// main window creates a new card for each new amount and takes it away again.
Item {
    id: overlay

    property real cleaned: 0
    property bool offersUndo: false
    readonly property bool pointerInside: pointer.hovered
    readonly property alias undoButton: undoButton

    signal undoRequested()
    // The card has made its entrance (sprung in); the ring has expanded (rippled out).
    property bool appeared: false
    property bool ring: false

    readonly property alias card: card
    readonly property alias ringItem: ringShape
    readonly property alias text: amount.text

    implicitWidth: card.implicitWidth
    implicitHeight: card.implicitHeight

    Item {
        id: card

        anchors.centerIn: parent
        implicitWidth: stack.implicitWidth + 2 * 32
        implicitHeight: stack.implicitHeight + 2 * 32
        width: implicitWidth
        height: implicitHeight
        scale: overlay.appeared ? 1 : 0.7
        opacity: overlay.appeared ? 1 : 0

        HoverHandler {
            id: pointer
        }

        Behavior on scale {
            NumberAnimation {
                duration: Spring.duration(Theme.entranceSpring.response, Theme.entranceSpring.damping)
                easing: Spring.easing(Theme.entranceSpring.response, Theme.entranceSpring.damping)
            }
        }
        Behavior on opacity {
            NumberAnimation {
                duration: Spring.duration(Theme.entranceSpring.response, Theme.entranceSpring.damping)
                easing: Spring.easing(Theme.entranceSpring.response, Theme.entranceSpring.damping)
            }
        }

        // Backdrop, outline and shadow, drawn as one layer so that the shadow falls from the card.
        Item {
            id: plate
            anchors.fill: parent
            layer.enabled: true
            layer.effect: Effects.DropShadow {
                color: Qt.rgba(0, 0, 0, 0.25)
                radius: 24
                samples: 49
                horizontalOffset: 0
                verticalOffset: 8
                transparentBorder: true
            }

            // The platform's blurred material stands in as a plain light fill, opaque: rows
            // showing through behind the Undo button made both hard to read.
            Rectangle {
                anchors.fill: parent
                radius: 22
                color: Qt.rgba(0.965, 0.965, 0.965, 1)
            }

            // The brand gradient at half opacity, in a 1-point line inside the card's edge.
            Rectangle {
                id: outline
                anchors.fill: parent
                radius: 22
                color: "transparent"
                border.width: 1
                border.color: "black"
                visible: false
            }
            BrandFill {
                anchors.fill: outline
                source: outline
                opacity: 0.5
            }
        }

        ColumnLayout {
            id: stack
            anchors.centerIn: parent
            spacing: 12

            Item {
                Layout.alignment: Qt.AlignHCenter
                implicitWidth: Math.max(70, seal.implicitWidth)
                implicitHeight: Math.max(70, seal.implicitHeight)

                // The ring: a 70-point circle stroked 3 points wide, the line centred on its edge.
                Item {
                    id: ringShape
                    anchors.centerIn: parent
                    width: 70
                    height: 70
                    scale: overlay.ring ? 1.8 : 0.5
                    opacity: overlay.ring ? 0 : 0.8

                    Behavior on scale {
                        NumberAnimation { duration: 900; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeOut }
                    }
                    Behavior on opacity {
                        NumberAnimation { duration: 900; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeOut }
                    }

                    Rectangle {
                        id: ringStroke
                        anchors.centerIn: parent
                        width: 70 + 3
                        height: 70 + 3
                        radius: width / 2
                        color: "transparent"
                        border.width: 3
                        border.color: "black"
                        visible: false
                    }
                    BrandFill {
                        anchors.fill: ringStroke
                        source: ringStroke
                    }
                }

                BrandSymbol {
                    id: seal
                    anchors.centerIn: parent
                    name: "checkmark.seal.fill"
                    size: 58
                }
            }

            Text {
                id: amount
                Layout.alignment: Qt.AlignHCenter
                // A language change re-evaluates the whole binding, so the size follows it too.
                text: Localizer.format(qsTr("Cleaned %@"), [Localizer.formatBytes(overlay.cleaned)])
                font: Theme.semibold(Theme.title3)
                color: Theme.primaryText
            }

            PushButton {
                id: undoButton
                objectName: "undoButton"
                Layout.alignment: Qt.AlignHCenter
                visible: overlay.offersUndo
                symbol: "arrow.uturn.backward"
                text: qsTr("Undo")
                onClicked: overlay.undoRequested()
            }
        }
    }

    onAppearedChanged: seal.bounce()

    // Both start together; neither waits for the other.
    Component.onCompleted: {
        appeared = true
        ring = true
    }
}
