import QtQuick
import Orvelane

MainWindowScene {
    kind: Category.Trash
    scan: true
    selectAll: true
    settleMs: 3000
}
