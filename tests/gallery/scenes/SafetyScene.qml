import QtQuick
import QtQuick.Layouts
import Orvelane

// Item rows as the category list shows them: explanation on the left, badge on the right.
Rectangle {
    width: 620
    height: 470
    color: Theme.controlBackground

    ListModel {
        id: samples
        ListElement { name: "node_modules — web-shop"; kind: Category.DevArtifacts; level: SafetyLevel.Review; reason: "requiresRebuild"; daysAgo: 40; hint: "npm install" }
        ListElement { name: "Simulator devices"; kind: Category.Insights; level: SafetyLevel.Protected; reason: "managedByAnotherTool"; daysAgo: -1; hint: "xcrun simctl delete unavailable" }
        ListElement { name: "com.example.browser"; kind: Category.Caches; level: SafetyLevel.Safe; reason: "oldRegenerable"; daysAgo: 12; hint: "" }
        ListElement { name: "Installer-with-a-very-long-name-that-goes-on-and-on-and-on-until-it-cannot-fit-1.2.3-universal.dmg"; kind: Category.Downloads; level: SafetyLevel.Review; reason: "userFile"; daysAgo: -1; hint: "" }
        ListElement { name: "Old report.pdf"; kind: Category.Trash; level: SafetyLevel.Review; reason: "permanentDeletion"; daysAgo: 3; hint: "" }
    }

    Column {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 0

        Row {
            spacing: 10
            bottomPadding: 12
            SafetyBadge { level: SafetyLevel.Safe }
            SafetyBadge { level: SafetyLevel.Review }
            SafetyBadge { level: SafetyLevel.Protected }
        }

        Repeater {
            model: samples

            Item {
                id: row
                required property string name
                required property int kind
                required property int level
                required property string reason
                required property int daysAgo
                required property string hint

                width: parent.width
                height: layout.implicitHeight + 16

                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 1
                    color: Theme.separator
                }
                RowLayout {
                    id: layout
                    anchors.fill: parent
                    anchors.topMargin: 8
                    anchors.bottomMargin: 8
                    spacing: 12

                    ItemSafetyDetails {
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignTop
                        name: row.name
                        kind: row.kind
                        safetyReason: row.reason
                        modified: row.daysAgo < 0 ? undefined : new Date(Date.now() - row.daysAgo * 86400000)
                        actionHint: row.hint
                    }
                    SafetyBadge {
                        Layout.alignment: Qt.AlignVCenter
                        level: row.level
                    }
                }
            }
        }
    }
}
