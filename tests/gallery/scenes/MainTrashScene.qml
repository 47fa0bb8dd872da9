import QtQuick

MainWindowScene {
    kind: "trash"
    scan: true
    selectAll: true
    settleMs: 3000
}
