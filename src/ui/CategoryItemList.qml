import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// The found items of one category, largest first. Rows arrive and leave sliding from the
// leading edge with a fade; the pointer highlights the row under it.
// Keyboard: Up/Down move, Space ticks the current row, the Menu key or Shift+F10 opens its
// context menu.
// Inputs: windowState, kind (a Category), tint (category colour).
ListView {
    id: list

    property WindowState windowState
    property int kind: -1
    property color tint: Theme.brandBlue
    // The key of the row under the pointer, or "".
    property string hovered: ""
    // What screen readers call the list: the category's title.
    property string accessibleName

    readonly property alias view: itemsView
    // The order (a CategoryItemsView.Order) and the search, as the header's controls set them.
    property int order: CategoryItemsView.BySize
    property string searchText

    model: CategoryItemsView {
        id: itemsView
        items: list.windowState ? list.windowState.results.itemsModel(list.kind) : null
        order: list.order
        searchText: list.searchText
    }

    Accessible.role: Accessible.List
    Accessible.name: accessibleName

    clip: true
    activeFocusOnTab: true
    keyNavigationEnabled: true
    boundsBehavior: Flickable.StopAtBounds
    highlightMoveDuration: 0
    currentIndex: count > 0 ? 0 : -1
    leftMargin: 10
    rightMargin: 10
    topMargin: 6
    bottomMargin: 6
    ScrollBar.vertical: ScrollBar {}

    function toggleCurrent() {
        if (currentItem && currentItem.cleanable)
            windowState.selection.setSelected(currentItem.key, !currentItem.selected)
    }

    Keys.onSpacePressed: toggleCurrent()
    function openCurrentMenu() {
        if (currentItem)
            currentItem.openContextMenu(currentItem.width / 2, currentItem.height / 2)
    }

    Keys.onMenuPressed: openCurrentMenu()
    // Shift+F10, the other key desktops give the context menu.
    Keys.onPressed: event => {
        if (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)) {
            openCurrentMenu()
            event.accepted = true
        }
    }

    delegate: ItemRow {
        id: rowDelegate
        required property int index

        width: ListView.view.width - list.leftMargin - list.rightMargin
        kind: list.kind
        tint: list.tint
        hovered: list.hovered === key
        focused: list.activeFocus && ListView.isCurrentItem
        busy: list.windowState ? list.windowState.busy : false
        revealText: list.windowState ? list.windowState.desktop.revealText : ""

        onToggled: on => {
            list.currentIndex = index
            list.windowState.selection.setSelected(key, on)
        }
        onHoverChanged: inside => {
            if (inside)
                list.hovered = key
            else if (list.hovered === key)
                list.hovered = ""   // only while it still points here: moving between rows keeps the new one
        }
        onRevealRequested: list.windowState.desktop.reveal(key)
        onMenuOpening: canPutBack = list.kind === Category.Trash && list.windowState.restoring.canPutBack(key)
        onPutBackRequested: list.windowState.restoring.startPutBack(key)
        onExcludeRequested: list.windowState.exclusions.excludeItem(key)
    }

    add: Transition {
        NumberAnimation { property: "x"; from: -list.width * 0.4; duration: 300; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 300; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
    }
    remove: Transition {
        NumberAnimation { property: "x"; to: -list.width * 0.4; duration: 300; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
        NumberAnimation { property: "opacity"; to: 0; duration: 300; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
    }
    displaced: Transition {
        NumberAnimation { properties: "x,y"; duration: 300; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
        NumberAnimation { property: "opacity"; to: 1; duration: 300 }
    }
}
