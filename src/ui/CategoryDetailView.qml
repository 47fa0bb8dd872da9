import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// The detail column for one category. Before the first scan: the welcome content only.
// Afterwards: a header (icon, title, description, the skipped-paths button, for build folders
// Select Untouched, Select All and Deselect All), the items (or the scanning indicator, the
// all-clean content, or the Trash's missing-access placeholder), and a footer with the selection
// summary and the clean button, which is the window's default action (Return) and asks for
// confirmation first.
// Inputs: windowState, kind (a Category).
Item {
    id: detail

    property WindowState windowState
    property int kind: Category.Caches

    readonly property alias presentation: presentation
    readonly property alias confirmation: confirmation
    readonly property alias skippedSheet: skippedSheet
    readonly property Item itemList: middle.item && middle.item.objectName === "itemListPane" ? middle.item.list : null
    readonly property string navigationTitle: presentation.content === CategoryPresentation.Welcome ? "" : presentation.title
    // The keyboard has nothing here to stay on (the welcome went, a button was hidden): whoever
    // embeds the view gives it a place.
    signal focusReleased()

    // A list that went (emptied by a clean, replaced by the scanning indicator) leaves the
    // keyboard on the bare view, where nothing shows it or acts on it.
    function releaseStrandedFocus() {
        const focused = detail.Window.activeFocusItem
        if (focused === middle || focused === body || focused === detail || focused === welcome)
            detail.focusReleased()
    }

    CategoryPresentation {
        id: presentation
        windowState: detail.windowState
        kind: detail.kind
    }

    // Settings may have changed the untouched period while this window was elsewhere: read it
    // again whenever its button comes into view.
    readonly property bool showsUntouchedPeriod: presentation.showsSelectUntouched && Window.active
    // Later, not now: what it reads redraws the presentation this binding reads.
    onShowsUntouchedPeriodChanged: if (showsUntouchedPeriod) Qt.callLater(detail.readUntouchedPeriod)

    function readUntouchedPeriod() {
        if (detail.windowState)
            detail.windowState.selection.readUntouchedPeriod()
    }

    Loader {
        id: welcome
        anchors.fill: parent
        active: presentation.content === CategoryPresentation.Welcome
        sourceComponent: WelcomeView {
            desktop: detail.windowState ? detail.windowState.desktop : null
            // The welcome goes with the keyboard on its button: the sidebar takes it, so that
            // Down moves through the categories.
            onScan: {
                detail.windowState.scanning.scanAll()
                detail.focusReleased()
            }
        }
    }

    Item {
        id: body
        objectName: "scannedBody"
        anchors.fill: parent
        visible: presentation.content !== CategoryPresentation.Welcome

        // Header. The title and the description come first: when they and the buttons do not
        // fit side by side, the buttons move below the description. Placed by hand rather than
        // by a layout: the description wraps, and layouts chase a wrapped text's height.
        Item {
            id: header
            objectName: "header"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: Theme.defaultPadding
            height: implicitHeight

            readonly property real gap: Theme.defaultSpacing * 1.5
            // The narrowest the title block may be: the whole title, and a description wrapped
            // into lines of a readable length.
            readonly property real titleBlockMinimum: Math.ceil(Math.max(titleMetrics.advanceWidth,
                                                                         Math.min(subtitleMetrics.advanceWidth, 300)))
            readonly property bool stacked: headerButtons.visible
                                            && width < iconGlow.width + titleBlockMinimum
                                                       + headerButtons.lineWidth + 2 * gap
            readonly property real topRowHeight: Math.max(iconGlow.height, titleBlock.height)

            implicitHeight: stacked ? topRowHeight + Theme.defaultSpacing + headerButtons.height
                                    : Math.max(topRowHeight, headerButtons.visible ? headerButtons.height : 0)

            TextMetrics {
                id: titleMetrics
                font: headerTitle.font
                text: headerTitle.text
            }
            TextMetrics {
                id: subtitleMetrics
                font: headerSubtitle.font
                text: headerSubtitle.text
            }

            PulsingGlow {
                id: iconGlow
                objectName: "headerIconGlow"
                width: 44
                height: 44
                y: (header.topRowHeight - height) / 2
                color: "red"
                active: presentation.permanent
                cornerRadius: 11

                CategoryIconTile {
                    width: 44
                    height: 44
                    radius: 11
                    symbol: presentation.icon
                    tint: presentation.color
                    symbolSize: 20
                }
            }
            Column {
                id: titleBlock
                objectName: "titleBlock"
                x: iconGlow.width + header.gap
                y: (header.topRowHeight - height) / 2
                width: header.width - x
                       - (header.stacked || !headerButtons.visible ? 0 : header.gap + headerButtons.lineWidth)
                spacing: 4

                Text {
                    id: headerTitle
                    objectName: "headerTitle"
                    width: parent.width
                    text: presentation.title
                    font: Theme.semibold(Theme.title2)
                    color: Theme.primaryText
                    elide: Text.ElideRight
                }
                Text {
                    id: headerSubtitle
                    objectName: "headerSubtitle"
                    width: parent.width
                    text: presentation.subtitle
                    font: Theme.callout
                    color: presentation.permanent ? Theme.dangerText : Theme.secondaryText
                    wrapMode: Text.Wrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                }
                Text {
                    objectName: "headerShare"
                    width: parent.width
                    visible: text !== ""
                    text: presentation.shareText
                    font: Theme.callout
                    color: Theme.secondaryText
                    elide: Text.ElideRight
                }
            }
            // One line beside the title; below it, the buttons wrap where the pane is too narrow
            // for them all (Build Artifacts' four in Turkish at the smallest window).
            Flow {
                id: headerButtons
                objectName: "headerButtons"
                // The width of the shown buttons in one line, rounded up so that a fraction of
                // a pixel never sends the last one to a line of its own.
                readonly property real lineWidth: {
                    const shown = [skippedButton, selectUntouchedButton, selectAllButton, deselectAllButton]
                        .filter(button => button.visible)
                    return Math.ceil(shown.reduce((sum, button) => sum + button.implicitWidth, 0)
                                     + Math.max(0, shown.length - 1) * spacing)
                }
                x: header.stacked ? titleBlock.x : header.width - width
                y: header.stacked ? header.topRowHeight + Theme.defaultSpacing : (header.topRowHeight - height) / 2
                width: header.stacked ? Math.min(lineWidth, header.width - titleBlock.x) : lineWidth
                visible: presentation.skippedButtonText !== "" || presentation.showsBulkSelection
                spacing: Theme.defaultSpacing * 1.5

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
                    id: selectUntouchedButton
                    objectName: "selectUntouchedButton"
                    visible: presentation.showsSelectUntouched
                    enabled: presentation.canSelectUntouched
                    text: presentation.selectUntouchedText
                    font: Theme.body
                    padding: 2
                    onClicked: detail.windowState.selection.selectUntouched(detail.kind)
                }
                PressableStyle {
                    id: selectAllButton
                    objectName: "selectAllButton"
                    visible: presentation.showsBulkSelection
                    text: qsTr("Select All")
                    font: Theme.body
                    padding: 2
                    onClicked: detail.windowState.selection.selectAll(detail.kind)
                }
                PressableStyle {
                    id: deselectAllButton
                    objectName: "deselectAllButton"
                    visible: presentation.showsBulkSelection
                    enabled: presentation.selectedCount > 0
                    text: qsTr("Deselect All")
                    font: Theme.body
                    padding: 2
                    onClicked: detail.windowState.selection.deselectAll(detail.kind)
                }
            }
        }

        Rectangle {
            id: headerDivider
            anchors.top: header.bottom
            anchors.topMargin: Theme.defaultPadding
            width: parent.width
            height: 1
            color: Theme.separator
        }

        Loader {
            id: middle
            onItemChanged: {
                Qt.callLater(detail.releaseStrandedFocus)
            }
            anchors.top: headerDivider.bottom
            anchors.bottom: footerDivider.top
            width: parent.width
            sourceComponent: {
                switch (presentation.content) {
                case CategoryPresentation.Scanning: return scanningComponent
                case CategoryPresentation.List: return listComponent
                case CategoryPresentation.NoAccess: return noAccessComponent
                case CategoryPresentation.AllClean: return allCleanComponent
                case CategoryPresentation.NoLargeStores: return smallStoresComponent
                }
                return null
            }
        }

        Rectangle {
            id: footerDivider
            anchors.bottom: footer.top
            anchors.bottomMargin: Theme.defaultPadding
            width: parent.width
            height: 1
            color: Theme.separator
        }

        // Footer
        RowLayout {
            id: footer
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: Theme.defaultPadding
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
                objectName: "cleanGlow"
                visible: !presentation.guidanceOnly
                color: "red"
                active: presentation.permanent && presentation.selectedCount > 0
                cornerRadius: 5

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

    // The window's default action, as a dialog's default button: Return presses the button
    // that has the keyboard focus, and otherwise asks to clean while the button is enabled.
    // Only a press counts, not its auto-repeat: a held Return opens the question once.
    Shortcut {
        sequences: ["Return", "Enter"]
        autoRepeat: false
        enabled: detail.visible && body.visible && !confirmation.visible && !skippedSheet.visible
                 && (cleanButton.enabled || FocusedButton.isPushButton(detail.Window.activeFocusItem))
        onActivated: {
            if (!FocusedButton.press(detail) && cleanButton.enabled)
                confirmation.open()
        }
    }

    // Ctrl+F: the list's search field.
    Shortcut {
        sequences: [StandardKey.Find]
        enabled: detail.visible && detail.itemList !== null && !confirmation.visible && !skippedSheet.visible
        onActivated: middle.item.focusSearch()
    }

    CleanConfirmation {
        id: confirmation
        objectName: "cleanConfirmation"
        message: presentation.confirmationTitle
        confirmText: presentation.confirmButtonText
        // Deleting for good takes a second, deliberate choice: Return alone cancels.
        cancelIsDefault: presentation.permanent
        onConfirmed: detail.windowState.cleaning.startClean(detail.kind)
    }

    // The sheet of skipped paths: 600 × 480 (less in a smaller window), modal, with the keyboard
    // inside it until it closes (Escape or Done), so no key reaches the list behind.
    Popup {
        id: skippedSheet
        objectName: "skippedSheet"
        parent: Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(600, parent ? parent.width : 600)
        height: Math.min(480, parent ? parent.height : 480)
        modal: true
        focus: true
        padding: 0
        closePolicy: Popup.CloseOnEscape
        background: null

        Overlay.modal: Rectangle {
            color: Qt.rgba(0, 0, 0, 0.18)
        }

        // A held Space that opened the sheet does not also press Done.
        KeyPressGate {
            item: skippedSheet.parent
            active: skippedSheet.visible
        }

        property Item returnFocusTo: null
        onAboutToShow: returnFocusTo = parent ? parent.Window.activeFocusItem : null
        onOpened: contentItem.takeFocus()
        // Back where the keyboard was, with its ring; a button the sheet's changes hid hands the
        // keyboard on.
        onClosed: {
            if (returnFocusTo && returnFocusTo.visible && returnFocusTo.enabled)
                returnFocusTo.forceActiveFocus(Qt.TabFocusReason)
            else
                detail.focusReleased()
        }

        contentItem: SkippedItemsView {
            objectName: "skippedItemsView"
            kind: detail.kind
            // Read again whenever a result is published: offering an entry again rescans.
            items: skippedSheet.visible && detail.windowState.results.revision >= 0
                   ? detail.windowState.results.skippedEntries(detail.kind) : []
            onDismiss: skippedSheet.close()
            onOfferAgainRequested: key => detail.windowState.exclusions.offerAgain(detail.kind, key)
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
        // The items, with their search field and order above them.
        Item {
            objectName: "itemListPane"
            readonly property alias list: items

            function focusSearch() {
                searchField.forceActiveFocus(Qt.ShortcutFocusReason)
                searchField.selectAll()
            }

            CategoryItemList {
                id: items
                objectName: "itemList"
                anchors.top: tools.bottom
                anchors.topMargin: 4
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                windowState: detail.windowState
                kind: detail.kind
                tint: presentation.color
                accessibleName: presentation.title
            }
            // After the list in the item tree, so that Tab reaches the rows before the order.
            RowLayout {
                id: tools
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.margins: 10
                anchors.bottomMargin: 0
                spacing: Theme.defaultSpacing

                TextField {
                    id: searchField
                    objectName: "searchField"
                    Layout.fillWidth: true
                    placeholderText: qsTr("Search names and places")
                    font: Theme.callout
                    selectByMouse: true
                    text: items.searchText
                    onTextEdited: items.searchText = text
                    Accessible.role: Accessible.EditableText
                    Accessible.name: qsTr("Search names and places")
                    // Escape empties the search first; Down goes on to the rows.
                    Keys.onEscapePressed: event => {
                        event.accepted = text !== ""
                        items.searchText = ""
                    }
                    Keys.onDownPressed: items.forceActiveFocus(Qt.TabFocusReason)
                }
                Text {
                    text: qsTr("Sort by")
                    font: Theme.callout
                    color: Theme.secondaryText
                }
                MenuPicker {
                    objectName: "orderBox"
                    choices: [qsTr("Size"), qsTr("Name"), qsTr("Date")]
                    currentIndex: items.order
                    onActivated: index => items.order = index
                    accessibleName: qsTr("Sort by")
                }
            }
        }
    }
    Component {
        id: noAccessComponent
        UnavailableContent {
            symbol: "lock.shield"
            title: detail.windowState.desktop.accessTitle
            description: detail.windowState.desktop.accessPlaceholder
            actionText: detail.windowState.desktop.opensAccessSettings ? qsTr("Open Settings") : ""
            onAction: detail.windowState.desktop.openAccessSettings()
        }
    }
    Component {
        id: allCleanComponent
        AllCleanView {}
    }
    Component {
        id: smallStoresComponent
        SmallStoresView {
            kind: detail.kind
            threshold: presentation.thresholdText
            // Read again whenever a result is published.
            stores: detail.windowState.results.revision >= 0 ? detail.windowState.results.skippedEntries(detail.kind) : []
        }
    }
}
