import QtQuick
import Orvelane

// 301 skipped entries: the first 300 are listed, with the note under the list.
SkippedItemsView {
    items: {
        const entries = []
        for (let i = 0; i < 301; ++i) {
            const empty = i % 7 === 3
            entries.push({
                name: empty ? "com.example.EmptyContainer" + i
                            : (i === 0 ? "a-folder-with-an-exceptionally-long-name-that-does-not-fit-on-one-line-of-the-sheet-" + i : "cache-" + i),
                url: "file:///home/user/Library/Caches/item" + i,
                size: empty ? undefined : 900000 - i * 2500,
                reason: empty ? "emptyOrInaccessible" : "belowSizeThreshold"
            })
        }
        return entries
    }
}
