import QtQuick
import Orvelane

// Shows the success card while `amount` holds a number of bytes (undefined: no card). Each new
// amount gets a new card, which plays its entrance again; cards come and go with a fade and a
// scale from 80 %. offersUndo puts an Undo button on the card (signal undoRequested);
// holdRequested(hold) reports the pointer resting on the card or leaving it.
Item {
    id: host

    property var amount
    property bool offersUndo: false
    // The card on show, or null; a leaving card is no longer counted.
    property Item card: null

    signal undoRequested()
    signal holdRequested(bool hold)

    onAmountChanged: {
        if (card)
            card.leave()
        card = amount === undefined || amount === null ? null
                                                       : cardComponent.createObject(host, { cleaned: amount })
    }

    Component {
        id: cardComponent

        Item {
            id: wrapper

            property real cleaned
            readonly property alias overlay: overlay

            function leave() {
                if (overlay.pointerInside)
                    host.holdRequested(false) // a card that goes holds nothing any more
                enter.stop()
                exit.start()
            }

            anchors.centerIn: parent
            width: overlay.implicitWidth
            height: overlay.implicitHeight
            opacity: 0
            scale: 0.8

            CleanSuccessOverlay {
                id: overlay
                anchors.fill: parent
                cleaned: wrapper.cleaned
                offersUndo: host.offersUndo
                onUndoRequested: host.undoRequested()
                onPointerInsideChanged: if (!exit.running) host.holdRequested(pointerInside)
            }

            ParallelAnimation {
                id: enter
                running: true
                NumberAnimation { target: wrapper; property: "opacity"; to: 1; duration: 250; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
                NumberAnimation { target: wrapper; property: "scale"; to: 1; duration: 250; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
            }
            SequentialAnimation {
                id: exit
                ParallelAnimation {
                    NumberAnimation { target: wrapper; property: "opacity"; to: 0; duration: 250; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeOut }
                    NumberAnimation { target: wrapper; property: "scale"; to: 0.8; duration: 250; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeOut }
                }
                ScriptAction { script: wrapper.destroy() }
            }
        }
    }
}
