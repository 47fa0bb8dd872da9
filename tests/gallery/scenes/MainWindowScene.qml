import QtQuick
import Orvelane
import OrvelaneTesting

// The main window's content on the gallery's sample home. Scenes set `kind` (the sidebar row to
// show), `scan` (start a full scan at once), `selectAll` (tick the category's items once it is
// scanned) and `settleMs`.
Item {
    id: scene

    property int kind: Category.Caches
    property bool scan: true
    property bool selectAll: false
    property int settleMs: 3000

    width: 1000
    height: 640

    ContentView {
        id: content
        anchors.fill: parent
        windowState: TestWindowState {}
    }

    Connections {
        target: content.windowState
        function onBusyChanged() {
            if (!content.windowState.busy && scene.selectAll)
                content.windowState.selection.selectAll(scene.kind)
        }
    }

    Component.onCompleted: {
        content.sidebar.list.currentIndex = content.windowState.desktop.categories.indexOf(scene.kind)
        if (scan)
            content.windowState.scanning.scanAll()
    }
}
