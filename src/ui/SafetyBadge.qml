import QtQuick
import Orvelane

// The small coloured capsule that shows an item's safety level.
// Input: level — a SafetyLevel.
Rectangle {
    id: badge

    property int level: -1
    readonly property alias title: titleText.text
    readonly property alias tint: levelStyle.color

    implicitWidth: titleText.implicitWidth + 2 * 7
    implicitHeight: titleText.implicitHeight + 2 * 3
    radius: height / 2
    color: Qt.rgba(tint.r, tint.g, tint.b, 0.12)

    SafetyLevelStyle {
        id: levelStyle
        level: badge.level
    }

    Text {
        id: titleText
        anchors.centerIn: parent
        text: levelStyle.title
        color: levelStyle.textColor
        font: Theme.semibold(Theme.caption2)
    }
}
