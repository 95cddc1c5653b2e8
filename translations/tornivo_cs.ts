<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1 nepotřebných dat bylo automaticky odstraněno.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Nepotřebná data vyčištěna</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>Složka %1 nebyla přečtena: je to (nebo obsahuje) vaše domovská či jiná vaše složka, nebo vám nepatří.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Složka byla vynechána</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 nepotřebných dat je připraveno k vyčištění.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Nalezena nepotřebná data</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Zbytky aplikace %1 byly přesunuty do koše; aplikace zůstává nainstalovaná.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Nic nebylo vráceno</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Z posledního přesunu už není co vrátit.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Nic nebylo odstraněno</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Záznam posledního přesunu nelze přečíst.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln položka je zpět na svém místě.</numerusform>
            <numerusform>%Ln položky jsou zpět na svých místech.</numerusform>
            <numerusform>%Ln položek je zpět na svých místech.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Vráceno zpět</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln už v koši není.</numerusform>
            <numerusform>%Ln už v koši nejsou.</numerusform>
            <numerusform>%Ln už v koši není.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln zůstala v koši: její místo je obsazené.</numerusform>
            <numerusform>%Ln zůstaly v koši: jejich místa jsou obsazená.</numerusform>
            <numerusform>%Ln zůstalo v koši: jejich místa jsou obsazená.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln nešla vrátit.</numerusform>
            <numerusform>%Ln nešly vrátit.</numerusform>
            <numerusform>%Ln nešlo vrátit.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Takto Tornivo hlásí práci na pozadí.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Zkušební oznámení</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln položka, %1</numerusform>
            <numerusform>%Ln položky, %1</numerusform>
            <numerusform>%Ln položek, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Přesunuto do koše</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>Úloha byla dokončena.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>Úloha selhala nebo byla zrušena.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>Úloha skončila a uvolnila %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>Aplikace %1 a její zbytky byly přesunuty do koše.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Odinstalováno</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 je připraveno ke stažení.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Je dostupná aktualizace</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Mezipaměti aplikací</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Protokoly</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Vyčistit</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Čištění…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Vše vybrané patří spuštěným aplikacím: %1. Ukončete je a pak čištění zopakujte.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Ukončete spuštěné aplikace</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>uvolněno</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Klepnutím vyhledáte nepotřebná data v mezipamětech a protokolech.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Používá %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>nalezených nepotřebných dat</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Prohledávání mezipamětí a protokolů…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>Vybráno %1</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Vynecháno, protože běží: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Nelze vrátit zpět</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>Prohlédnut %Ln soubor</numerusform>
            <numerusform>Prohlédnuty %Ln soubory</numerusform>
            <numerusform>Prohlédnuto %Ln souborů</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln se používá</numerusform>
            <numerusform>%Ln se používají</numerusform>
            <numerusform>%Ln se používá</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln změněna od prohledání</numerusform>
            <numerusform>%Ln změněny od prohledání</numerusform>
            <numerusform>%Ln změněno od prohledání</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln z jiného důvodu</numerusform>
            <numerusform>%Ln z jiného důvodu</numerusform>
            <numerusform>%Ln z jiného důvodu</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln bez dostupného koše</numerusform>
            <numerusform>%Ln bez dostupného koše</numerusform>
            <numerusform>%Ln bez dostupného koše</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln na jiném souborovém systému</numerusform>
            <numerusform>%Ln na jiném souborovém systému</numerusform>
            <numerusform>%Ln na jiném souborovém systému</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln bez oprávnění</numerusform>
            <numerusform>%Ln bez oprávnění</numerusform>
            <numerusform>%Ln bez oprávnění</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln v chráněné složce</numerusform>
            <numerusform>%Ln v chráněné složce</numerusform>
            <numerusform>%Ln v chráněné složce</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln nedosažena před zastavením</numerusform>
            <numerusform>%Ln nedosaženy před zastavením</numerusform>
            <numerusform>%Ln nedosaženo před zastavením</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln složka, která se nikdy neodstraňuje</numerusform>
            <numerusform>%Ln složky, které se nikdy neodstraňují</numerusform>
            <numerusform>%Ln složek, které se nikdy neodstraňují</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>Zůstala %Ln položka: %1.</numerusform>
            <numerusform>Zůstaly %Ln položky: %1.</numerusform>
            <numerusform>Zůstalo %Ln položek: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Čtení %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Obnovit</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>Vynechána %Ln složka</numerusform>
            <numerusform>Vynechány %Ln složky</numerusform>
            <numerusform>Vynecháno %Ln složek</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Prohledat znovu</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln složku nelze přečíst</numerusform>
            <numerusform>%Ln složky nelze přečíst</numerusform>
            <numerusform>%Ln složek nelze přečíst</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Aktivní · naposledy použit %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Aktivních projektů se čištění nedotklo.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Vyčistit %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln den</numerusform>
            <numerusform>%Ln dny</numerusform>
            <numerusform>%Ln dní</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Uvolněte místo po sestaveních projektů, na kterých jste v poslední době nepracovali.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Hledání složek sestavení…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Použit %1 · lze vyčistit</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Všechny projekty s výstupy sestavení byly nedávno aktivní.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Není co čistit</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Chránit projekty aktivní za poslední</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>Projekty %1 jsou aktivní a zůstávají chráněné.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>Projekt %1 je aktivní a zůstává chráněný.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 lze uvolnit</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 uvolněno</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Prohledat projekty</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Vyberte projekty k vyčištění</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Složky sestavení</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Ponechat první</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>Porovnáno %1 z %2</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Shodný obsah</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln kopie</numerusform>
            <numerusform>%Ln kopie</numerusform>
            <numerusform>%Ln kopií</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Najděte soubory se shodným obsahem ve svých osobních složkách a ponechte od každého jednu kopii.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>Po %1 · ušetří %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Najít duplikáty</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Porovnávání obsahu souborů…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Ponechat tuto kopii a ostatní přesunout do koše</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Ponechat tuto</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 lze uvolnit</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Odstranit všechny duplikáty</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Duplicitní soubory</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Vypnout zvuky</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Ukončit Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Zapnout zvuky</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Najděte obrazy disků a instalační balíčky zapomenuté ve Stažených a na ploše.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Najít instalátory</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>Aplikace %1 už je nainstalovaná</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Instalátor (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Přesunout %1 do koše</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Hledání instalátorů…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Vyberte instalátory k odstranění</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Zapomenuté instalátory</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Archivy</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Zvuk</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Vývojářské soubory</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Dokumenty</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Obrázky</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Ostatní</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Videa</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Najděte ve svých osobních složkách velké soubory, které jste tři měsíce neotevřeli.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Najít velké soubory</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Naposledy otevřen %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Přesunout %1 do koše</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Nikdy neotevřen</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Hledání velkých souborů…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Vyberte soubory k odstranění</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Barva zvýraznění</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Vzhled</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Čistit automaticky</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Nepotřebná data nalezená plánovaným prohledáním rovnou odstranit, ne jen ohlásit.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Zkontrolovat aktualizace</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Kontrola…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Oznámení plochy</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Zobrazovat upozornění jako oznámení plochy místo vlastního okna Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Denně</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Každé 3 dny</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Týdně</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Jazyk systému</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Naposledy spuštěno %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Zatím nespuštěno</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Systémový</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Chráněné složky</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Přidat složky…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Žádné chráněné složky.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Prohledávání nikdy nezobrazí nic z těchto složek.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Přestat chránit tuto složku</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>Chráněné složky v %1 nelze přečíst, proto se nic neodstraní, dokud soubor nebude opraven nebo odstraněn.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Plánování</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Hledat nepotřebná data na pozadí, když Tornivo běží.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Zvuky</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Spustit po přihlášení</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Po přihlášení otevře Tornivo v oznamovací oblasti, aby plánované prohledávání běželo dál.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Zobrazit zkušební oznámení</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 je aktuální.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Je dostupná verze %1.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Aktualizace nelze zkontrolovat.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Aktualizace</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Skartovat koš</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>Zapsáno %1 z %2</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Vše v koši bude přepsáno a smazáno. Tuto akci nelze vrátit zpět.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Skartovat koš?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Není co skartovat.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Koš je prázdný</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Skartovat (%Ln)</numerusform>
            <numerusform>Skartovat (%Ln)</numerusform>
            <numerusform>Skartovat (%Ln)</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>Smazána %Ln položka</numerusform>
            <numerusform>Smazány %Ln položky</numerusform>
            <numerusform>Smazáno %Ln položek</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Přepisování a mazání…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln položka v koši</numerusform>
            <numerusform>%Ln položky v koši</numerusform>
            <numerusform>%Ln položek v koši</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Přepsání</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>Přepsáno %1</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>Na discích SSD přepsání nezasáhne všechny kopie, které disk uchovává; ty chrání šifrování celého disku.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoidní (7 průchodů)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Rychlé (1 průchod)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Standardní (3 průchody)</translation>
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
        <translation>Paměť</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Vyčistit</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 starých výstupů sestavení lze odstranit.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Disk je zaplněn na %1; volno %2.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Vše vypadá dobře.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln instalátor nainstalované aplikace zabírá %1.</numerusform>
            <numerusform>%Ln instalátory nainstalovaných aplikací zabírají %1.</numerusform>
            <numerusform>%Ln instalátorů nainstalovaných aplikací zabírá %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 nepotřebných dat je připraveno k vyčištění.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Paměť je zaplněna na %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Prohlédnout</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Prohledat</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Rentgen</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Čištění</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Pro vývojáře</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Duplikáty</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Instalátory</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Velké soubory</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Skartace</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Údržba</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Odinstalace</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Rentgen</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Grafitová</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Oranžová</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Růžová</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Fialová</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Otevřít Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Ukončit</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Vyžaduje heslo správce</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Zapomenout uložené dotazy DNS</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Vyprázdnit mezipaměť DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Znovu načíst panel pracovní plochy</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Restartovat panel</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Opravit zaseknutého správce souborů</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Restartovat správce souborů</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Opravit poškozená písma novou mezipamětí</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Obnovit mezipaměť písem</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Smazat staré systémové záznamy, ponechat nejnovějších 200 MB</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Zmenšit systémový žurnál</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Uvolnit paměť nepoužívaných mezipamětí</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Uvolnit paměť</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Smazat balíčky uchované po instalaci aktualizací</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Vyčistit mezipaměť balíčků</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Vymazat mezipaměť náhledů souborů</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Obnovit náhledy</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Spustit</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Odinstalovat prostředí Flatpak, která žádná aplikace nepotřebuje</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Odebrat nepoužívaná prostředí</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Údržba jedním klepnutím</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Údržba</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Aplikace</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Podle názvu</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Nebo ji vyberte ze seznamu.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Přetáhněte sem aplikaci</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpak: odstraní ho flatpak uninstall; zbytky půjdou do koše.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Hledání zbytků…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Mezipaměť</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Kontejner</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Automatické spouštění</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Protokoly</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Ostatní</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Předvolby</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Uložený stav</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Skripty</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Data aplikace</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Webová data</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Zbytky nalezené podle ID aplikace</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Chybí ID aplikace: zkontrolujte shody podle názvu</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Ukončit a odebrat</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Ukončit ji nyní a přesunout i se zbytky do koše?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>Aplikace je spuštěná</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Hledat aplikace</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 celkem · %Ln zbytek</numerusform>
            <numerusform>%1 celkem · %Ln zbytky</numerusform>
            <numerusform>%1 celkem · %Ln zbytků</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Nainstalováno správcem balíčků systému: aplikace zůstane; do koše půjdou jen vybrané zbytky.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Odinstalovat</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Výstup sestavení; lze jej znovu vytvořit.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Mezipaměť nebo protokoly; lze odstranit.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Velmi velký soubor; potřebujete ho ještě?</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Instalátor, který už nejspíš nepotřebujete.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Neotevřen od %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Analýza domovské složky…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Zkontrolovat</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Bezpečné</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Největší soubory tohoto druhu.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Zjistěte, co zabírá místo v domovské složce, podle druhu souborů.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln soubor</numerusform>
            <numerusform>%Ln soubory</numerusform>
            <numerusform>%Ln souborů</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>Prohledán %Ln soubor</numerusform>
            <numerusform>Prohledány %Ln soubory</numerusform>
            <numerusform>Prohledáno %Ln souborů</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Naposledy otevřen %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Nikdy neotevřen</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Analyzovat znovu</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Zobrazit ve správci souborů</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analyzovat</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>V %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Přesunout do koše</translation>
    </message>
</context>
</TS>
