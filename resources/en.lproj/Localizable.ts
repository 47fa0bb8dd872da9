<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>Orvelane</name>
    <message>
        <source>Application Caches</source>
        <translation>Application Caches</translation>
    </message>
    <message>
        <source>App caches, including sandboxed app containers — rebuilt when needed.</source>
        <translation>App caches, including sandboxed app containers — rebuilt when needed.</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Log Files</translation>
    </message>
    <message>
        <source>~/Library/Logs and app container logs — old diagnostic reports.</source>
        <translation>~/Library/Logs and app container logs — old diagnostic reports.</translation>
    </message>
    <message>
        <source>Xcode Junk</source>
        <translation>Xcode Junk</translation>
    </message>
    <message>
        <source>DerivedData, simulator caches, and device support files.</source>
        <translation>DerivedData, simulator caches, and device support files.</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Developer Caches</translation>
    </message>
    <message>
        <source>Download caches from npm, pnpm, Gradle, Cargo, and Go.</source>
        <translation>Download caches from npm, pnpm, Gradle, Cargo, and Go.</translation>
    </message>
    <message>
        <source>Build Artifacts</source>
        <translation>Build Artifacts</translation>
    </message>
    <message>
        <source>Regenerable project folders (.terraform, node_modules…). Safe to remove, but you&apos;ll need to rebuild — check the date first.</source>
        <translation>Regenerable project folders (.terraform, node_modules…). Safe to remove, but you&apos;ll need to rebuild — check the date first.</translation>
    </message>
    <message>
        <source>Large Downloads</source>
        <translation>Large Downloads</translation>
    </message>
    <message>
        <source>Installers and large files in ~/Downloads — these are your files, review carefully.</source>
        <translation>Installers and large files in ~/Downloads — these are your files, review carefully.</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>Items here are deleted PERMANENTLY and cannot be recovered!</source>
        <translation>Items here are deleted PERMANENTLY and cannot be recovered!</translation>
    </message>
    <message>
        <source>The item contains a mounted folder (%@) and was left untouched.</source>
        <translation>The item contains a mounted folder (%@) and was left untouched.</translation>
    </message>
    <message>
        <source>The item is itself a mount point (%@) and was left untouched.</source>
        <translation>The item is itself a mount point (%@) and was left untouched.</translation>
    </message>
    <message>
        <source>A folder mounted inside the item (%@) was left in place; the item was removed only in part.</source>
        <translation>A folder mounted inside the item (%@) was left in place; the item was removed only in part.</translation>
    </message>
    <message>
        <source>Storage Insights</source>
        <translation>Storage Insights</translation>
    </message>
    <message>
        <source>Large stores managed by other apps — guidance only, never selected or deleted by Orvelane.</source>
        <translation>Large stores managed by other apps — guidance only, never selected or deleted by Orvelane.</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Safe</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>Protected</source>
        <translation>Protected</translation>
    </message>
    <message>
        <source>Regenerable data that has not changed recently.</source>
        <translation>Regenerable data that has not changed recently.</translation>
    </message>
    <message>
        <source>Recently active — close the related app and review before cleaning.</source>
        <translation>Recently active — close the related app and review before cleaning.</translation>
    </message>
    <message>
        <source>Regenerable, but rebuilding it may take significant time or data.</source>
        <translation>Regenerable, but rebuilding it may take significant time or data.</translation>
    </message>
    <message>
        <source>Removing this requires rebuilding the project before it works again.</source>
        <translation>Removing this requires rebuilding the project before it works again.</translation>
    </message>
    <message>
        <source>This is one of your files; Orvelane cannot determine whether you still need it.</source>
        <translation>This is one of your files; Orvelane cannot determine whether you still need it.</translation>
    </message>
    <message>
        <source>Cleaning Trash deletes this permanently and cannot be undone.</source>
        <translation>Cleaning Trash deletes this permanently and cannot be undone.</translation>
    </message>
    <message>
        <source>Read-only insight — manage this storage with the app or command shown.</source>
        <translation>Read-only insight — manage this storage with the app or command shown.</translation>
    </message>
    <message>
        <source>Empty or inaccessible</source>
        <translation>Empty or inaccessible</translation>
    </message>
    <message>
        <source>Below the display threshold</source>
        <translation>Below the display threshold</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>System Default</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Full Disk Access required</source>
        <translation>Full Disk Access required</translation>
    </message>
    <message>
        <source>Without it, the Trash and some app data can&apos;t be scanned.</source>
        <translation>Without it, the Trash and some app data can&apos;t be scanned.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Open Settings</translation>
    </message>
    <message>
        <source>Total found: %@</source>
        <translation>Total found: %@</translation>
    </message>
    <message>
        <source>Not scanned yet</source>
        <translation>Not scanned yet</translation>
    </message>
    <message>
        <source>Cleaned this session: %@</source>
        <translation>Cleaned this session: %@</translation>
    </message>
    <message>
        <source>Select a category</source>
        <translation>Select a category</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Some items could not be cleaned</source>
        <translation>Some items could not be cleaned</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>Protected / Skipped (%lld)</source>
        <translation>
            <numerusform>Protected / Skipped (%lld)</numerusform>
            <numerusform>Protected / Skipped (%lld)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Scanning…</translation>
    </message>
    <message>
        <source>Grant Full Disk Access in System Settings, then scan again.</source>
        <translation>Grant Full Disk Access in System Settings, then scan again.</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Reveal in Finder</translation>
    </message>
    <message>
        <source>Ready to tidy up your computer</source>
        <translation>Ready to tidy up your computer</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Show in File Manager</translation>
    </message>
    <message>
        <source>The Trash can&apos;t be read</source>
        <translation>The Trash can&apos;t be read</translation>
    </message>
    <message>
        <source>Check the owner and permissions of the Trash folder, then scan again.</source>
        <translation>Check the owner and permissions of the Trash folder, then scan again.</translation>
    </message>
    <message>
        <source>Check the owner and permissions of %@, then scan again.</source>
        <translation>Check the owner and permissions of %@, then scan again.</translation>
    </message>
    <message>
        <source>App caches in ~/.cache, Flatpak and snap apps — rebuilt when needed.</source>
        <translation>App caches in ~/.cache, Flatpak and snap apps — rebuilt when needed.</translation>
    </message>
    <message>
        <source>Session logs and app logs in ~/.config and ~/.local — old diagnostic reports.</source>
        <translation>Session logs and app logs in ~/.config and ~/.local — old diagnostic reports.</translation>
    </message>
    <message>
        <source>Download caches from npm, pnpm, pip, Gradle, Maven, Cargo, Go, and more.</source>
        <translation>Download caches from npm, pnpm, pip, Gradle, Maven, Cargo, Go, and more.</translation>
    </message>
    <message>
        <source>Installers and large files in your Downloads folder — these are your files, review carefully.</source>
        <translation>Installers and large files in your Downloads folder — these are your files, review carefully.</translation>
    </message>
    <message>
        <source>Read-only guidance — Orvelane never deletes these items.</source>
        <translation>Read-only guidance — Orvelane never deletes these items.</translation>
    </message>
    <message numerus="yes">
        <source>%lld items selected — %@</source>
        <translation>
            <numerusform>%lld item selected — %@</numerusform>
            <numerusform>%lld items selected — %@</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected items are deleted permanently.</source>
        <translation>Selected items are deleted permanently.</translation>
    </message>
    <message>
        <source>Selected items are moved to the Trash and can be restored.</source>
        <translation>Selected items are moved to the Trash and can be restored.</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Delete Permanently</translation>
    </message>
    <message numerus="yes">
        <source>Move %lld items (%@) to the Trash?</source>
        <translation>
            <numerusform>Move %lld item (%@) to the Trash?</numerusform>
            <numerusform>Move %lld items (%@) to the Trash?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %lld items (%@)? This cannot be undone.</source>
        <translation>
            <numerusform>Permanently delete %lld item (%@)? This cannot be undone.</numerusform>
            <numerusform>Permanently delete %lld items (%@)? This cannot be undone.</numerusform>
        </translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Last modified: %@</source>
        <translation>Last modified: %@</translation>
    </message>
    <message>
        <source>Rebuild: %@</source>
        <translation>Rebuild: %@</translation>
    </message>
    <message>
        <source>Manage with: %@</source>
        <translation>Manage with: %@</translation>
    </message>
    <message>
        <source>Protected / Skipped Items</source>
        <translation>Protected / Skipped Items</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Showing the first 300 skipped items.</source>
        <translation>Showing the first 300 skipped items.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Ready to tidy up your Mac</source>
        <translation>Ready to tidy up your Mac</translation>
    </message>
    <message>
        <source>Scan to see what can be safely cleaned. Nothing is touched until you choose.</source>
        <translation>Scan to see what can be safely cleaned. Nothing is touched until you choose.</translation>
    </message>
    <message>
        <source>All clean!</source>
        <translation>All clean!</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>Nothing to clean in this category.</translation>
    </message>
    <message>
        <source>Cleaned %@</source>
        <translation>Cleaned %@</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>New Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Quit Orvelane</source>
        <translation>Quit Orvelane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About Orvelane</source>
        <translation>About Orvelane</translation>
    </message>
    <message>
        <source>Excluded by you</source>
        <translation>Excluded by you</translation>
    </message>
    <message>
        <source>The item is not in a Trash folder.</source>
        <translation>The item is not in a Trash folder.</translation>
    </message>
    <message>
        <source>The item has no Trash record that can be read.</source>
        <translation>The item has no Trash record that can be read.</translation>
    </message>
    <message>
        <source>Its Trash record points outside your home folder.</source>
        <translation>Its Trash record points outside your home folder.</translation>
    </message>
    <message>
        <source>The item is no longer in the Trash.</source>
        <translation>The item is no longer in the Trash.</translation>
    </message>
    <message>
        <source>The item in the Trash is not the one that was moved there.</source>
        <translation>The item in the Trash is not the one that was moved there.</translation>
    </message>
    <message>
        <source>Something new is at its old place.</source>
        <translation>Something new is at its old place.</translation>
    </message>
    <message>
        <source>A folder on the way to its old place is a symbolic link.</source>
        <translation>A folder on the way to its old place is a symbolic link.</translation>
    </message>
    <message>
        <source>Its old place is on another volume than the Trash.</source>
        <translation>Its old place is on another volume than the Trash.</translation>
    </message>
    <message>
        <source>%@ stays in the Trash: something new is at its old place.</source>
        <translation>%@ stays in the Trash: something new is at its old place.</translation>
    </message>
    <message>
        <source>There is no clean to undo any more.</source>
        <translation>There is no clean to undo any more.</translation>
    </message>
    <message>
        <source>The settings file is not a regular file.</source>
        <translation>The settings file is not a regular file.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>The settings file could not be written.</translation>
    </message>
    <message>
        <source>Only absolute paths without &quot;..&quot; can be excluded.</source>
        <translation>Only absolute paths without &quot;..&quot; can be excluded.</translation>
    </message>
    <message>
        <source>There is no clean to undo.</source>
        <translation>There is no clean to undo.</translation>
    </message>
    <message>
        <source>Put back from the Trash: %@</source>
        <translation>Put back from the Trash: %@</translation>
    </message>
    <message>
        <source>Put back: %@</source>
        <translation>Put back: %@</translation>
    </message>
    <message>
        <source>%@ free of %@</source>
        <translation>%@ free of %@</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Undo Clean</source>
        <translation>Undo Clean</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Put Back</translation>
    </message>
    <message>
        <source>Never Offer This Again</source>
        <translation>Never Offer This Again</translation>
    </message>
    <message>
        <source>Some items could not be put back</source>
        <translation>Some items could not be put back</translation>
    </message>
    <message>
        <source>Offer Again</source>
        <translation>Offer Again</translation>
    </message>
</context>
</TS>
