import QtQuick
import QtQuick.Controls
import Qt5Compat.GraphicalEffects as Effects
import Orvelane

// The pop-up button that picks the display language, bound both ways to Localizer.language.
// Options in order: "System Default" (in the chosen language), "English", "Türkçe".
ComboBox {
    id: control

    // Reading the bundle makes a binding that calls this follow a language switch.
    function nameOf(raw) {
        Localizer.bundle
        return Localizer.displayName(raw)
    }

    model: Localizer.languages
    currentIndex: Localizer.languages.indexOf(Localizer.language)
    displayText: nameOf(Localizer.language)
    onActivated: index => Localizer.language = Localizer.languages[index]

    Accessible.role: Accessible.ComboBox
    Accessible.name: qsTr("Language")
    Accessible.description: displayText

    font: Theme.body
    leftPadding: 8
    rightPadding: 8 + indicator.width
    topPadding: 3
    bottomPadding: 3

    contentItem: Text {
        text: control.displayText
        font: control.font
        color: Theme.primaryText
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    indicator: Symbol {
        x: control.width - width - 4
        anchors.verticalCenter: control.verticalCenter
        name: "chevron.up.chevron.down"
        size: 14
        color: Theme.secondaryText
    }

    background: Rectangle {
        implicitWidth: 150
        implicitHeight: 22
        radius: 5
        color: control.down ? "#e8e8e8" : Theme.controlBackground
        border.width: 1
        border.color: Theme.controlBorder

        // The keyboard focus ring.
        Rectangle {
            objectName: "focusRing"
            anchors.fill: parent
            anchors.margins: -3
            radius: parent.radius + 3
            color: "transparent"
            border.width: 2
            border.color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b, 0.6)
            visible: control.visualFocus
        }
    }

    delegate: ItemDelegate {
        id: option

        required property string modelData
        required property int index

        width: ListView.view ? ListView.view.width : control.width
        implicitHeight: 24
        leftPadding: 6
        highlighted: control.highlightedIndex === index

        contentItem: Row {
            spacing: 4

            Symbol {
                anchors.verticalCenter: parent.verticalCenter
                name: "checkmark"
                size: 14
                opacity: option.index === control.currentIndex ? 1 : 0
                color: option.highlighted ? "white" : Theme.primaryText
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: control.nameOf(option.modelData)
                font: control.font
                color: option.highlighted ? "white" : Theme.primaryText
            }
        }
        background: Rectangle {
            radius: 4
            color: option.highlighted ? Theme.selectedContent : "transparent"
        }
    }

    // Like a desktop pop-up menu: the chosen option opens right over the button.
    popup: Popup {
        x: control.width - width
        y: (control.height - 24) / 2 - topPadding - Math.max(0, control.currentIndex) * 24
        margins: 0
        width: Math.max(control.width, implicitContentWidth + leftPadding + rightPadding)
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        padding: 5

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            implicitWidth: 170
            model: control.popup.visible ? control.delegateModel : null
            currentIndex: control.highlightedIndex
        }
        background: Rectangle {
            radius: 6
            color: Theme.controlBackground
            border.width: 1
            border.color: Theme.controlBorder
            layer.enabled: true
            layer.effect: Effects.DropShadow {
                color: Qt.rgba(0, 0, 0, 0.2)
                radius: 10
                samples: 21
                verticalOffset: 3
                transparentBorder: true
            }
        }
    }
}
