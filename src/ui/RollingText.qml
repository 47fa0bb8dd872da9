import QtQuick
import Orvelane

// A line of text whose changes roll: the old value slides up and fades while the new one rises
// into place, standing in for the platform's numeric content transition.
// A change made while the text is hidden shows without a roll when it appears: what rolls is a
// value the user saw turning into the next.
// Inputs: text, font, color, elide, wrapMode, maximumLineCount; give it a width to elide or wrap.
Item {
    id: root

    property string text
    property font font: Theme.body
    property color color: Theme.primaryText
    property int elide: Text.ElideNone
    property int horizontalAlignment: Text.AlignLeft
    property int wrapMode: Text.NoWrap
    property int maximumLineCount: 1
    readonly property alias truncated: current.truncated
    // Set when a change is rolling in, for tests.
    readonly property alias rolling: roll.running

    property string shown: ""

    implicitWidth: current.implicitWidth
    implicitHeight: current.implicitHeight

    Component.onCompleted: shown = text
    onTextChanged: {
        if (shown === text)
            return
        if (!visible) {
            roll.complete()
            shown = text
            return
        }
        previous.text = shown
        shown = text
        roll.restart()
    }

    Text {
        id: previous
        width: root.width
        wrapMode: root.wrapMode
        maximumLineCount: root.maximumLineCount
        opacity: 0
        font: root.font
        color: root.color
        elide: root.elide
        horizontalAlignment: root.horizontalAlignment
        textFormat: Text.PlainText
    }
    Text {
        id: current
        width: root.width
        wrapMode: root.wrapMode
        maximumLineCount: root.maximumLineCount
        text: root.shown
        font: root.font
        color: root.color
        elide: root.elide
        horizontalAlignment: root.horizontalAlignment
        textFormat: Text.PlainText
    }

    ParallelAnimation {
        id: roll
        readonly property int duration: 260
        NumberAnimation { target: previous; property: "y"; from: 0; to: -root.height * 0.6; duration: roll.duration; easing.type: Easing.OutCubic }
        NumberAnimation { target: previous; property: "opacity"; from: 1; to: 0; duration: roll.duration; easing.type: Easing.OutCubic }
        NumberAnimation { target: current; property: "y"; from: root.height * 0.6; to: 0; duration: roll.duration; easing.type: Easing.OutCubic }
        NumberAnimation { target: current; property: "opacity"; from: 0; to: 1; duration: roll.duration; easing.type: Easing.OutCubic }
    }
}
