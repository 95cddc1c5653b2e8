<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1 Datenmüll wurde automatisch entfernt.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Datenmüll entfernt</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>%1 wurde nicht gelesen: Der Ordner ist oder enthält Ihren persönlichen Ordner oder einen anderen Ihrer Ordner, oder er gehört Ihnen nicht.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Ein Ordner wurde ausgelassen</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 Datenmüll kann bereinigt werden.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Datenmüll gefunden</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Die Reste von %1 wurden in den Papierkorb verschoben; die Anwendung bleibt installiert.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Nichts zurückgelegt</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Vom letzten Verschieben ist nichts mehr zurückzulegen.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Es wurde nichts entfernt</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Die Aufzeichnung des letzten Verschiebens ist nicht lesbar.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln Element ist wieder an seinem Platz.</numerusform>
            <numerusform>%Ln Elemente sind wieder an ihrem Platz.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Zurückgelegt</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln ist nicht mehr im Papierkorb.</numerusform>
            <numerusform>%Ln sind nicht mehr im Papierkorb.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln blieb im Papierkorb: Sein Platz ist belegt.</numerusform>
            <numerusform>%Ln blieben im Papierkorb: Ihr Platz ist belegt.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln konnte nicht zurückgelegt werden.</numerusform>
            <numerusform>%Ln konnten nicht zurückgelegt werden.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>So meldet Tornivo Arbeiten im Hintergrund.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Testbanner</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln Element, %1</numerusform>
            <numerusform>%Ln Elemente, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>In den Papierkorb verschoben</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>Die Aufgabe ist abgeschlossen.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>Die Aufgabe ist fehlgeschlagen oder wurde abgebrochen.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>Die Aufgabe ist abgeschlossen und hat %1 freigegeben.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 wurde samt Resten in den Papierkorb verschoben.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Deinstalliert</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 steht zum Herunterladen bereit.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Anwendungs-Caches</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Protokolle</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Wird bereinigt …</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Alles Ausgewählte gehört zu laufenden Anwendungen: %1. Beenden Sie diese und bereinigen Sie erneut.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Laufende Anwendungen beenden</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>freigegeben</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Klicken, um Caches und Protokolle nach Datenmüll zu durchsuchen.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Verwendet von %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>Datenmüll gefunden</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Caches und Protokolle werden durchsucht …</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Ausgelassen, da sie laufen: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Unwiderruflich</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln Datei geprüft</numerusform>
            <numerusform>%Ln Dateien geprüft</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln in Verwendung</numerusform>
            <numerusform>%Ln in Verwendung</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln seit der Suche geändert</numerusform>
            <numerusform>%Ln seit der Suche geändert</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln aus anderem Grund</numerusform>
            <numerusform>%Ln aus anderem Grund</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln ohne verfügbaren Papierkorb</numerusform>
            <numerusform>%Ln ohne verfügbaren Papierkorb</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln auf einem anderen Dateisystem</numerusform>
            <numerusform>%Ln auf einem anderen Dateisystem</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln ohne Berechtigung</numerusform>
            <numerusform>%Ln ohne Berechtigung</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln in einem geschützten Ordner</numerusform>
            <numerusform>%Ln in geschützten Ordnern</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln vor dem Abbruch nicht erreicht</numerusform>
            <numerusform>%Ln vor dem Abbruch nicht erreicht</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln Ordner, der nie entfernt wird</numerusform>
            <numerusform>%Ln Ordner, die nie entfernt werden</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln Element blieb zurück: %1.</numerusform>
            <numerusform>%Ln Elemente blieben zurück: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Wird gelesen: %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln Ordner ausgelassen</numerusform>
            <numerusform>%Ln Ordner ausgelassen</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Erneut suchen</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln Ordner nicht lesbar</numerusform>
            <numerusform>%Ln Ordner nicht lesbar</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Aktiv · zuletzt verwendet %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Aktive Projekte blieben unberührt.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>%1 bereinigen</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tage</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Build-Ausgaben von Projekten entfernen, an denen Sie länger nicht gearbeitet haben.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Build-Ordner werden gesucht …</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Zuletzt verwendet %1 · unbedenklich</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Alle Projekte mit Build-Ausgaben waren kürzlich aktiv.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Nichts zu bereinigen</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Schutzfrist für aktive Projekte</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 sind aktiv und bleiben geschützt.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 ist aktiv und bleibt geschützt.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>Freigebbar: %1</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 freigegeben</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Projekte durchsuchen</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Projekte zum Bereinigen auswählen</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Build-Ordner Ihrer Projekte</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Erste behalten</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 von %2 verglichen</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Inhaltlich identisch</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln Kopie</numerusform>
            <numerusform>%Ln Kopien</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Dateien mit identischem Inhalt in Ihren persönlichen Ordnern finden und von jeder nur eine Kopie behalten.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>je %1 · spart %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Duplikate suchen</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Dateiinhalte werden verglichen …</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Diese Kopie behalten und die anderen in den Papierkorb verschieben</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Behalten</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>Freigebbar: %1</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Alle Duplikate entfernen</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Doppelte Dateien</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Töne ausschalten</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Tornivo beenden</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Töne einschalten</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Datenträgerabbilder und Installationspakete finden, die in Downloads und auf dem Schreibtisch liegen.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Installer suchen</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 ist bereits installiert</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Installer (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>%1 in den Papierkorb</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Installer werden gesucht …</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Installer zum Entfernen auswählen</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Übrig gebliebene Installer</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Archive</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Entwicklerdateien</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Große Dateien in Ihren persönlichen Ordnern finden, die Sie seit drei Monaten nicht geöffnet haben.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Große Dateien suchen</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Zuletzt geöffnet %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>%1 in den Papierkorb</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Nie geöffnet</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Große Dateien werden gesucht …</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Dateien zum Entfernen auswählen</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Akzentfarbe</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Automatisch bereinigen</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Von geplanten Suchen gefundenen Datenmüll entfernen, statt ihn nur zu melden.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Wird geprüft …</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Desktop-Benachrichtigungen</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Hinweise über die Benachrichtigungen des Desktops statt im eigenen Fenster von Tornivo zeigen.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Alle 3 Tage</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Zuletzt ausgeführt %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Noch nicht ausgeführt</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Geschützte Ordner</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Ordner hinzufügen …</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Keine geschützten Ordner.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Die Suche listet nie etwas aus diesen Ordnern auf.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Ordner nicht mehr schützen</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>Die geschützten Ordner in %1 sind nicht lesbar. Bis die Datei repariert oder entfernt ist, wird nichts entfernt.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Im Hintergrund nach Datenmüll suchen, solange Tornivo läuft.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Öffnet Tornivo bei der Anmeldung im Infobereich, damit geplante Suchen weiterlaufen.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Testbanner zeigen</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 ist aktuell.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Version %1 ist verfügbar.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Suche nach Updates fehlgeschlagen.</translation>
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
        <translation>Papierkorb schreddern</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 von %2 geschrieben</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Alles im Papierkorb wird überschrieben und gelöscht. Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Papierkorb schreddern?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Es gibt nichts zu schreddern.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Der Papierkorb ist leer</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>%Ln Element löschen</numerusform>
            <numerusform>%Ln Elemente löschen</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln Element gelöscht</numerusform>
            <numerusform>%Ln Elemente gelöscht</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Wird überschrieben und gelöscht …</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln Element im Papierkorb</numerusform>
            <numerusform>%Ln Elemente im Papierkorb</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 überschrieben</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>Auf SSDs erreicht das Überschreiben nicht jede Kopie, die das Laufwerk vorhält; diese schützt eine vollständige Verschlüsselung.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoid (7 Durchgänge)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Schnell (1 Durchgang)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Standard (3 Durchgänge)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Datenträger</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 alte Build-Ausgaben können entfernt werden.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Datenträger zu %1 belegt; %2 frei.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Alles sieht gut aus.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln Installer einer installierten Anwendung belegt %1.</numerusform>
            <numerusform>%Ln Installer installierter Anwendungen belegen %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 Datenmüll kann bereinigt werden.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Arbeitsspeicher zu %1 belegt.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Röntgenblick</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Entwickler</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Installer</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Große Dateien</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Schreddern</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Optimieren</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Röntgenblick</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Graphit</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Tornivo öffnen</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Erfordert das Administratorpasswort</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Namensauflösungen im Cache verwerfen</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>DNS-Cache leeren</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Die Desktop-Leiste neu laden</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Leiste neu starten</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Einen hängenden oder fehlerhaften Dateimanager reparieren</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Dateimanager neu starten</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Schriften-Cache neu aufbauen, um defekte Schriften zu reparieren</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Schriften-Cache zurücksetzen</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Alte Systemprotokolle löschen, die neuesten 200 MB bleiben</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Systemjournal verkleinern</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Speicher von Caches freigeben, die keine Anwendung nutzt</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Speicher freigeben</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Nach Updates aufbewahrte Paketdateien löschen</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Paketcache leeren</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Den Cache der Datei-Vorschaubilder leeren</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Vorschaubilder zurücksetzen</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Flatpak-Laufzeiten entfernen, die keine Anwendung mehr braucht</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Unbenutzte Laufzeiten entfernen</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Wartung mit einem Klick</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Optimieren</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Nach Name</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Oder wählen Sie eine aus der Liste.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Anwendung hierher ziehen</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Ein Flatpak: flatpak uninstall entfernt es; die Reste kommen in den Papierkorb.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Reste werden gesucht …</translation>
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
        <translation>Autostart-Eintrag</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Protokolle</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Gespeicherter Zustand</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Skripte</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Anwendungsdaten</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Webdaten</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Reste über die Anwendungs-ID zugeordnet</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Keine Anwendungs-ID: Prüfen Sie die nach Namen zugeordneten Reste</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Beenden und deinstallieren</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Jetzt beenden und samt Resten in den Papierkorb verschieben?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>Die Anwendung läuft</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Anwendungen suchen</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 insgesamt · %Ln Rest</numerusform>
            <numerusform>%1 insgesamt · %Ln Reste</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Vom Paketmanager des Systems installiert: Die Anwendung bleibt; nur die ausgewählten Reste kommen in den Papierkorb.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Build-Ausgabe; sie wird bei Bedarf neu erzeugt.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Cache- oder Protokolldaten; gefahrlos entfernbar.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Eine sehr große Datei; prüfen Sie, ob Sie sie noch brauchen.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Ein Installer, den Sie wohl nicht mehr brauchen.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Seit %1 nicht geöffnet.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Persönlicher Ordner wird analysiert …</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Sicher</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Die größten Dateien dieser Art.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Zeigt nach Dateiart, was in Ihrem persönlichen Ordner Platz belegt.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln Datei analysiert</numerusform>
            <numerusform>%Ln Dateien analysiert</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Zuletzt geöffnet %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Nie geöffnet</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Erneut analysieren</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analysieren</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
</context>
</TS>
