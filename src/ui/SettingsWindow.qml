import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Orvelane

Window {
    id: settingsWindow

    title: qsTr("Settings")
    width: 380
    height: 280
    minimumWidth: 380
    minimumHeight: 280
    maximumWidth: 380
    maximumHeight: 280

    GridLayout {
        anchors.fill: parent
        anchors.margins: 20
        columns: 2
        columnSpacing: 12
        rowSpacing: 12

        Label {
            text: qsTr("Language")
        }
        ComboBox {
            id: languagePicker
            Layout.fillWidth: true
            model: Localizer.languages
            displayText: Localizer.displayName(Localizer.language)
            delegate: ItemDelegate {
                required property string modelData
                width: languagePicker.width
                text: Localizer.displayName(modelData)
                highlighted: languagePicker.highlightedIndex === index
                required property int index
            }
            currentIndex: Localizer.languages.indexOf(Localizer.language)
            onActivated: index => Localizer.language = Localizer.languages[index]
        }

        Item {
            Layout.columnSpan: 2
            Layout.fillHeight: true
        }
    }
}
