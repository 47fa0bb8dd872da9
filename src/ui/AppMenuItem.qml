import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// One row of an AppMenu: its text and, at the right, its action's shortcut.
MenuItem {
    id: row

    readonly property string shortcutText: row.action ? ShortcutText.of(row.action.shortcut) : ""

    Accessible.role: Accessible.MenuItem
    Accessible.name: text

    implicitHeight: 24
    leftPadding: 10
    rightPadding: 10
    font: Theme.body
    indicator: null
    arrow: null

    contentItem: RowLayout {
        spacing: 24

        Text {
            objectName: "menuItemText"
            Layout.fillWidth: true
            text: row.text
            font: row.font
            color: !row.enabled ? Theme.tertiaryText : row.highlighted ? "white" : Theme.primaryText
            elide: Text.ElideRight
        }
        Text {
            objectName: "menuItemShortcut"
            visible: text !== ""
            text: row.shortcutText
            font: row.font
            color: !row.enabled ? Theme.tertiaryText : row.highlighted ? Qt.rgba(1, 1, 1, 0.85) : Theme.secondaryText
        }
    }

    background: Rectangle {
        implicitWidth: 190
        radius: 4
        color: row.highlighted && row.enabled ? Theme.selectedContent : "transparent"
    }
}
