import QtQuick
import Orvelane

// Shows the success card while `amount` holds a number of bytes (undefined: no card). Each new
// amount gets a new card, which plays its entrance again; cards come and go with a fade and a
// scale from 80 %.
Item {
    id: host

    property var amount
    // The card on show, or null; a leaving card is no longer counted.
    property Item card: null

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
