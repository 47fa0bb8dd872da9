import QtQuick
import Orvelane

// The main window's content on the gallery's sample home. Scenes set `kind` (the sidebar row to
// show), `scan` (start a full scan at once), `selectAll` (tick the category's items once it is
// scanned) and `settleMs`.
Item {
    id: scene

    property string kind: "caches"
    property bool scan: true
    property bool selectAll: false
    property int settleMs: 3000

    width: 1000
    height: 640

    ContentView {
        id: content
        anchors.fill: parent
    }

    Connections {
        target: content.summary
        function onBusyChanged() {
            if (!content.summary.busy && scene.selectAll)
                content.appState.selectAll(scene.kind)
        }
    }

    Component.onCompleted: {
        content.sidebar.list.currentIndex = content.summary.kinds.indexOf(scene.kind)
        if (scan)
            content.appState.startScan()
    }
}
