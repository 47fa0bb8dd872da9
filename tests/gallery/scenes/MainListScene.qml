import QtQuick
import Orvelane

MainWindowScene {
    kind: Category.DevArtifacts
    scan: true
    selectAll: true
    settleMs: 3000
}
