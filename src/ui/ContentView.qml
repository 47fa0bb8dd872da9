import QtQuick
import QtQuick.Controls
import QtQuick.Window
import Orvelane

// The main window's content: the category sidebar beside the chosen category's details, with
// the success card and the clean alert above them. Each ContentView owns its window's AppState,
// so every window scans, selects and cleans on its own. No inputs.
Item {
    id: content

    readonly property AppState appState: windowState
    readonly property alias summary: windowSummary
    readonly property alias sidebar: sidebar
    readonly property alias detail: detail
    readonly property alias successCards: successCards
    readonly property alias alert: alert
    readonly property string selectedKind: sidebar.selectedKind

    AppState {
        id: windowState
    }
    WindowSummary {
        id: windowSummary
        state: windowState
    }

    SplitView {
        anchors.fill: parent
        orientation: Qt.Horizontal

        handle: Rectangle {
            implicitWidth: 1
            color: Theme.separator
        }

        Sidebar {
            id: sidebar
            SplitView.minimumWidth: 250
            SplitView.preferredWidth: 280
            appState: windowState
            summary: windowSummary
        }

        Rectangle {
            SplitView.fillWidth: true
            color: Theme.controlBackground

            CategoryDetailView {
                id: detail
                anchors.fill: parent
                visible: content.selectedKind !== ""
                appState: windowState
                kind: content.selectedKind !== "" ? content.selectedKind : "caches"
            }
            UnavailableContent {
                objectName: "noSelection"
                anchors.fill: parent
                visible: content.selectedKind === ""
                symbol: "sparkles"
                title: qsTr("Select a category")
            }
        }
    }

    SuccessCardHost {
        id: successCards
        anchors.fill: parent
        amount: windowState.justCleaned
    }

    CleanErrorsAlert {
        id: alert
        summary: windowSummary
        onFocusOrphaned: sidebar.focusList()
    }

    Component.onCompleted: sidebar.focusList()

    // When the focused control goes away (a list emptied by a clean), the keyboard would be left
    // with nothing to act on: it returns to the sidebar. Focus inside this view or inside an open
    // dialog is left alone.
    Window.onActiveFocusItemChanged: Qt.callLater(content.keepKeyboardFocus)

    function keepKeyboardFocus() {
        if (!Window.active)
            return
        const overlay = Overlay.overlay
        for (let item = Window.activeFocusItem; item !== null; item = item.parent) {
            if (item === content || (item.parent === overlay && item !== overlay))
                return
        }
        sidebar.focusList()
    }
}
