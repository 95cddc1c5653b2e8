<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1 skräp togs bort automatiskt.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Skräp rensat</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>Mappen %1 lästes inte: den är (eller innehåller) din hemmapp eller en annan av dina mappar, eller så är den inte din.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>En mapp lämnades orörd</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 skräp är redo att rensas.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Skräp hittat</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Resterna efter %1 flyttades till papperskorgen; programmet är kvar.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Inget återställdes</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Det finns inget kvar från den senaste flytten att återställa.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Inget togs bort</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Uppgifterna om den senaste flytten kan inte läsas.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln objekt är tillbaka på sin plats.</numerusform>
            <numerusform>%Ln objekt är tillbaka på sina platser.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Återställt</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln finns inte längre i papperskorgen.</numerusform>
            <numerusform>%Ln finns inte längre i papperskorgen.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln blev kvar i papperskorgen: platsen är upptagen.</numerusform>
            <numerusform>%Ln blev kvar i papperskorgen: platserna är upptagna.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln kunde inte återställas.</numerusform>
            <numerusform>%Ln kunde inte återställas.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Så här rapporterar Tornivo arbete i bakgrunden.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Testavisering</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln objekt, %1</numerusform>
            <numerusform>%Ln objekt, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Flyttat till papperskorgen</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>Uppgiften är klar.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>Uppgiften misslyckades eller avbröts.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>Uppgiften är klar och frigjorde %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 och dess rester flyttades till papperskorgen.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Avinstallerat</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 finns att hämta.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Uppdatering tillgänglig</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Programcacher</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Loggar</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Rensa</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Rensar…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Allt du valt tillhör program som körs: %1. Avsluta dem och rensa sedan igen.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Avsluta program som körs</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>frigjort</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Klicka för att söka igenom cacher och loggar efter skräp.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Används av %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>skräp hittat</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Söker igenom cacher och loggar…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 valt</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Hoppade över program som körs: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Kan inte ångras</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln fil granskad</numerusform>
            <numerusform>%Ln filer granskade</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln i bruk</numerusform>
            <numerusform>%Ln i bruk</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln ändrad sedan genomsökningen</numerusform>
            <numerusform>%Ln ändrade sedan genomsökningen</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln av annan orsak</numerusform>
            <numerusform>%Ln av annan orsak</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln utan tillgänglig papperskorg</numerusform>
            <numerusform>%Ln utan tillgänglig papperskorg</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln på ett annat filsystem</numerusform>
            <numerusform>%Ln på ett annat filsystem</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln utan behörighet</numerusform>
            <numerusform>%Ln utan behörighet</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln i en skyddad mapp</numerusform>
            <numerusform>%Ln i en skyddad mapp</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln nåddes inte innan du avbröt</numerusform>
            <numerusform>%Ln nåddes inte innan du avbröt</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln mapp som aldrig tas bort</numerusform>
            <numerusform>%Ln mappar som aldrig tas bort</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln objekt blev kvar: %1.</numerusform>
            <numerusform>%Ln objekt blev kvar: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Läser %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln mapp lämnades orörd</numerusform>
            <numerusform>%Ln mappar lämnades orörda</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Sök igen</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln mapp kunde inte läsas</numerusform>
            <numerusform>%Ln mappar kunde inte läsas</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Aktivt · senast använt %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Aktiva projekt lämnades orörda.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Rensa %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dag</numerusform>
            <numerusform>%Ln dagar</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Frigör byggutdata från projekt som du inte har arbetat med på sistone.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Letar efter byggmappar…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Använt %1 · säkert att rensa</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Alla projekt med byggutdata har varit aktiva nyligen.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Inget att rensa</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Skydda projekt som varit aktiva inom</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 är aktiva och förblir skyddade.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 är aktivt och förblir skyddat.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 kan frigöras</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 frigjort</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Sök igenom projekt</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Välj projekt att rensa</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Byggmappar för utvecklare</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Behåll första</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 av %2 jämfört</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Samma innehåll</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln kopia</numerusform>
            <numerusform>%Ln kopior</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Hitta filer med identiskt innehåll i dina personliga mappar och behåll en kopia av varje.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 per styck · sparar %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Hitta dubbletter</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Jämför filinnehåll…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Behåll den här kopian och flytta de andra till papperskorgen</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Behåll den här</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 kan frigöras</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Ta bort alla dubbletter</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Dubblettfiler</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Stäng av ljud</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Avsluta Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Slå på ljud</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Hitta skivavbilder och installationspaket som ligger kvar i Hämtningar och på skrivbordet.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Hitta installationsfiler</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 är redan installerat</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Installationsfil (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Flytta %1 till papperskorgen</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Letar efter installationsfiler…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Välj installationsfiler att ta bort</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Kvarglömda installationsfiler</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Arkiv</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Ljud</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Utvecklarfiler</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Dokument</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Övrigt</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Videor</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Hitta stora filer i dina personliga mappar som du inte har öppnat på tre månader.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Hitta stora filer</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Senast öppnad %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Flytta %1 till papperskorgen</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Aldrig öppnad</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Letar efter stora filer…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Välj filer att ta bort</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Accentfärg</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Rensa automatiskt</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Ta bort skräpet som en schemalagd genomsökning hittar i stället för att bara rapportera det.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Söker…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Skrivbordsaviseringar</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Visa banderoller som skrivbordsaviseringar i stället för i Tornivos eget fönster.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Hämta</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Dagligen</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Var 3:e dag</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Varje vecka</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Systemets språk</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Senast körd %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Inte körd än</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Skyddade mappar</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Lägg till mappar…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Inga skyddade mappar.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Genomsökningar listar aldrig något i de här mapparna.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Sluta skydda den här mappen</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>De skyddade mapparna i %1 kan inte läsas, så inget tas bort förrän filen har lagats eller tagits bort.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Schema</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Sök efter skräp i bakgrunden medan Tornivo körs.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Ljud</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Öppnar Tornivo i systemfältet när du loggar in, så att schemalagda genomsökningar fortsätter.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Visa testavisering</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 är aktuell.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Version %1 finns tillgänglig.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Kunde inte söka efter uppdateringar.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Uppdateringar</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Strimla papperskorgen</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 av %2 skrivet</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Allt i papperskorgen skrivs över och raderas. Detta kan inte ångras.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Strimla papperskorgen?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Det finns inget att strimla.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Papperskorgen är tom</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Radera %Ln objekt</numerusform>
            <numerusform>Radera %Ln objekt</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln objekt raderat</numerusform>
            <numerusform>%Ln objekt raderade</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Skriver över och raderar…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln objekt i papperskorgen</numerusform>
            <numerusform>%Ln objekt i papperskorgen</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Skriv över</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 överskrivet</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>På SSD-enheter når överskrivning inte alla kopior som enheten sparar; fullständig diskkryptering skyddar dem.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoid (7 omgångar)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Snabb (1 omgång)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Standard (3 omgångar)</translation>
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
        <translation>Minne</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Rensa</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 gammal byggutdata kan tas bort.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Disken är %1 full; %2 ledigt.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Allt ser bra ut.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln installationsfil för ett installerat program tar %1.</numerusform>
            <numerusform>%Ln installationsfiler för installerade program tar %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 skräp är redo att rensas.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Minnet är %1 fullt.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Granska</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Sök igenom</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Röntgen</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Rensa</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Utvecklare</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Dubbletter</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Installationsfiler</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Stora filer</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Strimla</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Underhåll</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Avinstallera</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Röntgen</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Grafit</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Grön</translation>
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
        <translation>Öppna Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Kräver administratörslösenordet</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Glöm cachade namnuppslag</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Töm DNS-cachen</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Läs in skrivbordspanelen på nytt</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Starta om panelen</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Laga en filhanterare som hängt sig</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Starta om filhanteraren</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Bygg om cachen för att laga typsnitt</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Återställ typsnittscachen</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Radera gamla systemloggar och behåll de senaste 200 MB</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Krymp systemjournalen</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Frigör minne från oanvända cacher</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Frigör minne</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Radera paketfiler som sparats efter uppdateringar</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Rensa paketcachen</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Töm miniatyrcachen för förhandsvisningar</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Återställ miniatyrer</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Kör</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Avinstallera Flatpak-körtider som inget program behöver</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Ta bort oanvända körtider</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Underhåll med ett klick</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Underhåll</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Program</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Efter namn</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Eller välj ett i listan.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Släpp ett program här</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>En Flatpak: flatpak uninstall tar bort den; resterna hamnar i papperskorgen.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Letar efter rester…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Behållare</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Autostartpost</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Loggar</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Övrigt</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Sparat tillstånd</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Skript</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Programdata</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Webbdata</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Rester matchade via program-ID</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Inget program-ID: kontrollera namnträffarna</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Avinstallera</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Avsluta det nu och flytta det till papperskorgen med dess rester?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>Programmet körs</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Sök program</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 totalt · %Ln rest</numerusform>
            <numerusform>%1 totalt · %Ln rester</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Installerat av systemets pakethanterare: programmet blir kvar; bara de valda resterna hamnar i papperskorgen.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Avinstallera</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Byggutdata; skapas igen vid behov.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Cache- eller loggdata; säkert att ta bort.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Mycket stor fil; behöver du den fortfarande?</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Installationsfil du nog inte behöver längre.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Inte öppnad sedan %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Analyserar din hemmapp…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Granska</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Säkert</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>De största filerna av det här slaget.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Se vad som tar plats i din hemmapp, efter filtyp.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln fil</numerusform>
            <numerusform>%Ln filer</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln fil genomsökt</numerusform>
            <numerusform>%Ln filer genomsökta</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Senast öppnad %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Aldrig öppnad</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Analysera igen</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Visa i filhanteraren</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analysera</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>I %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Flytta till papperskorgen</translation>
    </message>
</context>
</TS>
