import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Orvelane

// The home's disk as one bar: everything else in grey, what each category could give back in its
// colour, free space as the empty track. One control: Space, Return or a click opens the legend,
// Escape closes it and the keyboard is back on the bar. Nothing shows while the disk's size is
// unknown. Input: windowState.
T.AbstractButton {
    id: control

    property WindowState windowState
    readonly property alias usage: usage
    readonly property alias legendPopup: legendPopup
    // Wide enough to be seen, whatever the true figure (the legend gives that).
    readonly property real minimumSegmentWidth: 3

    visible: usage.known
    text: usage.accessibleName
    padding: 0
    topPadding: 2
    bottomPadding: 2
    hoverEnabled: false
    focusPolicy: Qt.StrongFocus

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: clicked()
    // Where the window's Return shortcut is off (before a scan), Return still presses the bar.
    Keys.onReturnPressed: event => { if (!event.isAutoRepeat) clicked() }
    Keys.onEnterPressed: event => { if (!event.isAutoRepeat) clicked() }

    implicitWidth: 200
    implicitHeight: topPadding + bottomPadding + contentItem.implicitHeight

    onClicked: legendPopup.visible ? legendPopup.close() : legendPopup.open()

    DiskUsageBar {
        id: usage
        windowState: control.windowState
    }

    contentItem: Column {
        spacing: 4

        Text {
            objectName: "diskBarCaption"
            width: parent.width
            text: qsTr("Disk usage")
            font: Theme.caption
            color: Theme.secondaryText
            elide: Text.ElideRight
        }
        Rectangle {
            id: track
            objectName: "diskBarTrack"
            width: parent.width
            height: 10
            radius: 2
            color: Theme.controlBackground
            border.width: 1
            border.color: Theme.controlBorder
            clip: true

            Row {
                id: stretches
                x: 1
                y: 1
                height: track.height - 2
                readonly property var widths: usage.segments.length >= 0
                                              ? usage.segmentWidths(track.width - 2, control.minimumSegmentWidth) : []
                Repeater {
                    model: usage.segments
                    Rectangle {
                        required property var modelData
                        required property int index
                        width: stretches.widths[index] || 0
                        height: stretches.height
                        color: modelData.color
                    }
                }
            }
        }
    }
    background: null

    // The keyboard focus ring, as on the other pressable controls.
    Rectangle {
        anchors.fill: parent
        anchors.margins: -3
        radius: 5
        color: "transparent"
        border.width: 2
        border.color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.6)
        visible: control.visualFocus
    }

    Popup {
        id: legendPopup
        objectName: "diskLegend"
        y: control.height + 6
        width: Math.max(control.width, 320)
        padding: 12
        focus: true
        closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent
        // Back on the bar, with its ring.
        onClosed: control.forceActiveFocus(Qt.TabFocusReason)

        background: Rectangle {
            radius: 8
            color: Theme.controlBackground
            border.width: 1
            border.color: Theme.controlBorder
        }

        contentItem: ColumnLayout {
            objectName: "diskLegendContent"
            spacing: 6
            focus: true
            // Return closes the legend, as OK would; it never reaches the window's clean.
            Keys.onShortcutOverride: event => event.accepted = event.key === Qt.Key_Return || event.key === Qt.Key_Enter
            Keys.onReturnPressed: event => { if (!event.isAutoRepeat) legendPopup.close() }
            Keys.onEnterPressed: event => { if (!event.isAutoRepeat) legendPopup.close() }
            // Nothing inside takes the keyboard: Tab leaves the legend as Escape does, rather
            // than moving on behind it and leaving it open.
            Keys.onTabPressed: legendPopup.close()
            Keys.onBacktabPressed: legendPopup.close()
            Accessible.role: Accessible.List
            Accessible.name: usage.accessibleName

            Text {
                objectName: "diskLegendSummary"
                Layout.fillWidth: true
                text: usage.accessibleName
                font: Theme.semibold(Theme.callout)
                color: Theme.primaryText
                wrapMode: Text.Wrap
            }
            Repeater {
                model: usage.legend
                RowLayout {
                    required property var modelData
                    objectName: "diskLegendRow"
                    Layout.fillWidth: true
                    spacing: Theme.defaultSpacing
                    Accessible.role: Accessible.ListItem
                    Accessible.name: [modelData.name, modelData.sizeText, modelData.shareText].filter(t => t !== "").join(", ")

                    Rectangle {
                        implicitWidth: 12
                        implicitHeight: 12
                        radius: 3
                        color: modelData.color
                        border.width: 1
                        border.color: Theme.controlBorder
                    }
                    Text {
                        objectName: "diskLegendName"
                        Layout.fillWidth: true
                        text: modelData.name
                        font: Theme.callout
                        color: Theme.primaryText
                        elide: Text.ElideRight
                    }
                    Text {
                        objectName: "diskLegendSize"
                        text: modelData.figuresText
                        font: Theme.callout
                        color: Theme.secondaryText
                    }
                }
            }
            Text {
                objectName: "diskLegendNote"
                Layout.fillWidth: true
                visible: text !== ""
                text: usage.noteText
                font: Theme.caption
                color: Theme.secondaryText
                wrapMode: Text.Wrap
            }
        }
    }
}
