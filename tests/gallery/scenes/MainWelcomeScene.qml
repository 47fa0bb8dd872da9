import QtQuick
import Orvelane

MainWindowScene {
    kind: Category.Caches
    scan: false
    selectAll: false
    settleMs: 1500
}
