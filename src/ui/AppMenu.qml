import QtQuick
import QtQuick.Controls
import Qt5Compat.GraphicalEffects as Effects
import Orvelane

// A menu in the window's own look: a rounded light panel with a soft shadow, rows lit in the
// accent colour under the pointer or the keyboard, and each row's shortcut at its right.
Menu {
    id: menu

    padding: 5
    delegate: AppMenuItem {}
    // As wide as its widest entry shown, so that a long text (Turkish runs long) is never cut.
    width: {
        let widest = implicitWidth
        for (let i = 0; i < count; ++i) {
            const entry = itemAt(i)
            if (entry && entry.visible)
                widest = Math.max(widest, entry.implicitWidth + leftPadding + rightPadding)
        }
        return widest
    }

    background: Rectangle {
        implicitWidth: 200
        implicitHeight: 24
        radius: 7
        color: Theme.controlBackground
        border.width: 1
        border.color: Theme.controlBorder
        layer.enabled: menu.visible
        layer.effect: Effects.DropShadow {
            color: Qt.rgba(0, 0, 0, 0.2)
            radius: 12
            samples: 25
            verticalOffset: 4
            transparentBorder: true
        }
    }
}
