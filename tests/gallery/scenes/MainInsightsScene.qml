import QtQuick
import Orvelane

MainWindowScene {
    kind: Category.Insights
    scan: true
    selectAll: false
    settleMs: 3000
}
