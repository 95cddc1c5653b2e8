<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1 aan rommel is automatisch verwijderd.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Rommel opgeschoond</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>Map %1 is niet gelezen: dit is (of bevat) je persoonlijke map of een andere map van je, of hij is niet van jou.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Een map is overgeslagen</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 aan rommel kan worden opgeschoond.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Rommel gevonden</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>De restanten van %1 zijn naar de prullenbak verplaatst; de toepassing blijft geïnstalleerd.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Niets teruggezet</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Van de laatste verplaatsing valt niets meer terug te zetten.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Er is niets verwijderd</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Het verslag van de laatste verplaatsing is onleesbaar.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln item staat weer op zijn plaats.</numerusform>
            <numerusform>%Ln items staan weer op hun plaats.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Teruggezet</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln staat niet meer in de prullenbak.</numerusform>
            <numerusform>%Ln staan niet meer in de prullenbak.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln bleef in de prullenbak: zijn plaats is bezet.</numerusform>
            <numerusform>%Ln bleven in de prullenbak: hun plaats is bezet.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln kon niet worden teruggezet.</numerusform>
            <numerusform>%Ln konden niet worden teruggezet.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Zo meldt Tornivo werk op de achtergrond.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Testmelding</translation>
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
        <translation>Naar de prullenbak verplaatst</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>De taak is voltooid.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>De taak is mislukt of geannuleerd.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>De taak is voltooid en heeft %1 vrijgemaakt.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 en de restanten zijn naar de prullenbak verplaatst.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Gedeïnstalleerd</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 staat klaar om te downloaden.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Update beschikbaar</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Toepassingscaches</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Logboeken</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Opschonen</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Opschonen…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Alles wat je hebt gekozen hoort bij toepassingen die nog draaien: %1. Sluit ze af en schoon opnieuw op.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Draaiende toepassingen afsluiten</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>vrijgemaakt</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Klik om je caches en logboeken op rommel te scannen.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>In gebruik door %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>aan rommel gevonden</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Caches en logboeken scannen…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 geselecteerd</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Overgeslagen omdat ze draaien: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Onomkeerbaar</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln bestand bekeken</numerusform>
            <numerusform>%Ln bestanden bekeken</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln in gebruik</numerusform>
            <numerusform>%Ln in gebruik</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln gewijzigd sinds de scan</numerusform>
            <numerusform>%Ln gewijzigd sinds de scan</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln om een andere reden</numerusform>
            <numerusform>%Ln om een andere reden</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln zonder bruikbare prullenbak</numerusform>
            <numerusform>%Ln zonder bruikbare prullenbak</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln op een ander bestandssysteem</numerusform>
            <numerusform>%Ln op een ander bestandssysteem</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln niet toegestaan</numerusform>
            <numerusform>%Ln niet toegestaan</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln in een beschermde map</numerusform>
            <numerusform>%Ln in een beschermde map</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln niet bereikt voordat je stopte</numerusform>
            <numerusform>%Ln niet bereikt voordat je stopte</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln map die nooit wordt verwijderd</numerusform>
            <numerusform>%Ln mappen die nooit worden verwijderd</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln item is achtergebleven: %1.</numerusform>
            <numerusform>%Ln items zijn achtergebleven: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>%1 lezen</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln map overgeslagen</numerusform>
            <numerusform>%Ln mappen overgeslagen</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Opnieuw scannen</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln map kon niet worden gelezen</numerusform>
            <numerusform>%Ln mappen konden niet worden gelezen</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Actief · laatst gebruikt %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Actieve projecten zijn niet aangeraakt.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>%1 opschonen</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dag</numerusform>
            <numerusform>%Ln dagen</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Ruim de build-uitvoer op van projecten waar je de laatste tijd niet aan hebt gewerkt.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Zoeken naar buildmappen…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Gebruikt %1 · veilig op te schonen</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Elk project met build-uitvoer was onlangs actief.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Niets op te schonen</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Bescherm projecten actief in de laatste</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 zijn actief en blijven beschermd.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 is actief en blijft beschermd.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 vrij te maken</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 vrijgemaakt</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Projecten scannen</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Kies projecten om op te schonen</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Buildmappen van projecten</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Eerste houden</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 van %2 vergeleken</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Gelijke inhoud</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln kopie</numerusform>
            <numerusform>%Ln kopieën</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Zoek bestanden met identieke inhoud in je persoonlijke mappen en houd van elk één kopie.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 per stuk · bespaart %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Duplicaten zoeken</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Bestandsinhoud vergelijken…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Deze kopie houden en de andere naar de prullenbak verplaatsen</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Deze houden</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 vrij te maken</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Alle duplicaten verwijderen</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Dubbele bestanden</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Geluid uitschakelen</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Tornivo afsluiten</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Geluid inschakelen</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Zoek schijfkopieën en installatiepakketten die in Downloads en op het bureaublad zijn blijven staan.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Installatiebestanden zoeken</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 is al geïnstalleerd</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Installatiebestand (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>%1 naar prullenbak verplaatsen</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Zoeken naar installatiebestanden…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Kies installatiebestanden om te verwijderen</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Oude installatiebestanden</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Archieven</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Ontwikkelbestanden</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Documenten</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Video’s</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Zoek grote bestanden in je persoonlijke mappen die je al drie maanden niet hebt geopend.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Grote bestanden zoeken</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Laatst geopend %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>%1 naar prullenbak verplaatsen</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Nooit geopend</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Zoeken naar grote bestanden…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Kies bestanden om te verwijderen</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Accentkleur</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Uiterlijk</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Automatisch opschonen</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>De rommel die een geplande scan vindt verwijderen in plaats van die alleen te melden.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Controleren…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Bureaubladmeldingen</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Meldingen via de bureaubladmeldingen tonen in plaats van in het eigen venster van Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Dagelijks</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Elke 3 dagen</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Wekelijks</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Systeemtaal</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Laatst uitgevoerd %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Nog niet uitgevoerd</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Beschermde mappen</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Mappen toevoegen…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Geen beschermde mappen.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Scans tonen nooit iets uit deze mappen.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Deze map niet meer beschermen</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>De beschermde mappen in %1 kunnen niet worden gelezen; er wordt niets verwijderd tot dat bestand is hersteld of verwijderd.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Planning</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Op de achtergrond naar rommel scannen zolang Tornivo draait.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Opent Tornivo in het systeemvak als je je aanmeldt, zodat geplande scans blijven lopen.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Testmelding tonen</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 is up-to-date.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Versie %1 is beschikbaar.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Controleren op updates is mislukt.</translation>
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
        <translation>Prullenbak versnipperen</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 van %2 geschreven</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Alles in de prullenbak wordt overschreven en verwijderd. Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Prullenbak versnipperen?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Er is niets te versnipperen.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>De prullenbak is leeg</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>%Ln item wissen</numerusform>
            <numerusform>%Ln items wissen</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln item gewist</numerusform>
            <numerusform>%Ln items gewist</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Overschrijven en wissen…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln item in de prullenbak</numerusform>
            <numerusform>%Ln items in de prullenbak</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Overschrijven</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 overschreven</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>Op SSD’s kan overschrijven niet elke kopie bereiken die de schijf bewaart; volledige schijfversleuteling beschermt die.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoïde (7 rondes)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Snel (1 ronde)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Standaard (3 rondes)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Schijf</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Geheugen</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Opschonen</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 aan oude build-uitvoer kan weg.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Schijf is voor %1 vol; %2 vrij.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Alles ziet er goed uit.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln installatiebestand van een geïnstalleerde toepassing neemt %1 in.</numerusform>
            <numerusform>%Ln installatiebestanden van geïnstalleerde toepassingen nemen %1 in.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 aan rommel kan worden opgeschoond.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Geheugen is voor %1 vol.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Bekijken</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Röntgen</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Opschonen</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Ontwikkelaar</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Duplicaten</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Installatiebestanden</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Grote bestanden</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Versnipperen</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Onderhoud</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Deïnstalleren</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Röntgen</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Grafiet</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Tornivo openen</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Vraagt om het beheerderswachtwoord</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Opgeslagen naamopzoekingen vergeten</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>DNS-cache legen</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Het bureaubladpaneel herladen</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Paneel herstarten</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Vastgelopen bestandsbeheerder herstellen</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Bestandsbeheer herstarten</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Kapotte lettertypen herstellen</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Lettertypecache herstellen</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Oude systeemlogboeken wissen, de nieuwste 200 MB blijven</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Systeemjournaal verkleinen</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Geheugen van ongebruikte caches vrijgeven</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Geheugen vrijmaken</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Pakketbestanden wissen die na updates bewaard zijn</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Pakketcache legen</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Miniaturencache van voorbeelden wissen</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Miniaturen herstellen</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Uitvoeren</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Flatpak-runtimes verwijderen die geen app meer nodig heeft</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Ongebruikte runtimes verwijderen</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Onderhoudstaken met één klik</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Onderhoud</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Toepassing</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Op naam</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Of kies er een uit de lijst.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Sleep een toepassing hierheen</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Een Flatpak: flatpak uninstall verwijdert het; de restanten gaan naar de prullenbak.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Zoeken naar restanten…</translation>
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
        <translation>Autostart-item</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Logboeken</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Opgeslagen toestand</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Scripts</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Toepassingsgegevens</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Webgegevens</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Restanten gevonden op toepassings-ID</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Geen ID: controleer de restanten gevonden op naam</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Deïnstalleren</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Nu afsluiten en met de restanten naar de prullenbak verplaatsen?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>De toepassing draait</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Toepassingen zoeken</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 in totaal · %Ln restant</numerusform>
            <numerusform>%1 in totaal · %Ln restanten</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Geïnstalleerd via de pakketbeheerder van het systeem: de toepassing blijft; alleen de gekozen restanten gaan naar de prullenbak.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Deïnstalleren</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Build-uitvoer; wordt zo nodig opnieuw gemaakt.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Cache- of loggegevens; veilig te verwijderen.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Erg groot bestand; heb je het nog nodig?</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Installatiebestand, waarschijnlijk overbodig.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Niet geopend sinds %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Je persoonlijke map analyseren…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Nakijken</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Veilig</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>De grootste bestanden van deze soort.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Bekijk wat ruimte inneemt in je persoonlijke map, per soort bestand.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln bestand</numerusform>
            <numerusform>%Ln bestanden</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln bestand gescand</numerusform>
            <numerusform>%Ln bestanden gescand</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Laatst geopend %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Nooit geopend</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Opnieuw analyseren</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Tonen in bestandsbeheerder</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analyseren</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Naar prullenbak verplaatsen</translation>
    </message>
</context>
</TS>
