import QtQuick
import Orvelane

MainWindowScene {
    kind: Category.DevArtifacts
    scan: true
    selectAll: false
    settleMs: 60
}
