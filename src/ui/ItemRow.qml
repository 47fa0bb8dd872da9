import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// One found item in the category list: a checkbox where it may be cleaned (its label the item's
// explanation), the safety badge and the size, tinted in the category colour while ticked.
// Inputs: the item's model roles, all required (key, name, path, placeFromHome, size, modified,
// safetyLevel, safetyReason, actionHint, hintForm, application, deleted, selected, cleanable,
// projectUntouched),
// kind (a Category), tint (category colour), hovered (the pointer is on this row), focused (the
// keyboard's current row), busy (a scan or clean runs), revealText (the menu's entry that shows
// the item in the file manager).
// Signals report what the user did; the list decides: toggled(on), hoverChanged(inside),
// revealRequested(), putBackRequested(), excludeRequested(). menuOpening() comes just before the
// context menu opens, so that the list can say whether the item can be put back (canPutBack).
Item {
    id: row

    required property string key
    required property string name
    required property real size
    required property var modified
    required property int safetyLevel
    required property string safetyReason
    required property var actionHint
    required property string hintForm
    required property var application
    required property var deleted
    required property string path
    required property string placeFromHome
    required property bool selected
    required property bool cleanable
    // A build folder's "Project untouched for 5 months"; undefined when its project's date is unknown.
    required property var projectUntouched
    property int kind: -1
    property color tint: Theme.brandBlue
    property bool hovered: false
    property bool focused: false
    // Set by the list as the menu opens: the item is in the Trash with a usable record.
    property bool canPutBack: false
    // A scan or a clean runs: nothing can be put back until it ends.
    property bool busy: false
    property string revealText

    readonly property alias checkBox: checkBox
    readonly property alias sizeLabel: sizeLabel
    readonly property alias contextMenu: menu

    signal toggled(bool on)
    signal hoverChanged(bool inside)
    signal revealRequested()
    signal putBackRequested()
    signal excludeRequested()
    signal menuOpening()

    function openContextMenu(x, y) {
        row.menuOpening()
        menu.popup(row, x, y)
    }

    implicitHeight: content.implicitHeight + 2 * 2 + 2 * 6

    // The row is the checkbox for screen readers (it has the keyboard while current): its name,
    // size, level and how long its project has slept, its explanation as the description.
    Accessible.role: cleanable ? Accessible.CheckBox : Accessible.ListItem
    Accessible.name: [name, sizeLabel.text, badge.title, projectUntouched ?? ""]
        .filter(part => part !== "").join(", ")
    Accessible.description: details.accessibleText
    Accessible.checkable: cleanable
    Accessible.checked: selected
    Accessible.focusable: true
    Accessible.focused: activeFocus
    Accessible.onToggleAction: if (cleanable) row.toggled(!selected)
    Accessible.onPressAction: if (cleanable) row.toggled(!selected)

    Rectangle {
        id: backdrop
        anchors.fill: parent
        anchors.topMargin: 2
        anchors.bottomMargin: 2
        radius: 6
        color: row.hovered ? Qt.rgba(row.tint.r, row.tint.g, row.tint.b, 0.1) : "transparent"
        border.width: row.focused ? 2 : 0
        border.color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.55)
        Behavior on color {
            ColorAnimation { duration: 150; easing.type: Easing.BezierSpline; easing.bezierCurve: Theme.easeInOut }
        }
    }

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.topMargin: 2 + 6
        anchors.bottomMargin: 2 + 6
        anchors.leftMargin: 6 + 6
        anchors.rightMargin: 6 + 6
        spacing: Theme.defaultSpacing

        SmallCheckBox {
            id: checkBox
            objectName: "itemCheckBox"
            Layout.alignment: Qt.AlignTop
            // Level with the name's first line.
            Layout.topMargin: 1
            visible: row.cleanable
            text: row.name
            checked: row.selected
            focusPolicy: Qt.NoFocus
            // The model's state decides; a click only asks for the change.
            onToggled: {
                const wanted = checked
                checked = Qt.binding(() => row.selected)
                row.toggled(wanted)
            }
        }
        ItemSafetyDetails {
            id: details
            Layout.fillWidth: true
            name: row.name
            kind: row.kind
            safetyReason: row.safetyReason
            modified: row.modified
            actionHint: row.actionHint
            hintForm: row.hintForm
            application: row.application
            deleted: row.deleted
            place: row.placeFromHome
            projectAge: row.projectUntouched ?? ""
        }
        ColumnLayout {
            Layout.alignment: Qt.AlignVCenter
            spacing: 5

            SafetyBadge {
                id: badge
                Layout.alignment: Qt.AlignRight
                level: row.safetyLevel
            }
            Text {
                id: sizeLabel
                objectName: "sizeLabel"
                Layout.alignment: Qt.AlignRight
                text: {
                    Localizer.bundle
                    return Localizer.formatBytes(row.size)
                }
                font.pixelSize: Theme.callout.pixelSize
                font.weight: Font.Medium
                color: row.selected ? Contrast.readable(row.tint, Qt.color("white")) : Theme.secondaryText
            }
        }
    }

    HoverHandler {
        onHoveredChanged: row.hoverChanged(hovered)
    }
    // The whole row is the checkbox's label: a click anywhere ticks it.
    TapHandler {
        acceptedButtons: Qt.LeftButton
        onTapped: if (row.cleanable) row.toggled(!row.selected)
    }
    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: eventPoint => row.openContextMenu(eventPoint.position.x, eventPoint.position.y)
    }

    AppMenu {
        id: menu
        AppMenuItem {
            objectName: "revealItem"
            text: row.revealText
            onTriggered: row.revealRequested()
        }
        AppMenuItem {
            objectName: "copyPathItem"
            text: qsTr("Copy Path")
            onTriggered: Clipboard.setText(row.path)
        }
        // Left out, not greyed, where they do not apply: a menu lists what can be done. A
        // left-out entry is disabled too, or the arrow keys would stop on it unseen.
        AppMenuItem {
            objectName: "putBackItem"
            text: qsTr("Put Back")
            visible: row.canPutBack
            enabled: row.canPutBack && !row.busy
            height: visible ? implicitHeight : 0
            onTriggered: row.putBackRequested()
        }
        AppMenuItem {
            objectName: "excludeItem"
            text: qsTr("Never Offer This Again")
            visible: row.cleanable
            enabled: row.cleanable
            height: visible ? implicitHeight : 0
            onTriggered: row.excludeRequested()
        }
    }
}
