import QtQuick
import Orvelane

// A handful of entries: no note; the entry without a size shows none.
SkippedItemsView {
    items: [
        { name: "Logs", path: "/home/user/Library/Logs", size: 48000, reason: "belowSizeThreshold" },
        { name: "DiagnosticReports", path: "/home/user/Library/Logs/DiagnosticReports", size: -1, reason: "emptyOrInaccessible" },
        { name: "com.example.app", path: "/home/user/Library/Containers/com.example.app/Data/Library/Logs", size: 1200, reason: "belowSizeThreshold" }
    ]
}
