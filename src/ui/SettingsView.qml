import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

// The settings window's content, 380 × 280: the display language, bound both ways to
// Localizer.language, and the application's version. No inputs.
Rectangle {
    id: settings

    readonly property alias languagePicker: picker
    readonly property string versionText: versionValue.text
    readonly property bool popupOpen: picker.popup.visible

    implicitWidth: 380
    implicitHeight: 280
    color: Theme.formBackground

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

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 20

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
                }
            }
        }

        FormSection {
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

        Item {
            Layout.fillHeight: true
        }
    }
}
