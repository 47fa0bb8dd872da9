import QtQuick

MainWindowScene {
    kind: "devArtifacts"
    scan: true
    selectAll: false
    settleMs: 60
}
