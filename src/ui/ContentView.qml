import QtQuick
import QtQuick.Controls
import QtQuick.Window
import Orvelane

// The main window's content: the category sidebar beside the chosen category's details, with
// the success card and the clean alert above them. Input: windowState, the window's own state
// (the shell gives every window one, so each scans, selects and cleans on its own).
Item {
    id: content

    required property WindowState windowState
    readonly property alias summary: windowSummary
    readonly property alias sidebar: sidebar
    readonly property alias detail: detail
    readonly property alias successCards: successCards
    readonly property alias alert: alert
    readonly property int selectedKind: sidebar.selectedKind
    readonly property int detailMinimumWidth: 460

    WindowSummary {
        id: windowSummary
        windowState: content.windowState
    }

    SplitView {
        anchors.fill: parent
        orientation: Qt.Horizontal

        // A grab area a pointer can find, in the sidebar's colour, with the dividing line at the
        // detail's edge.
        handle: Rectangle {
            id: grip
            objectName: "splitHandle"
            implicitWidth: 6
            color: Theme.windowBackground

            Rectangle {
                anchors.right: parent.right
                width: 1
                height: parent.height
                color: grip.SplitHandle.pressed ? Theme.controlBorder : Theme.separator
            }
        }

        Sidebar {
            id: sidebar
            SplitView.minimumWidth: 250
            SplitView.preferredWidth: 280
            windowState: content.windowState
            summary: windowSummary
        }

        Rectangle {
            objectName: "detailColumn"
            SplitView.fillWidth: true
            // Room for a header, a row's name beside its badge and size, and the footer's button.
            SplitView.minimumWidth: content.detailMinimumWidth
            color: Theme.controlBackground

            CategoryDetailView {
                id: detail
                anchors.fill: parent
                visible: content.selectedKind >= 0
                windowState: content.windowState
                kind: content.selectedKind >= 0 ? content.selectedKind : Category.Caches
                onFocusReleased: sidebar.focusList()
            }
            UnavailableContent {
                objectName: "noSelection"
                anchors.fill: parent
                visible: content.selectedKind < 0
                symbol: "sparkles"
                title: qsTr("Select a category")
            }
        }
    }

    // The card of a clean that also left messages waits for their alert to be dismissed.
    SuccessCardHost {
        id: successCards
        anchors.fill: parent
        amount: content.windowState.successCard.amount
        offersUndo: content.windowState.restoring.canUndo && !content.windowState.busy
        onUndoRequested: content.windowState.restoring.startUndo()
        onHoldRequested: hold => content.windowState.successCard.hold(hold)
    }

    CleanErrorsAlert {
        id: alert
        summary: windowSummary
        fromPutBack: content.windowState.cleaning.errorsFromPutBack
        onDismissed: content.windowState.cleaning.dismissErrors()
        onFocusOrphaned: sidebar.focusList()
    }

    // Show in File Manager reached neither a file manager nor the desktop's opener.
    CleanErrorsAlert {
        objectName: "revealAlert"
        heading: qsTr("The item could not be shown")
        text: content.windowState.desktop.revealFailure
        onDismissed: content.windowState.desktop.dismissRevealFailure()
        onFocusOrphaned: sidebar.focusList()
    }

    Component.onCompleted: sidebar.focusList()

    // When the focused control goes away or is hidden (a list emptied by a clean, Select All with
    // nothing left to select), the keyboard would be left with nothing to act on: it returns to
    // the sidebar. Focus inside this view or inside an open dialog is left alone.
    Window.onActiveFocusItemChanged: Qt.callLater(content.keepKeyboardFocus)
    Connections {
        target: content.Window.activeFocusItem
        ignoreUnknownSignals: true
        function onVisibleChanged() { Qt.callLater(content.keepKeyboardFocus) }
    }

    function keepKeyboardFocus() {
        if (!Window.active)
            return
        const focused = Window.activeFocusItem
        if (focused !== null && !focused.visible) {
            sidebar.focusList()
            return
        }
        const overlay = Overlay.overlay
        for (let item = focused; item !== null; item = item.parent) {
            if (item === content || (item.parent === overlay && item !== overlay))
                return
        }
        sidebar.focusList()
    }
}
