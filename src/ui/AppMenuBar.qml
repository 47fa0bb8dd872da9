import QtQuick
import QtQuick.Controls
import Orvelane

// The window's menu bar in the window's own look: flat, its titles lit while their menu is open.
MenuBar {
    id: bar

    // For the keyboard: opens the first menu under its title, its first entry current.
    function openFirstMenu() {
        const menu = menuAt(0)
        if (!menu)
            return
        menu.open()
        menu.forceActiveFocus()
    }

    delegate: MenuBarItem {
        id: title

        Accessible.role: Accessible.MenuItem
        Accessible.name: text

        leftPadding: 10
        rightPadding: 10
        topPadding: 3
        bottomPadding: 3
        font: Theme.body

        contentItem: Text {
            text: title.text
            font: title.font
            color: Theme.primaryText
        }
        background: Rectangle {
            implicitHeight: 22
            radius: 4
            // Lit under the pointer or while its menu is open, not left lit after Escape.
            color: title.hovered || (title.menu && title.menu.visible) ? Qt.rgba(0, 0, 0, 0.08) : "transparent"
        }
    }

    background: Rectangle {
        implicitHeight: 26
        color: Theme.windowBackground

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.separator
        }
    }
}
