import QtQuick

MainWindowScene {
    kind: "insights"
    scan: true
    selectAll: false
    settleMs: 3000
}
