import QtQuick
import Orvelane

SettingsView {
    width: 380
    height: 280
}
