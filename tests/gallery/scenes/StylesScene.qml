import QtQuick
import QtQuick.Layouts
import Orvelane

// Shared styles: the brand gradient, a pressable button at rest and held, and the glow
// pulsing, at its bright end, and turned on after it was shown (pulsing from then on).
Rectangle {
    id: scene

    property int settleMs: 1650

    width: 760
    height: 260
    color: Theme.controlBackground

    component GlowSample: ColumnLayout {
        property alias glow: glow
        property alias caption: captionText.text
        spacing: 10
        PulsingGlow {
            id: glow
            color: Theme.brandBlue
            Rectangle {
                width: 110
                height: 34
                radius: 8
                color: Theme.brandBlue
                Text {
                    anchors.centerIn: parent
                    text: qsTr("Scan")
                    color: "white"
                    font: Theme.semibold(Theme.body)
                }
            }
        }
        Text {
            id: captionText
            font: Theme.caption
            color: Theme.secondaryText
        }
    }

    Rectangle {
        id: swatch
        width: 90
        height: 90
        radius: 12
        visible: false
    }

    RowLayout {
        anchors.centerIn: parent
        spacing: 30

        ColumnLayout {
            spacing: 10
            BrandFill {
                Layout.preferredWidth: 90
                Layout.preferredHeight: 90
                source: swatch
            }
            Text { text: "brand"; font: Theme.caption; color: Theme.secondaryText }
        }

        ColumnLayout {
            spacing: 14
            PressableStyle {
                contentItem: Text { text: "Pressable"; font: Theme.body; color: Theme.brandBlue }
            }
            PressableStyle {
                id: held
                contentItem: Text { text: "Held (94 %)"; font: Theme.body; color: Theme.brandBlue }
                Component.onCompleted: held.scale = 0.94
            }
        }

        GlowSample {
            caption: "glow, pulsing"
            glow.active: true
            glow.cornerRadius: 8
        }
        GlowSample {
            id: bright
            caption: "glow, bright end"
            glow.cornerRadius: 8
        }
        GlowSample {
            id: late
            caption: "glow, turned on later"
            glow.cornerRadius: 8
        }
    }

    Timer {
        interval: 100
        running: true
        onTriggered: late.glow.active = true
    }
    // Turned on one pulse (1.1 s) before the picture is taken, it is at its bright end then.
    Timer {
        interval: scene.settleMs - 1100
        running: true
        onTriggered: bright.glow.active = true
    }
}
