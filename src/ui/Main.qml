import QtQuick
import QtQuick.Controls
import Orvelane

ApplicationWindow {
    id: window

    signal settingsRequested()
    signal newWindowRequested()

    // This window's own state, given by the shell.
    required property WindowState windowState
    readonly property alias content: content

    title: "Orvelane"
    minimumWidth: 820
    minimumHeight: 540
    width: 1000
    height: 640
    visible: true
    // What the controls themselves format follows the chosen language.
    locale: Localizer.locale

    menuBar: AppMenuBar {
        AppMenu {
            id: fileMenu
            objectName: "fileMenu"
            title: qsTr("File")
            // Takes this window's cleans back, newest first, while their items are in the Trash.
            Action {
                objectName: "undoCleanAction"
                text: window.windowState.restoring.undoCategory >= 0
                      ? qsTr("Undo Clean of %1").arg(undoneCategory.title) : qsTr("Undo Clean")
                shortcut: StandardKey.Undo
                enabled: window.windowState.restoring.canUndo && !window.windowState.busy
                onTriggered: window.windowState.restoring.startUndo()
            }
            AppMenuSeparator {}
            Action {
                text: qsTr("New Window")
                shortcut: StandardKey.New
                onTriggered: window.newWindowRequested()
            }
            Action {
                text: qsTr("Settings…")
                shortcut: "Ctrl+,"
                onTriggered: window.settingsRequested()
            }
            AppMenuSeparator {}
            Action {
                text: qsTr("Close Window")
                // Spelled out: the standard keys differ by keyboard scheme (Ctrl+F4 on some, no
                // Quit at all on others); Ctrl reads as Command on macOS.
                shortcut: "Ctrl+W"
                onTriggered: window.close()
            }
            // The shell closes every window and ends the process; a clean in progress stops
            // safely after the item in hand.
            Action {
                text: qsTr("Quit Orvelane")
                shortcut: "Ctrl+Q"
                onTriggered: Qt.quit()
            }
        }
    }

    // The menu bar by keyboard, as desktop menu bars open: Alt+F for File, F10 for the first menu.
    Shortcut {
        sequences: ["Alt+F", "F10"]
        enabled: !fileMenu.visible
        onActivated: window.menuBar.openFirstMenu()
    }

    // Names the clean an undo takes back, in the window's language.
    CategoryPresentation {
        id: undoneCategory
        windowState: window.windowState
        kind: window.windowState.restoring.undoCategory
    }

    ContentView {
        id: content
        objectName: "contentView"
        anchors.fill: parent
        windowState: window.windowState
    }

    Component.onCompleted: {
        raise()
        requestActivate()
    }
}
