import QtQuick

MainWindowScene {
    kind: "devArtifacts"
    scan: true
    selectAll: true
    settleMs: 3000
}
