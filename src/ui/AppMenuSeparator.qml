import QtQuick
import QtQuick.Controls
import Orvelane

// The thin line between groups of an AppMenu.
MenuSeparator {
    topPadding: 4
    bottomPadding: 4
    contentItem: Rectangle {
        implicitWidth: 180
        implicitHeight: 1
        color: Theme.separator
    }
}
