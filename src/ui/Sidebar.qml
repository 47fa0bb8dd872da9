import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// The main window's sidebar: the disk's bar, one row per category, and below them a fixed panel
// with the Full Disk Access notice, the totals and the Scan button.
// Inputs: windowState, summary (the window's WindowSummary). Output: selectedKind, the chosen
// Category (-1 when the selection was emptied with Ctrl+click).
Rectangle {
    id: sidebar

    property WindowState windowState
    property WindowSummary summary
    readonly property var kinds: windowState ? windowState.desktop.categories : []
    readonly property int selectedKind: list.currentIndex >= 0 && list.currentIndex < kinds.length
                                        ? kinds[list.currentIndex] : -1
    readonly property alias list: list
    readonly property alias scanButton: scanButton
    readonly property alias diskBar: diskBar

    color: Theme.windowBackground

    function focusList() {
        list.forceActiveFocus()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // Above the rows rather than in the panel below them: Tab follows the tree, and here the
        // bar comes before the rows as it does on screen, while Tab from the rows still goes to
        // Scan and on into the details.
        DiskBar {
            id: diskBar
            objectName: "diskBar"
            Layout.fillWidth: true
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            Layout.topMargin: 10
            windowState: sidebar.windowState
        }

        ListView {
            id: list
            objectName: "sidebarList"
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Categories")
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.topMargin: 8
            clip: true
            model: sidebar.kinds
            currentIndex: 0
            activeFocusOnTab: true
            keyNavigationEnabled: true
            highlightMoveDuration: 0
            highlightResizeDuration: 0
            boundsBehavior: Flickable.StopAtBounds
            spacing: 2

            highlight: Item {
                Rectangle {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    radius: 6
                    color: list.activeFocus ? Theme.selectedContent : Qt.rgba(0, 0, 0, 0.1)
                }
            }

            delegate: SidebarRow {
                id: rowDelegate
                required property int modelData
                required property int index

                width: ListView.view.width
                windowState: sidebar.windowState
                kind: modelData
                current: ListView.isCurrentItem
                emphasized: list.activeFocus

                TapHandler {
                    acceptedModifiers: Qt.NoModifier
                    onTapped: {
                        list.currentIndex = rowDelegate.index
                        list.forceActiveFocus()
                    }
                }
                // Ctrl+click on the chosen row empties the selection, as in desktop lists.
                TapHandler {
                    acceptedModifiers: Qt.ControlModifier
                    onTapped: list.currentIndex = list.currentIndex === rowDelegate.index ? -1 : rowDelegate.index
                }
            }
        }

        ColumnLayout {
            id: panel
            Layout.fillWidth: true
            spacing: 8

            AccessNotice {
                id: notice
                objectName: "accessNotice"
                Layout.fillWidth: true
                desktop: sidebar.windowState ? sidebar.windowState.desktop : null
                shown: sidebar.windowState ? !sidebar.windowState.scanning.trashReadable : false
                onOpenSettings: sidebar.windowState.desktop.openAccessSettings()
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: 1
                color: Theme.separator
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.bottomMargin: 10
                spacing: Theme.defaultSpacing

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2

                    // Both lines may take a second line in a narrow sidebar (Turkish runs long)
                    // rather than lose their numbers.
                    RollingText {
                        objectName: "totalText"
                        Layout.fillWidth: true
                        text: sidebar.summary ? sidebar.summary.totalText : ""
                        font: Theme.semibold(Theme.callout)
                        color: Theme.primaryText
                        wrapMode: Text.Wrap
                        maximumLineCount: 2
                        elide: Text.ElideRight
                    }
                    Text {
                        objectName: "cleanedText"
                        Layout.fillWidth: true
                        visible: text !== ""
                        text: sidebar.summary ? sidebar.summary.cleanedText : ""
                        font: Theme.caption
                        color: Theme.secondaryText
                        wrapMode: Text.Wrap
                        maximumLineCount: 2
                        elide: Text.ElideRight
                    }
                    Text {
                        objectName: "diskSpaceText"
                        Layout.fillWidth: true
                        visible: text !== ""
                        text: sidebar.summary ? sidebar.summary.diskSpaceText : ""
                        font: Theme.caption
                        color: Theme.secondaryText
                        wrapMode: Text.Wrap
                        maximumLineCount: 2
                        elide: Text.ElideRight
                    }
                }

                ScanButton {
                    id: scanButton
                    objectName: "scanButton"
                    busy: sidebar.windowState ? sidebar.windowState.busy : false
                    onClicked: sidebar.windowState.scanning.scanAll()
                }
            }
        }
    }
}
