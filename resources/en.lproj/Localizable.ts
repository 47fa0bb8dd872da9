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
    <message>
        <source>%@ GPU cache</source>
        <translation>%@ GPU cache</translation>
    </message>
    <message>
        <source>%@ GPU shader cache</source>
        <translation>%@ GPU shader cache</translation>
    </message>
    <message>
        <source>%@ Graphite cache</source>
        <translation>%@ Graphite cache</translation>
    </message>
    <message>
        <source>%@ HTTP cache</source>
        <translation>%@ HTTP cache</translation>
    </message>
    <message>
        <source>%@ IntelliSense cache</source>
        <translation>%@ IntelliSense cache</translation>
    </message>
    <message>
        <source>%@ WebGPU cache</source>
        <translation>%@ WebGPU cache</translation>
    </message>
    <message>
        <source>%@ WebGPU shader cache</source>
        <translation>%@ WebGPU shader cache</translation>
    </message>
    <message>
        <source>%@ app</source>
        <translation>%@ app</translation>
    </message>
    <message>
        <source>%@ binary cache</source>
        <translation>%@ binary cache</translation>
    </message>
    <message>
        <source>%@ browsers</source>
        <translation>%@ browsers</translation>
    </message>
    <message>
        <source>%@ build cache</source>
        <translation>%@ build cache</translation>
    </message>
    <message>
        <source>%@ cache</source>
        <translation>%@ cache</translation>
    </message>
    <message>
        <source>%@ cache (Flatpak)</source>
        <translation>%@ cache (Flatpak)</translation>
    </message>
    <message>
        <source>%@ cache (snap)</source>
        <translation>%@ cache (snap)</translation>
    </message>
    <message>
        <source>%@ caches</source>
        <translation>%@ caches</translation>
    </message>
    <message>
        <source>%@ code cache</source>
        <translation>%@ code cache</translation>
    </message>
    <message>
        <source>%@ compiler cache</source>
        <translation>%@ compiler cache</translation>
    </message>
    <message>
        <source>%@ crash reports</source>
        <translation>%@ crash reports</translation>
    </message>
    <message>
        <source>%@ crate archives</source>
        <translation>%@ crate archives</translation>
    </message>
    <message>
        <source>%@ crate sources</source>
        <translation>%@ crate sources</translation>
    </message>
    <message>
        <source>%@ distributions</source>
        <translation>%@ distributions</translation>
    </message>
    <message>
        <source>%@ download cache</source>
        <translation>%@ download cache</translation>
    </message>
    <message>
        <source>%@ downloads</source>
        <translation>%@ downloads</translation>
    </message>
    <message>
        <source>%@ drivers</source>
        <translation>%@ drivers</translation>
    </message>
    <message>
        <source>%@ environments</source>
        <translation>%@ environments</translation>
    </message>
    <message>
        <source>%@ extension downloads</source>
        <translation>%@ extension downloads</translation>
    </message>
    <message>
        <source>%@ git checkouts</source>
        <translation>%@ git checkouts</translation>
    </message>
    <message>
        <source>%@ git packages</source>
        <translation>%@ git packages</translation>
    </message>
    <message>
        <source>%@ git repositories</source>
        <translation>%@ git repositories</translation>
    </message>
    <message>
        <source>%@ headers</source>
        <translation>%@ headers</translation>
    </message>
    <message>
        <source>%@ index</source>
        <translation>%@ index</translation>
    </message>
    <message>
        <source>%@ indexes</source>
        <translation>%@ indexes</translation>
    </message>
    <message>
        <source>%@ launcher files</source>
        <translation>%@ launcher files</translation>
    </message>
    <message>
        <source>%@ logs</source>
        <translation>%@ logs</translation>
    </message>
    <message>
        <source>%@ metadata cache</source>
        <translation>%@ metadata cache</translation>
    </message>
    <message>
        <source>%@ models</source>
        <translation>%@ models</translation>
    </message>
    <message>
        <source>%@ module downloads</source>
        <translation>%@ module downloads</translation>
    </message>
    <message>
        <source>%@ output</source>
        <translation>%@ output</translation>
    </message>
    <message>
        <source>%@ packages</source>
        <translation>%@ packages</translation>
    </message>
    <message>
        <source>%@ plugin cache</source>
        <translation>%@ plugin cache</translation>
    </message>
    <message>
        <source>%@ plugin registry</source>
        <translation>%@ plugin registry</translation>
    </message>
    <message>
        <source>%@ precompiled code</source>
        <translation>%@ precompiled code</translation>
    </message>
    <message>
        <source>%@ registry index</source>
        <translation>%@ registry index</translation>
    </message>
    <message>
        <source>%@ repository</source>
        <translation>%@ repository</translation>
    </message>
    <message>
        <source>%@ service worker cache</source>
        <translation>%@ service worker cache</translation>
    </message>
    <message>
        <source>%@ shader cache</source>
        <translation>%@ shader cache</translation>
    </message>
    <message>
        <source>%@ startup cache</source>
        <translation>%@ startup cache</translation>
    </message>
    <message>
        <source>%@ store</source>
        <translation>%@ store</translation>
    </message>
    <message>
        <source>%@ temporary copies</source>
        <translation>%@ temporary copies</translation>
    </message>
    <message>
        <source>%@ thumbnails</source>
        <translation>%@ thumbnails</translation>
    </message>
    <message>
        <source>%@ tools</source>
        <translation>%@ tools</translation>
    </message>
    <message>
        <source>%@ type downloads</source>
        <translation>%@ type downloads</translation>
    </message>
    <message>
        <source>%@ web cache</source>
        <translation>%@ web cache</translation>
    </message>
    <message>
        <source>%@ — from %@</source>
        <translation>%@ — from %@</translation>
    </message>
    <message>
        <source>A diagnostic log that has not changed recently; nothing needs it to work.</source>
        <translation>A diagnostic log that has not changed recently; nothing needs it to work.</translation>
    </message>
    <message>
        <source>A disk image you downloaded; you can download it again if you need it.</source>
        <translation>A disk image you downloaded; you can download it again if you need it.</translation>
    </message>
    <message>
        <source>An archive you downloaded; keep it unless you have unpacked what you need.</source>
        <translation>An archive you downloaded; keep it unless you have unpacked what you need.</translation>
    </message>
    <message>
        <source>An installer or app package you downloaded — check whether you still need it.</source>
        <translation>An installer or app package you downloaded — check whether you still need it.</translation>
    </message>
    <message>
        <source>An unfinished download that changed today — it may still be in progress.</source>
        <translation>An unfinished download that changed today — it may still be in progress.</translation>
    </message>
    <message>
        <source>An unfinished download that has not changed for over a day.</source>
        <translation>An unfinished download that has not changed for over a day.</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>Android emulators</source>
        <translation>Android emulators</translation>
    </message>
    <message>
        <source>Below the display threshold of %@</source>
        <translation>Below the display threshold of %@</translation>
    </message>
    <message>
        <source>Compiled again by %@ when apps and games run</source>
        <translation>Compiled again by %@ when apps and games run</translation>
    </message>
    <message>
        <source>Conda packages</source>
        <translation>Conda packages</translation>
    </message>
    <message>
        <source>Desktop search index</source>
        <translation>Desktop search index</translation>
    </message>
    <message>
        <source>Docker data</source>
        <translation>Docker data</translation>
    </message>
    <message>
        <source>Downloaded again by %@ when needed</source>
        <translation>Downloaded again by %@ when needed</translation>
    </message>
    <message>
        <source>Downloaded again from your mail and calendar servers</source>
        <translation>Downloaded again from your mail and calendar servers</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Exchange rates</translation>
    </message>
    <message>
        <source>Fetched again by %@ when you are online</source>
        <translation>Fetched again by %@ when you are online</translation>
    </message>
    <message>
        <source>File search index (Baloo)</source>
        <translation>File search index (Baloo)</translation>
    </message>
    <message>
        <source>Flatpak apps and runtimes</source>
        <translation>Flatpak apps and runtimes</translation>
    </message>
    <message>
        <source>Font cache</source>
        <translation>Font cache</translation>
    </message>
    <message>
        <source>Icon cache</source>
        <translation>Icon cache</translation>
    </message>
    <message>
        <source>KDE service cache</source>
        <translation>KDE service cache</translation>
    </message>
    <message>
        <source>LM Studio models</source>
        <translation>LM Studio models</translation>
    </message>
    <message>
        <source>Logs of an app Orvelane does not know; they may hold a history you keep, such as chats.</source>
        <translation>Logs of an app Orvelane does not know; they may hold a history you keep, such as chats.</translation>
    </message>
    <message>
        <source>Ollama models</source>
        <translation>Ollama models</translation>
    </message>
    <message>
        <source>Plasma theme cache</source>
        <translation>Plasma theme cache</translation>
    </message>
    <message>
        <source>Podman containers and images</source>
        <translation>Podman containers and images</translation>
    </message>
    <message>
        <source>Podman machines</source>
        <translation>Podman machines</translation>
    </message>
    <message>
        <source>Previous session error log</source>
        <translation>Previous session error log</translation>
    </message>
    <message>
        <source>Put Back returns it to where it was.</source>
        <translation>Put Back returns it to where it was.</translation>
    </message>
    <message>
        <source>Rebuilt as you browse your files</source>
        <translation>Rebuilt as you browse your files</translation>
    </message>
    <message>
        <source>Rebuilt by %@ as you browse</source>
        <translation>Rebuilt by %@ as you browse</translation>
    </message>
    <message>
        <source>Rebuilt by %@ when it needs it</source>
        <translation>Rebuilt by %@ when it needs it</translation>
    </message>
    <message>
        <source>Rebuilt by the application that made it</source>
        <translation>Rebuilt by the application that made it</translation>
    </message>
    <message>
        <source>Recently active — close %@ and review before cleaning.</source>
        <translation>Recently active — close %@ and review before cleaning.</translation>
    </message>
    <message>
        <source>Session error log</source>
        <translation>Session error log</translation>
    </message>
    <message>
        <source>Software catalogue cache</source>
        <translation>Software catalogue cache</translation>
    </message>
    <message>
        <source>Steam games</source>
        <translation>Steam games</translation>
    </message>
    <message>
        <source>Steam games (Flatpak)</source>
        <translation>Steam games (Flatpak)</translation>
    </message>
    <message>
        <source>Steam games (snap)</source>
        <translation>Steam games (snap)</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>Vagrant boxes</source>
        <translation>Vagrant boxes</translation>
    </message>
    <message>
        <source>Virtual machine disks</source>
        <translation>Virtual machine disks</translation>
    </message>
    <message>
        <source>Virtual machine disks (Flatpak)</source>
        <translation>Virtual machine disks (Flatpak)</translation>
    </message>
    <message>
        <source>VirtualBox machines</source>
        <translation>VirtualBox machines</translation>
    </message>
    <message>
        <source>Weather forecasts</source>
        <translation>Weather forecasts</translation>
    </message>
    <message>
        <source>Written again at your next login</source>
        <translation>Written again at your next login</translation>
    </message>
    <message>
        <source>Written again by %@ as it runs</source>
        <translation>Written again by %@ as it runs</translation>
    </message>
    <message>
        <source>Written again when the X server next starts</source>
        <translation>Written again when the X server next starts</translation>
    </message>
    <message>
        <source>Written by %@ only if it crashes again</source>
        <translation>Written by %@ only if it crashes again</translation>
    </message>
    <message>
        <source>minikube clusters</source>
        <translation>minikube clusters</translation>
    </message>
    <message>
        <source>No large stores found.</source>
        <translation>No large stores found.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copy Path</translation>
    </message>
    <message>
        <source>Deleted on %@</source>
        <translation>Deleted on %@</translation>
    </message>
    <message>
        <source>No large stores found</source>
        <translation>No large stores found</translation>
    </message>
    <message>
        <source>Stores of %@ or more are listed here. These smaller ones were found:</source>
        <translation>Stores of %@ or more are listed here. These smaller ones were found:</translation>
    </message>
    <message>
        <source>Stores of %@ or more are listed here.</source>
        <translation>Stores of %@ or more are listed here.</translation>
    </message>
    <message>
        <source>The project's installed dependencies: removing them means installing them again, which needs the network.</source>
        <translation>The project's installed dependencies: removing them means installing them again, which needs the network.</translation>
    </message>
    <message>
        <source>A tool's cache inside the project: the tool's next run is only a little slower.</source>
        <translation>A tool's cache inside the project: the tool's next run is only a little slower.</translation>
    </message>
    <message>
        <source>Written by your current login session — clean it after you log out.</source>
        <translation>Written by your current login session — clean it after you log out.</translation>
    </message>
    <message>
        <source>Mostly regenerable, but it may also hold something of yours that cannot be downloaded again.</source>
        <translation>Mostly regenerable, but it may also hold something of yours that cannot be downloaded again.</translation>
    </message>
    <message>
        <source>X server log</source>
        <translation>X server log</translation>
    </message>
    <message>
        <source>Previous X server log</source>
        <translation>Previous X server log</translation>
    </message>
    <message>
        <source>%@ daemon logs</source>
        <translation>%@ daemon logs</translation>
    </message>
    <message>
        <source>%@ service worker scripts</source>
        <translation>%@ service worker scripts</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>The item could not be shown</source>
        <translation>The item could not be shown</translation>
    </message>
    <message>
        <source>No file manager could show “%@”. It is in %@.</source>
        <translation>No file manager could show “%@”. It is in %@.</translation>
    </message>
    <message>
        <source>Its Trash record points into a Trash or into Orvelane's own records.</source>
        <translation>Its Trash record points into a Trash or into Orvelane's own records.</translation>
    </message>
    <message>
        <source>This clean cannot be undone: its record could not be kept (%@).</source>
        <translation>This clean cannot be undone: its record could not be kept (%@).</translation>
    </message>
    <message>
        <source>Another clean or undo is using the undo journal.</source>
        <translation>Another clean or undo is using the undo journal.</translation>
    </message>
    <message>
        <source>Undo Clean of %1</source>
        <translation>Undo Clean of %1</translation>
    </message>
    <message numerus="yes">
        <source>%@ — %lld items, %@ — cleaned %@</source>
        <translation>
            <numerusform>%@ — %lld item, %@ — cleaned %@</numerusform>
            <numerusform>%@ — %lld items, %@ — cleaned %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Project untouched for %lld days</source>
        <translation>
            <numerusform>Project untouched for %lld day</numerusform>
            <numerusform>Project untouched for %lld days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Project untouched for %lld months</source>
        <translation>
            <numerusform>Project untouched for %lld month</numerusform>
            <numerusform>Project untouched for %lld months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Project untouched for %lld years</source>
        <translation>
            <numerusform>Project untouched for %lld year</numerusform>
            <numerusform>Project untouched for %lld years</numerusform>
        </translation>
    </message>
    <message>
        <source>You worked on this project this week — rebuilding costs time</source>
        <translation>You worked on this project this week — rebuilding costs time</translation>
    </message>
    <message>
        <source>Tidied up %@ — Undo in Orvelane puts it back.</source>
        <translation>Tidied up %@ — Undo in Orvelane puts it back.</translation>
    </message>
    <message>
        <source>Deleted %@ of old items from the Trash.</source>
        <translation>Deleted %@ of old items from the Trash.</translation>
    </message>
    <message>
        <source>Orvelane tidied up</source>
        <translation>Orvelane tidied up</translation>
    </message>
    <message>
        <source>Would move to the Trash (%@):</source>
        <translation>Would move to the Trash (%@):</translation>
    </message>
    <message>
        <source>Would delete from the Trash (%@):</source>
        <translation>Would delete from the Trash (%@):</translation>
    </message>
    <message>
        <source>Nothing to tidy up.</source>
        <translation>Nothing to tidy up.</translation>
    </message>
    <message>
        <source>Search names and places</source>
        <translation>Search names and places</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sort by</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message numerus="yes">
        <source>Select Untouched for %lld Days</source>
        <translation>
            <numerusform>Select Untouched for %lld Day</numerusform>
            <numerusform>Select Untouched for %lld Days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Select Untouched for %lld Months</source>
        <translation>
            <numerusform>Select Untouched for %lld Month</numerusform>
            <numerusform>Select Untouched for %lld Months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Select Untouched for %lld Years</source>
        <translation>
            <numerusform>Select Untouched for %lld Year</numerusform>
            <numerusform>Select Untouched for %lld Years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files</source>
        <translation>
            <numerusform>%lld file</numerusform>
            <numerusform>%lld files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld folders</source>
        <translation>
            <numerusform>%lld folder</numerusform>
            <numerusform>%lld folders</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ and %@</source>
        <translation>%@ and %@</translation>
    </message>
    <message>
        <source>Never Offered Again</source>
        <translation>Never Offered Again</translation>
    </message>
    <message>
        <source>Nothing is excluded. Items you choose never to offer again are listed here.</source>
        <translation>Nothing is excluded. Items you choose never to offer again are listed here.</translation>
    </message>
    <message>
        <source>Offer Again %1</source>
        <translation>Offer Again %1</translation>
    </message>
    <message>
        <source>Weekly Tidy</source>
        <translation>Weekly Tidy</translation>
    </message>
    <message>
        <source>Tidy up automatically every week</source>
        <translation>Tidy up automatically every week</translation>
    </message>
    <message>
        <source>Items unchanged for</source>
        <translation>Items unchanged for</translation>
    </message>
    <message>
        <source>Include build folders of untouched projects</source>
        <translation>Include build folders of untouched projects</translation>
    </message>
    <message>
        <source>Projects count as untouched after</source>
        <translation>Projects count as untouched after</translation>
    </message>
    <message>
        <source>The weekly tidy is off. Its timer could not be stopped, but it does nothing while the tidy is off.</source>
        <translation>The weekly tidy is off. Its timer could not be stopped, but it does nothing while the tidy is off.</translation>
    </message>
    <message>
        <source>The weekly tidy needs systemd's user service, which does not answer here, so it stays off.</source>
        <translation>The weekly tidy needs systemd's user service, which does not answer here, so it stays off.</translation>
    </message>
    <message>
        <source>The weekly tidy's timer could not be turned on, so the tidy stays off.</source>
        <translation>The weekly tidy's timer could not be turned on, so the tidy stays off.</translation>
    </message>
    <message>
        <source>Undo takes back what went to the Trash.</source>
        <translation>Undo takes back what went to the Trash.</translation>
    </message>
    <message numerus="yes">
        <source>%lld days</source>
        <translation>
            <numerusform>%lld day</numerusform>
            <numerusform>%lld days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Safe caches, logs and developer caches unchanged for %lld days go to the Trash, and Trash entries older than %lld days are deleted.</source>
        <translation>
            <numerusform>Safe caches, logs and developer caches unchanged for %lld day go to the Trash, and Trash entries older than %lld day are deleted.</numerusform>
            <numerusform>Safe caches, logs and developer caches unchanged for %lld days go to the Trash, and Trash entries older than %lld days are deleted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Build folders of projects untouched for %lld days go to the Trash too.</source>
        <translation>
            <numerusform>Build folders of projects untouched for %lld day go to the Trash too.</numerusform>
            <numerusform>Build folders of projects untouched for %lld days go to the Trash too.</numerusform>
        </translation>
    </message>
    <message>
        <source>under %@ %%</source>
        <translation>under %@ %%</translation>
    </message>
    <message>
        <source>%@ %%</source>
        <translation>%@ %%</translation>
    </message>
    <message>
        <source>%@ · %@ of the disk</source>
        <translation>%@ · %@ of the disk</translation>
    </message>
    <message>
        <source>Disk: %@ used, %@ free</source>
        <translation>Disk: %@ used, %@ free</translation>
    </message>
    <message>
        <source>Disk: %@ used, %@ reclaimable, %@ free</source>
        <translation>Disk: %@ used, %@ reclaimable, %@ free</translation>
    </message>
    <message>
        <source>Everything else</source>
        <translation>Everything else</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Disk usage</source>
        <translation>Disk usage</translation>
    </message>
    <message>
        <source>What can be reclaimed is more than this disk has in use: some of it lies on another disk.</source>
        <translation>What can be reclaimed is more than this disk has in use: some of it lies on another disk.</translation>
    </message>
</context>
</TS>
