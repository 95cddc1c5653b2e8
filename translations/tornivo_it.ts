<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1 di file inutili rimossi automaticamente.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Pulizia completata</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>%1 non è stata letta: è o contiene la tua cartella home o un'altra delle tue cartelle, oppure non è tua.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Una cartella è stata ignorata</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 di file inutili pronti per la pulizia.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>File inutili trovati</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>I residui di %1 sono stati spostati nel cestino; l'applicazione resta installata.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Nulla ripristinato</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Non resta nulla dell’ultimo spostamento da ripristinare.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Non è stato rimosso nulla</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Impossibile leggere la registrazione dell’ultimo spostamento.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln elemento è tornato al suo posto.</numerusform>
            <numerusform>%Ln elementi sono tornati al loro posto.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Ripristinato</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln non è più nel cestino.</numerusform>
            <numerusform>%Ln non sono più nel cestino.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln è rimasto nel cestino: il suo posto è occupato.</numerusform>
            <numerusform>%Ln sono rimasti nel cestino: il loro posto è occupato.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln non è stato ripristinato.</numerusform>
            <numerusform>%Ln non sono stati ripristinati.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Così Tornivo segnala le attività in background.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Banner di prova</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln elemento, %1</numerusform>
            <numerusform>%Ln elementi, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Spostato nel cestino</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>L'operazione è terminata.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>L'operazione non è riuscita o è stata annullata.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>L'attività è terminata e ha liberato %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 e i suoi residui sono stati spostati nel cestino.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Disinstallata</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 è pronto per il download.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Cache delle applicazioni</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Log</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Pulisci</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Pulizia in corso…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Tutti gli elementi selezionati appartengono ad applicazioni in esecuzione: %1. Chiudile e ripeti la pulizia.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Chiudi le applicazioni aperte</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>liberati</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Fai clic per cercare file inutili in cache e log.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>In uso da %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>di file inutili trovati</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Analisi di cache e log…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 selezionati</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Applicazioni aperte ignorate: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Operazione irreversibile</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln file esaminato</numerusform>
            <numerusform>%Ln file esaminati</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln in uso</numerusform>
            <numerusform>%Ln in uso</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln modificato dopo l'analisi</numerusform>
            <numerusform>%Ln modificati dopo l'analisi</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln per un altro motivo</numerusform>
            <numerusform>%Ln per altri motivi</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln senza un cestino disponibile</numerusform>
            <numerusform>%Ln senza un cestino disponibile</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln su un altro file system</numerusform>
            <numerusform>%Ln su un altro file system</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln senza permesso</numerusform>
            <numerusform>%Ln senza permesso</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln in una cartella protetta</numerusform>
            <numerusform>%Ln in cartelle protette</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln non raggiunto prima dell'interruzione</numerusform>
            <numerusform>%Ln non raggiunti prima dell'interruzione</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln cartella mai rimossa</numerusform>
            <numerusform>%Ln cartelle mai rimosse</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln elemento non è stato rimosso: %1.</numerusform>
            <numerusform>%Ln elementi non sono stati rimossi: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Lettura di %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln cartella ignorata</numerusform>
            <numerusform>%Ln cartelle ignorate</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Analizza di nuovo</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln cartella illeggibile</numerusform>
            <numerusform>%Ln cartelle illeggibili</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Attivo · usato %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>I progetti attivi non sono stati toccati.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Pulisci %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln giorno</numerusform>
            <numerusform>%Ln giorni</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Recupera lo spazio dei file di build dei progetti su cui non lavori da tempo.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Ricerca delle cartelle di build…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Usato %1 · pulizia sicura</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Tutti i progetti con file di build sono stati attivi di recente.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Niente da pulire</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Proteggi i progetti attivi negli ultimi</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 sono attivi e restano protetti.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 è attivo e resta protetto.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 recuperabili</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 recuperati</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Analizza i progetti</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Seleziona i progetti da pulire</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Cartelle di build</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Tieni il primo</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 di %2 confrontati</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Contenuto identico</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln copia</numerusform>
            <numerusform>%Ln copie</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Trova i file con contenuto identico nelle tue cartelle personali e tieni una sola copia di ciascuno.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 ciascuno · risparmi %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Trova duplicati</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Confronto del contenuto dei file…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Tieni questa copia e sposta le altre nel cestino</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Tieni</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 recuperabili</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Rimuovi tutti i duplicati</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>File duplicati</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Disattiva i suoni</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Esci da Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Attiva i suoni</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Trova immagini disco e pacchetti di installazione rimasti in Scaricati e sulla Scrivania.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Trova installer</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 è già installato</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Installer (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Sposta %1 nel cestino</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Ricerca degli installer…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Seleziona gli installer da rimuovere</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Installer rimasti</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Archivi</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>File di sviluppo</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Trova i file grandi nelle tue cartelle personali che non apri da tre mesi.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Trova file grandi</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Aperto %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Sposta %1 nel cestino</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Mai aperto</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Ricerca dei file grandi…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Seleziona i file da rimuovere</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Colore di accento</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Pulizia automatica</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Rimuove i file inutili trovati da un'analisi pianificata invece di segnalarli soltanto.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Verifica…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Notifiche del desktop</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Mostra i banner con le notifiche del desktop invece che nella finestra di Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Giornaliera</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Disattivata</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Ogni 3 giorni</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Settimanale</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Ultima analisi %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Non ancora eseguita</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Cartelle protette</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Aggiungi cartelle…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Nessuna cartella protetta.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Le analisi non elencano mai nulla all'interno di queste cartelle.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Non proteggere più questa cartella</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>Le cartelle protette in %1 non sono leggibili: non verrà rimosso nulla finché il file non sarà riparato o rimosso.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Pianificazione</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Cerca file inutili in background mentre Tornivo è in esecuzione.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Avvia all'accesso</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Apre Tornivo nell'area di notifica all'accesso, così le analisi pianificate continuano.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Mostra banner di prova</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 è aggiornato.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>La versione %1 è disponibile.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Impossibile verificare gli aggiornamenti.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Distruggi il cestino</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 di %2 scritti</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Tutto il contenuto del cestino verrà sovrascritto ed eliminato. L'operazione è irreversibile.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Distruggere il cestino?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Non c'è nulla da distruggere.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Il cestino è vuoto</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Cancella %Ln elemento</numerusform>
            <numerusform>Cancella %Ln elementi</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln elemento cancellato</numerusform>
            <numerusform>%Ln elementi cancellati</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Sovrascrittura e cancellazione…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln elemento nel cestino</numerusform>
            <numerusform>%Ln elementi nel cestino</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Sovrascrittura</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 sovrascritti</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>Sulle unità SSD la sovrascrittura non raggiunge tutte le copie conservate dall'unità; la cifratura completa del disco le protegge.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoico (7 passaggi)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Rapido (1 passaggio)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Standard (3 passaggi)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Pulisci</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 di vecchi file di build si possono rimuovere.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Disco pieno al %1; %2 liberi.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Tutto a posto.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln installer di un'applicazione installata occupa %1.</numerusform>
            <numerusform>%Ln installer di applicazioni installate occupano %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 di file inutili pronti per la pulizia.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Memoria piena al %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Controlla</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Analizza</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Raggi X</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Pulisci</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Sviluppo</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Duplicati</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Installer</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>File grandi</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Distruggi</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Ottimizza</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Raggi X</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Grafite</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Apri Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Richiede la password di amministratore</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Dimentica le risoluzioni dei nomi in cache</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Svuota la cache DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Ricarica il pannello del desktop</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Riavvia il pannello</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Ripara un gestore di file bloccato o che non risponde</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Riavvia il gestore di file</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Ricostruisci la cache dei caratteri per riparare quelli danneggiati</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Reimposta la cache dei caratteri</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Elimina i vecchi log di sistema, mantenendo gli ultimi 200 MB</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Riduci journal di sistema</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Libera la memoria occupata da cache che nessuna applicazione usa</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Libera memoria</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Elimina i pacchetti conservati dopo gli aggiornamenti</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Pulisci cache dei pacchetti</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Svuota la cache delle miniature di anteprima dei file</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Reimposta le miniature</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Disinstalla i runtime Flatpak che nessuna applicazione usa</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Rimuovi runtime inutilizzati</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Manutenzione con un clic</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Ottimizza</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Per nome</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Oppure scegline una dall'elenco.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Trascina qui un'applicazione</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Un Flatpak: flatpak uninstall lo rimuove; i residui vanno nel cestino.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Ricerca dei residui…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Contenitore</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Avvio automatico</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Log</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Stato salvato</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Script</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Dati dell'applicazione</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Dati web</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Residui individuati tramite l'ID dell'applicazione</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Nessun ID applicazione: controlla i residui trovati per nome</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Chiudi e disinstalla</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Chiuderla ora e spostarla nel cestino con i suoi residui?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>L'applicazione è in esecuzione</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Cerca applicazioni</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 in totale · %Ln residuo</numerusform>
            <numerusform>%1 in totale · %Ln residui</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Installata dal gestore dei pacchetti di sistema: l'applicazione resta; solo i residui selezionati vanno nel cestino.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>File di build; vengono ricreati quando servono.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Dati di cache o log; si possono rimuovere senza rischi.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Un file molto grande; verifica se ti serve ancora.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Un installer che probabilmente non ti serve più.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Non aperto dal %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Analisi della cartella home…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Da controllare</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Sicuro</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>I file più grandi di questo tipo.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Scopri cosa occupa spazio nella tua cartella home, per tipo di file.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln file</numerusform>
            <numerusform>%Ln file</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln file analizzato</numerusform>
            <numerusform>%Ln file analizzati</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Aperto %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Mai aperto</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Analizza di nuovo</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Mostra nel gestore di file</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analizza</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Sposta nel cestino</translation>
    </message>
</context>
</TS>
