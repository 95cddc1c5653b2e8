<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1 of junk was removed automatically.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Junk cleaned</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>A folder was left alone</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 of junk is ready to clean.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Junk found</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>The leftovers of %1 were moved to the Trash; the application stays installed.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Nothing put back</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Nothing from the last move is left to put back.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Nothing was removed</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>The record of the last move cannot be read.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln item is back in its place.</numerusform>
            <numerusform>%Ln items are back in their places.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Put back</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln is no longer in the Trash.</numerusform>
            <numerusform>%Ln are no longer in the Trash.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln stayed in the Trash: its place is taken.</numerusform>
            <numerusform>%Ln stayed in the Trash: their places are taken.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln could not be put back.</numerusform>
            <numerusform>%Ln could not be put back.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>This is how Tornivo reports background work.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Test banner</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln item, %1</numerusform>
            <numerusform>%Ln items, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Moved to the Trash</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>The task finished.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>The task failed or was cancelled.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>The task finished and freed %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 and its leftovers were moved to the Trash.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Uninstalled</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 is ready to download.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Update available</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Application caches</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Logs</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Cleaning…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Quit running applications</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>freed</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Click to scan your caches and logs for junk.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>In use by %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>of junk found</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Scanning caches and logs…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 selected</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Left alone while running: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Cannot be undone</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln file looked at</numerusform>
            <numerusform>%Ln files looked at</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln in use</numerusform>
            <numerusform>%Ln in use</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln changed since the scan</numerusform>
            <numerusform>%Ln changed since the scan</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln for another reason</numerusform>
            <numerusform>%Ln for another reason</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln with no Trash to take it</numerusform>
            <numerusform>%Ln with no Trash to take it</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln on another file system</numerusform>
            <numerusform>%Ln on another file system</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln not permitted</numerusform>
            <numerusform>%Ln not permitted</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln in a protected folder</numerusform>
            <numerusform>%Ln in a protected folder</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln not reached before you stopped</numerusform>
            <numerusform>%Ln not reached before you stopped</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln folder that is never removed</numerusform>
            <numerusform>%Ln folders that are never removed</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln item stayed behind: %1.</numerusform>
            <numerusform>%Ln items stayed behind: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Reading %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln folder left alone</numerusform>
            <numerusform>%Ln folders left alone</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Scan again</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln folder could not be read</numerusform>
            <numerusform>%Ln folders could not be read</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Active · last used %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Active projects were left untouched.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Clean %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln day</numerusform>
            <numerusform>%Ln days</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Reclaim the build output of projects you have not worked on lately.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Looking for build folders…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Last used %1 · safe to clean</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Every project with build output was active recently.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Nothing to clean</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Protect projects active within</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 are active and stay protected.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 is active and stays protected.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 reclaimable</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 reclaimed</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Scan projects</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Select projects to clean</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Developer build folders</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Keep first</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 of %2 compared</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Matched by content</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln copy</numerusform>
            <numerusform>%Ln copies</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Find files with identical contents in your personal folders and keep one copy of each.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 each · saves %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Find duplicates</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Comparing file contents…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Keep this copy and move the others to the Trash</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Keep this</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 reclaimable</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Remove all duplicates</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Duplicate files</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Mute sounds</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Quit Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Turn sounds on</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Find disk images and installer packages left in Downloads and on the Desktop.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Find installers</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 is already installed</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Installer (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Move %1 to Trash</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Looking for installers…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Select installers to remove</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Leftover installers</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Archives</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Developer files</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Find big files in your personal folders that you have not opened for three months.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Find large files</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Last opened %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Move %1 to Trash</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Never opened</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Searching for large files…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Select files to remove</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Accent color</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Clean automatically</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Remove the junk a scheduled scan finds instead of only reporting it.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Check for updates</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Checking…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Desktop notifications</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Show banners through the desktop's notifications instead of Tornivo's own window.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Every 3 days</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>System language</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Last run %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Not run yet</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Protected folders</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Add folders…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>No protected folders.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Scans never list anything inside these folders.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Stop protecting this folder</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Scan for junk in the background while Tornivo is running.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Start at login</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Show test banner</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 is up to date.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Version %1 is available.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Could not check for updates.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Shred Trash</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 of %2 written</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Everything in the Trash is overwritten and deleted. This cannot be undone.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Shred the Trash?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>There is nothing to shred.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>The Trash is empty</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Erase %Ln item</numerusform>
            <numerusform>Erase %Ln items</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln item erased</numerusform>
            <numerusform>%Ln items erased</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Overwriting and erasing…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln item in the Trash</numerusform>
            <numerusform>%Ln items in the Trash</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Overwrite</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 overwritten</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoid (7 passes)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Quick (1 pass)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Standard (3 passes)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 of old build output can go.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Disk is %1 full; %2 free.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Everything looks good.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln installer of an installed application takes %1.</numerusform>
            <numerusform>%Ln installers of installed applications take %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 of junk is ready to clean.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Memory is %1 full.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Review</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>X-Ray</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Developer</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Duplicates</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Installers</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Large files</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Shred</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Tune-up</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Uninstall</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>X-Ray</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Graphite</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Open Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Asks for the administrator password</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Forget cached name lookups</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Flush DNS cache</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Reload the desktop panel</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Restart panel</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Fix a stuck or misbehaving file manager</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Restart file manager</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Rebuild the font cache to fix broken fonts</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Reset font cache</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Delete old system logs, keeping the newest 200 MB</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Shrink system journal</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Release memory held by caches no application is using</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Free memory</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Delete package files kept after installing updates</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Clean package cache</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Clear the thumbnail cache of file previews</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Reset thumbnails</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Uninstall Flatpak runtimes no installed application needs</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Remove unused runtimes</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>One-click maintenance tasks</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Tune-up</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>By name</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Or choose one from the list.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Drop an application here</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Looking for leftovers…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Container</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Autostart entry</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Logs</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Saved state</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Scripts</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Application data</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Web data</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Leftovers matched by application ID</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>No application ID: check the leftovers matched by name</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Quit and uninstall</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Quit it now and move it to the Trash with its leftovers?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>The application is running</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Search applications</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 in total · %Ln leftover</numerusform>
            <numerusform>%1 in total · %Ln leftovers</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Uninstall</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Build output; it is made again when needed.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Cache or log data; it is safe to remove.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>A very large file; check whether you still need it.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>An installer you probably no longer need.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Not opened since %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Analyzing your home folder…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Review</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Safe</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>The largest files of this kind.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>See what takes up space in your home folder, by kind of file.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln file</numerusform>
            <numerusform>%Ln files</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln file scanned</numerusform>
            <numerusform>%Ln files scanned</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Last opened %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Never opened</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Analyze again</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Show in file manager</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analyze</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Move to Trash</translation>
    </message>
</context>
</TS>
