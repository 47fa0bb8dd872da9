import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// The detail column for one category. Before the first scan: the welcome content only.
// Afterwards: a header (icon, title, description, the skipped-paths button, Select All and
// Deselect All), the items (or the scanning indicator, the all-clean content, or the Trash's
// missing-access placeholder), and a footer with the selection summary and the clean button,
// which is the window's default action (Return) and asks for confirmation first.
// Inputs: appState (the window's AppState), kind (the category's raw value).
Item {
    id: detail

    property AppState appState
    property string kind: "caches"

    readonly property alias presentation: presentation
    readonly property alias confirmation: confirmation
    readonly property alias skippedSheet: skippedSheet
    readonly property Item itemList: middle.item && middle.item.objectName === "itemList" ? middle.item : null
    readonly property string navigationTitle: presentation.content === "welcome" ? "" : presentation.title

    CategoryPresentation {
        id: presentation
        state: detail.appState
        kind: detail.kind
    }

    Loader {
        id: welcome
        anchors.fill: parent
        active: presentation.content === "welcome"
        sourceComponent: WelcomeView {
            onScan: detail.appState.startScan()
        }
    }

    ColumnLayout {
        id: body
        objectName: "scannedBody"
        anchors.fill: parent
        visible: presentation.content !== "welcome"
        spacing: 0

        // Header
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: Theme.defaultPadding
            spacing: Theme.defaultSpacing * 1.5

            PulsingGlow {
                color: "red"
                active: presentation.permanent

                CategoryIconTile {
                    width: 44
                    height: 44
                    radius: 11
                    symbol: presentation.icon
                    tint: presentation.color
                    symbolSize: 20
                }
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4

                Text {
                    objectName: "headerTitle"
                    Layout.fillWidth: true
                    text: presentation.title
                    font: Theme.semibold(Theme.title2)
                    color: Theme.primaryText
                    elide: Text.ElideRight
                }
                Text {
                    objectName: "headerSubtitle"
                    Layout.fillWidth: true
                    text: presentation.subtitle
                    font: Theme.callout
                    color: presentation.permanent ? "red" : Theme.secondaryText
                    wrapMode: Text.Wrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                }
            }
            PressableStyle {
                id: skippedButton
                objectName: "skippedButton"
                visible: presentation.skippedButtonText !== ""
                text: presentation.skippedButtonText
                padding: 2
                contentItem: Row {
                    spacing: 4
                    Symbol {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "shield.checkered"
                        size: Theme.body.pixelSize + 2
                        color: Theme.primaryText
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: skippedButton.text
                        font: Theme.body
                        color: Theme.primaryText
                    }
                }
                onClicked: skippedSheet.open()
            }
            PressableStyle {
                objectName: "selectAllButton"
                visible: presentation.showsBulkSelection
                text: qsTr("Select All")
                font: Theme.body
                padding: 2
                onClicked: detail.appState.selectAll(detail.kind)
            }
            PressableStyle {
                objectName: "deselectAllButton"
                visible: presentation.showsBulkSelection
                enabled: presentation.selectedCount > 0
                text: qsTr("Deselect All")
                font: Theme.body
                padding: 2
                onClicked: detail.appState.deselectAll(detail.kind)
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.separator
        }

        Loader {
            id: middle
            Layout.fillWidth: true
            Layout.fillHeight: true
            sourceComponent: {
                switch (presentation.content) {
                case "scanning": return scanningComponent
                case "list": return listComponent
                case "noAccess": return noAccessComponent
                case "allClean": return allCleanComponent
                }
                return null
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.separator
        }

        // Footer
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: Theme.defaultPadding
            spacing: Theme.defaultSpacing

            Row {
                objectName: "readOnlyLabel"
                visible: presentation.guidanceOnly
                spacing: 5
                Symbol {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "lock.shield"
                    size: Theme.callout.pixelSize + 2
                    color: Theme.secondaryText
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: presentation.summaryText
                    font: Theme.callout
                    color: Theme.secondaryText
                }
            }
            RollingText {
                objectName: "summaryText"
                Layout.fillWidth: true
                visible: !presentation.guidanceOnly
                text: presentation.summaryText
                font: presentation.summaryIsSelection ? Theme.body : Theme.callout
                color: Theme.secondaryText
                elide: Text.ElideRight
            }
            Item {
                Layout.fillWidth: presentation.guidanceOnly
            }
            PulsingGlow {
                visible: !presentation.guidanceOnly
                color: "red"
                active: presentation.permanent && presentation.selectedCount > 0

                PushButton {
                    id: cleanButton
                    objectName: "cleanButton"
                    text: presentation.cleanButtonText
                    symbol: presentation.cleanButtonSymbol
                    prominent: true
                    tint: presentation.permanent ? "red" : Theme.accent
                    enabled: presentation.canClean
                    onClicked: confirmation.open()
                }
            }
        }
    }

    // The window's default action: Return asks to clean while the button is enabled.
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: detail.visible && body.visible && cleanButton.enabled && !confirmation.visible
        onActivated: confirmation.open()
    }

    CleanConfirmation {
        id: confirmation
        objectName: "cleanConfirmation"
        message: presentation.confirmationTitle
        confirmText: presentation.confirmButtonText
        onConfirmed: detail.appState.startClean(detail.kind)
    }

    Popup {
        id: skippedSheet
        objectName: "skippedSheet"
        parent: Overlay.overlay
        anchors.centerIn: parent
        modal: true
        padding: 0
        closePolicy: Popup.CloseOnEscape
        background: null

        contentItem: SkippedItemsView {
            items: skippedSheet.visible ? detail.appState.skippedEntries(detail.kind) : []
            onDismiss: skippedSheet.close()
        }
    }

    Component {
        id: scanningComponent
        Item {
            ScanningIndicator {
                anchors.centerIn: parent
                label: qsTr("Scanning…")
            }
        }
    }
    Component {
        id: listComponent
        CategoryItemList {
            objectName: "itemList"
            appState: detail.appState
            kind: detail.kind
            tint: presentation.color
        }
    }
    Component {
        id: noAccessComponent
        UnavailableContent {
            symbol: "lock.shield"
            title: DesktopTexts.accessTitle
            description: DesktopTexts.accessPlaceholder
            actionText: DesktopTexts.opensAccessSettings ? qsTr("Open Settings") : ""
            onAction: detail.appState.openAccessSettings()
        }
    }
    Component {
        id: allCleanComponent
        AllCleanView {}
    }
}
