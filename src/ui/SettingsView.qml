import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// The settings window's content: the display language (bound both ways to Localizer.language),
// the paths never offered again, each with Offer Again, the weekly tidy with its choices, and
// the application's version. It scrolls when the window is smaller than it. Input:
// settingsState (the shell's; without it only the language and the version show).
Rectangle {
    id: settings

    property SettingsState settingsState: null
    readonly property ExcludedPaths exclusions: settingsState ? settingsState.exclusions : null
    readonly property TidyController tidy: settingsState ? settingsState.tidy : null

    readonly property alias languagePicker: picker
    readonly property string versionText: versionValue.text
    readonly property bool popupOpen: picker.popup.visible
    // What the sections' texts stand on, for their contrast.
    readonly property color sectionBackground: Qt.tint(Theme.formBackground, Theme.formSection)

    implicitWidth: 460
    implicitHeight: page.contentHeight
    color: Theme.formBackground

    // Scrolls the page so that a control the keyboard reached is in view.
    function reveal(item) {
        const top = item.mapToItem(page.contentItem, 0, 0).y - 8
        const bottom = top + item.height + 16
        if (top < page.contentY)
            page.contentY = Math.max(0, top)
        else if (bottom > page.contentY + page.height)
            page.contentY = Math.min(bottom - page.height, page.contentHeight - page.height)
    }

    // The row goes with its exclusion (the list is read again); a keyboard that was on it moves
    // to the row that took its place, or on to the tidy.
    function offerAgain(key, index, byKeyboard) {
        exclusions.offerAgain(key)
        if (!byKeyboard)
            return
        if (excludedRows.count > 0)
            excludedRows.itemAt(Math.min(index, excludedRows.count - 1)).button.forceActiveFocus(Qt.TabFocusReason)
        else
            tidySwitch.forceActiveFocus(Qt.TabFocusReason)
    }

    component FormSection: Rectangle {
        default property alias rows: column.data

        Layout.fillWidth: true
        implicitHeight: column.implicitHeight
        radius: 6
        color: Theme.formSection
        border.width: 1
        border.color: Theme.formSectionBorder

        ColumnLayout {
            id: column
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 10
            anchors.rightMargin: 10
            spacing: 0
        }
    }

    component SectionHeading: Text {
        Layout.topMargin: 6
        Layout.leftMargin: 2
        font: Qt.font({ pixelSize: Theme.body.pixelSize, weight: Font.DemiBold })
        color: Theme.primaryText
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    component Note: Text {
        Layout.fillWidth: true
        Layout.topMargin: 8
        Layout.bottomMargin: 8
        wrapMode: Text.Wrap
        font: Theme.callout
        color: Theme.secondaryText
    }

    Flickable {
        id: page
        anchors.fill: parent
        contentWidth: width
        contentHeight: content.implicitHeight + 40
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {
            policy: page.contentHeight > page.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
        }

        ColumnLayout {
            id: content
            x: 20
            y: 20
            width: page.width - 40
            spacing: 8

            FormSection {
                RowLayout {
                    Layout.fillWidth: true
                    Layout.minimumHeight: 40
                    spacing: 6

                    Symbol {
                        name: "globe"
                        size: Theme.body.pixelSize + 3
                        color: Theme.primaryText
                    }
                    Text {
                        objectName: "languageLabel"
                        text: qsTr("Language")
                        font: Theme.body
                        color: Theme.primaryText
                    }
                    Item {
                        Layout.fillWidth: true
                    }
                    LanguagePicker {
                        id: picker
                        onActiveFocusChanged: if (activeFocus) settings.reveal(this)
                    }
                }
            }

            SectionHeading {
                objectName: "exclusionsHeading"
                visible: settings.exclusions !== null
                text: qsTr("Never Offered Again")
            }
            FormSection {
                visible: settings.exclusions !== null

                Note {
                    objectName: "noExclusionsText"
                    visible: excludedRows.count === 0
                    text: qsTr("Nothing is excluded. Items you choose never to offer again are listed here.")
                }
                Repeater {
                    id: excludedRows
                    model: settings.exclusions ? settings.exclusions.entries : []

                    delegate: RowLayout {
                        id: row

                        required property var modelData
                        required property int index
                        readonly property alias button: offerAgain

                        Layout.fillWidth: true
                        Layout.minimumHeight: 36
                        spacing: 8

                        Text {
                            objectName: "excludedPath"
                            Layout.fillWidth: true
                            text: row.modelData.text
                            elide: Text.ElideMiddle
                            font: Theme.body
                            color: Theme.primaryText
                        }
                        PushButton {
                            id: offerAgain
                            objectName: "settingsOfferAgainButton"
                            text: qsTr("Offer Again")
                            focusRingShown: activeFocus
                            Accessible.name: qsTr("Offer Again %1").arg(row.modelData.text)
                            Keys.onReturnPressed: clicked()
                            Keys.onEnterPressed: clicked()
                            onActiveFocusChanged: if (activeFocus) settings.reveal(this)
                            onClicked: settings.offerAgain(row.modelData.key, row.index, activeFocus)
                        }
                    }
                }
                Note {
                    objectName: "exclusionsMessage"
                    visible: text !== ""
                    text: settings.exclusions ? settings.exclusions.message : ""
                    color: Contrast.readable(Theme.dangerText, settings.sectionBackground)
                }
            }

            SectionHeading {
                objectName: "tidyHeading"
                visible: settings.tidy !== null
                text: qsTr("Weekly Tidy")
            }
            FormSection {
                visible: settings.tidy !== null

                RowLayout {
                    Layout.fillWidth: true
                    Layout.minimumHeight: 40
                    spacing: 8

                    Text {
                        id: tidySwitchLabel
                        objectName: "tidySwitchLabel"
                        Layout.fillWidth: true
                        text: qsTr("Tidy up automatically every week")
                        elide: Text.ElideRight
                        font: Theme.body
                        color: Theme.primaryText
                    }
                    BusyIndicator {
                        objectName: "tidySwitching"
                        running: settings.tidy !== null && settings.tidy.switching
                        visible: running
                        implicitWidth: 20
                        implicitHeight: 20
                        Accessible.ignored: true
                    }
                    ToggleSwitch {
                        id: tidySwitch
                        objectName: "tidySwitch"

                        // What the user asked for shows while systemd is asked; then its answer.
                        property bool wanted: false
                        function follow() {
                            checked = Qt.binding(() => settings.tidy !== null
                                                 && (settings.tidy.switching ? wanted : settings.tidy.enabled))
                        }

                        text: tidySwitchLabel.text
                        // Kept enabled while systemd is asked, so that the keyboard stays on it.
                        enabled: settings.tidy !== null
                        Component.onCompleted: follow()
                        onToggled: {
                            if (settings.tidy.switching) {
                                follow()
                                return
                            }
                            wanted = checked
                            settings.tidy.turn(checked)
                            follow()
                        }
                        onActiveFocusChanged: if (activeFocus) settings.reveal(this)
                    }
                }
                Note {
                    objectName: "tidyMessage"
                    visible: text !== ""
                    text: settings.tidy ? settings.tidy.message : ""
                    color: Contrast.readable(Theme.dangerText, settings.sectionBackground)
                    Accessible.role: Accessible.AlertMessage
                    Accessible.name: text
                }
                RowLayout {
                    Layout.fillWidth: true
                    Layout.minimumHeight: 36
                    spacing: 8

                    Text {
                        id: daysLabel
                        objectName: "tidyDaysLabel"
                        Layout.fillWidth: true
                        text: qsTr("Items unchanged for")
                        elide: Text.ElideRight
                        font: Theme.body
                        color: Theme.primaryText
                    }
                    DaySpinBox {
                        objectName: "tidyDaysField"
                        name: daysLabel.text
                        from: settings.tidy ? settings.tidy.minDays : 1
                        to: settings.tidy ? settings.tidy.maxDays : 1
                        value: settings.tidy ? settings.tidy.days : 1
                        enabled: settings.tidy !== null && !settings.tidy.switching
                        dayText: count => settings.tidy ? settings.tidy.dayCountText(count) : String(count)
                        onValueModified: settings.tidy.days = value
                        onActiveFocusChanged: if (activeFocus) settings.reveal(this)
                    }
                }
                RowLayout {
                    Layout.fillWidth: true
                    Layout.minimumHeight: 36
                    spacing: 8

                    SmallCheckBox {
                        id: buildFolders
                        objectName: "tidyBuildFoldersBox"
                        text: buildFoldersLabel.text
                        checked: settings.tidy !== null && settings.tidy.includeBuildFolders
                        enabled: settings.tidy !== null && !settings.tidy.switching
                        onToggled: {
                            settings.tidy.includeBuildFolders = checked
                            checked = Qt.binding(() => settings.tidy !== null && settings.tidy.includeBuildFolders)
                        }
                        onActiveFocusChanged: if (activeFocus) settings.reveal(this)
                    }
                    Text {
                        id: buildFoldersLabel
                        objectName: "tidyBuildFoldersLabel"
                        Layout.fillWidth: true
                        text: qsTr("Include build folders of untouched projects")
                        elide: Text.ElideRight
                        font: Theme.body
                        color: Theme.primaryText

                        // The box beside it is what a screen reader names and ticks.
                        Accessible.ignored: true
                        TapHandler {
                            enabled: buildFolders.enabled
                            onTapped: {
                                buildFolders.toggle()
                                buildFolders.toggled()
                            }
                        }
                    }
                }
                RowLayout {
                    Layout.fillWidth: true
                    Layout.minimumHeight: 36
                    spacing: 8

                    Text {
                        id: untouchedLabel
                        objectName: "untouchedDaysLabel"
                        Layout.fillWidth: true
                        Layout.leftMargin: 20
                        text: qsTr("Projects count as untouched after")
                        elide: Text.ElideRight
                        font: Theme.body
                        color: Theme.primaryText
                    }
                    DaySpinBox {
                        objectName: "untouchedDaysField"
                        name: untouchedLabel.text
                        from: settings.tidy ? settings.tidy.minDays : 1
                        to: settings.tidy ? settings.tidy.maxDays : 1
                        value: settings.tidy ? settings.tidy.untouchedDays : 1
                        enabled: settings.tidy !== null && !settings.tidy.switching
                        dayText: count => settings.tidy ? settings.tidy.dayCountText(count) : String(count)
                        onValueModified: settings.tidy.untouchedDays = value
                        onActiveFocusChanged: if (activeFocus) settings.reveal(this)
                    }
                }
                Note {
                    objectName: "tidyScopeText"
                    text: {
                        Localizer.bundle
                        if (!settings.tidy)
                            return ""
                        settings.tidy.days, settings.tidy.includeBuildFolders, settings.tidy.untouchedDays
                        return settings.tidy.scopeText()
                    }
                }
            }

            FormSection {
                Layout.topMargin: 12

                RowLayout {
                    Layout.fillWidth: true
                    Layout.minimumHeight: 40
                    spacing: 6

                    Text {
                        objectName: "versionLabel"
                        text: qsTr("Version")
                        font: Theme.body
                        color: Theme.primaryText
                    }
                    Item {
                        Layout.fillWidth: true
                    }
                    Text {
                        id: versionValue
                        text: ApplicationVersion.text
                        font: Theme.body
                        color: Theme.secondaryText
                    }
                }
            }
        }
    }
}
