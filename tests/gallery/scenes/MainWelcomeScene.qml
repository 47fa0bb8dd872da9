import QtQuick

MainWindowScene {
    kind: "caches"
    scan: false
    selectAll: false
    settleMs: 1500
}
