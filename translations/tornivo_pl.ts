<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>Automatycznie usunięto %1 śmieci.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Usunięto śmieci</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>Nie odczytano katalogu %1: jest to (lub zawiera) twój katalog domowy albo inny twój katalog, albo nie należy do ciebie.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Pominięto katalog</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 śmieci czeka na wyczyszczenie.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Znaleziono śmieci</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Pozostałości po aplikacji %1 przeniesiono do kosza; aplikacja pozostaje zainstalowana.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Nic nie przywrócono</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Z ostatniego przeniesienia nie ma już nic do przywrócenia.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Niczego nie usunięto</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Nie można odczytać zapisu ostatniego przeniesienia.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln pozycja wróciła na miejsce.</numerusform>
            <numerusform>%Ln pozycje wróciły na miejsce.</numerusform>
            <numerusform>%Ln pozycji wróciło na miejsce.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Przywrócono</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln nie ma już w koszu.</numerusform>
            <numerusform>%Ln nie ma już w koszu.</numerusform>
            <numerusform>%Ln nie ma już w koszu.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln została w koszu: jej miejsce jest zajęte.</numerusform>
            <numerusform>%Ln zostały w koszu: ich miejsca są zajęte.</numerusform>
            <numerusform>%Ln zostało w koszu: ich miejsca są zajęte.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln nie udało się przywrócić.</numerusform>
            <numerusform>%Ln nie udało się przywrócić.</numerusform>
            <numerusform>%Ln nie udało się przywrócić.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Tak Tornivo informuje o pracy w tle.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Powiadomienie testowe</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln pozycja, %1</numerusform>
            <numerusform>%Ln pozycje, %1</numerusform>
            <numerusform>%Ln pozycji, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Przeniesiono do kosza</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>Zadanie zostało ukończone.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>Zadanie nie powiodło się lub zostało anulowane.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>Zadanie zakończone, zwolniono %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>Aplikację %1 i jej pozostałości przeniesiono do kosza.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Odinstalowano</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 jest gotowe do pobrania.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Pamięć podręczna aplikacji</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Dzienniki</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Wyczyść</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Czyszczenie…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Wszystko, co zaznaczono, należy do uruchomionych aplikacji: %1. Zamknij je i wyczyść ponownie.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Zamknij uruchomione aplikacje</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>zwolnione</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Kliknij, aby wyszukać śmieci w pamięci podręcznej i dziennikach.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Używane przez %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>znalezionych śmieci</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Skanowanie pamięci podręcznej i dzienników…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>Zaznaczono %1</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Pominięto, bo są uruchomione: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Tego nie można cofnąć</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>Sprawdzono %Ln plik</numerusform>
            <numerusform>Sprawdzono %Ln pliki</numerusform>
            <numerusform>Sprawdzono %Ln plików</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln w użyciu</numerusform>
            <numerusform>%Ln w użyciu</numerusform>
            <numerusform>%Ln w użyciu</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln zmieniony od skanowania</numerusform>
            <numerusform>%Ln zmienione od skanowania</numerusform>
            <numerusform>%Ln zmienionych od skanowania</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln z innego powodu</numerusform>
            <numerusform>%Ln z innego powodu</numerusform>
            <numerusform>%Ln z innego powodu</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln bez dostępnego kosza</numerusform>
            <numerusform>%Ln bez dostępnego kosza</numerusform>
            <numerusform>%Ln bez dostępnego kosza</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln w innym systemie plików</numerusform>
            <numerusform>%Ln w innym systemie plików</numerusform>
            <numerusform>%Ln w innym systemie plików</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln bez uprawnień</numerusform>
            <numerusform>%Ln bez uprawnień</numerusform>
            <numerusform>%Ln bez uprawnień</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln w chronionym katalogu</numerusform>
            <numerusform>%Ln w chronionym katalogu</numerusform>
            <numerusform>%Ln w chronionym katalogu</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln nieosiągnięty przed zatrzymaniem</numerusform>
            <numerusform>%Ln nieosiągnięte przed zatrzymaniem</numerusform>
            <numerusform>%Ln nieosiągniętych przed zatrzymaniem</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln folder, który nigdy nie jest usuwany</numerusform>
            <numerusform>%Ln foldery, które nigdy nie są usuwane</numerusform>
            <numerusform>%Ln folderów, które nigdy nie są usuwane</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>Pozostał %Ln element: %1.</numerusform>
            <numerusform>Pozostały %Ln elementy: %1.</numerusform>
            <numerusform>Pozostało %Ln elementów: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Odczyt: %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>Pominięto %Ln katalog</numerusform>
            <numerusform>Pominięto %Ln katalogi</numerusform>
            <numerusform>Pominięto %Ln katalogów</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Skanuj ponownie</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln katalog nieczytelny</numerusform>
            <numerusform>%Ln katalogi nieczytelne</numerusform>
            <numerusform>%Ln katalogów nieczytelnych</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Aktywny · ostatnio używany %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Aktywne projekty pozostały nietknięte.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Wyczyść %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dzień</numerusform>
            <numerusform>%Ln dni</numerusform>
            <numerusform>%Ln dni</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Odzyskaj miejsce po wynikach kompilacji projektów, nad którymi ostatnio nie pracujesz.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Szukanie katalogów kompilacji…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Używany %1 · można wyczyścić</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Każdy projekt z wynikami kompilacji był ostatnio aktywny.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Nic do wyczyszczenia</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Chroń projekty aktywne w ciągu</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>Projekty %1 są aktywne i pozostają chronione.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>Projekt %1 jest aktywny i pozostaje chroniony.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 do odzyskania</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>Odzyskano %1</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Skanuj projekty</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Zaznacz projekty do wyczyszczenia</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Katalogi kompilacji</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Zachowaj pierwszą</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>Porównano %1 z %2</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Ta sama zawartość</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln kopia</numerusform>
            <numerusform>%Ln kopie</numerusform>
            <numerusform>%Ln kopii</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Znajdź pliki o identycznej zawartości w swoich katalogach i zachowaj po jednej kopii każdego.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>Po %1 · oszczędność %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Znajdź duplikaty</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Porównywanie zawartości plików…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Zachowaj tę kopię, a pozostałe przenieś do kosza</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Zachowaj tę</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 do odzyskania</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Usuń wszystkie duplikaty</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Zduplikowane pliki</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Wycisz dźwięki</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Zakończ Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Włącz dźwięki</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Znajdź obrazy dysków i pakiety instalacyjne pozostawione w Pobranych i na pulpicie.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Znajdź instalatory</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>Aplikacja %1 jest już zainstalowana</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Instalator (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Przenieś %1 do kosza</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Szukanie instalatorów…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Zaznacz instalatory do usunięcia</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Pozostawione instalatory</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Archiwa</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Pliki programistyczne</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Dokumenty</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Obrazy</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Filmy</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Znajdź duże pliki w swoich katalogach, których nie otwierano od trzech miesięcy.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Znajdź duże pliki</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Ostatnio otwarty %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Przenieś %1 do kosza</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Nigdy nieotwierany</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Szukanie dużych plików…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Zaznacz pliki do usunięcia</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Kolor akcentu</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Czyść automatycznie</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Usuwaj śmieci znalezione przez zaplanowane skanowanie, zamiast tylko o nich informować.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Sprawdzanie…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Powiadomienia pulpitu</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Pokazuj komunikaty jako powiadomienia pulpitu zamiast we własnym oknie Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Codziennie</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Co 3 dni</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Co tydzień</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Język systemu</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Ostatnio uruchomiono %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Jeszcze nie uruchomiono</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Chronione katalogi</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Dodaj katalogi…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Brak chronionych katalogów.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Skanowanie nigdy nie pokazuje niczego z tych katalogów.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Przestań chronić ten katalog</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>Nie można odczytać chronionych katalogów zapisanych w %1, więc nic nie zostanie usunięte, dopóki ten plik nie zostanie naprawiony lub usunięty.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Harmonogram</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Szukaj śmieci w tle, gdy Tornivo jest uruchomione.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Otwiera Tornivo w zasobniku po zalogowaniu, aby zaplanowane skanowania nadal działały.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Pokaż powiadomienie testowe</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 jest aktualne.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Dostępna jest wersja %1.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Nie można sprawdzić aktualizacji.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Zniszcz zawartość kosza</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>Zapisano %1 z %2</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Wszystko w koszu zostanie nadpisane i usunięte. Tego nie można cofnąć.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Zniszczyć zawartość kosza?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Nie ma nic do zniszczenia.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Kosz jest pusty</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Usuń %Ln pozycję</numerusform>
            <numerusform>Usuń %Ln pozycje</numerusform>
            <numerusform>Usuń %Ln pozycji</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>Usunięto %Ln pozycję</numerusform>
            <numerusform>Usunięto %Ln pozycje</numerusform>
            <numerusform>Usunięto %Ln pozycji</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Nadpisywanie i usuwanie…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln pozycja w koszu</numerusform>
            <numerusform>%Ln pozycje w koszu</numerusform>
            <numerusform>%Ln pozycji w koszu</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Nadpisywanie</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>Nadpisano %1</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>Na dyskach SSD nadpisanie nie obejmuje wszystkich kopii przechowywanych przez dysk; chroni je szyfrowanie całego dysku.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoiczne (7 przebiegów)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Szybkie (1 przebieg)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Standardowe (3 przebiegi)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Dysk</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Pamięć</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Wyczyść</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>Można usunąć %1 starych wyników kompilacji.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Dysk jest zapełniony w %1; wolne: %2.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Wszystko wygląda dobrze.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln instalator zainstalowanej aplikacji zajmuje %1.</numerusform>
            <numerusform>%Ln instalatory zainstalowanych aplikacji zajmują %1.</numerusform>
            <numerusform>%Ln instalatorów zainstalowanych aplikacji zajmuje %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 śmieci czeka na wyczyszczenie.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Pamięć jest zajęta w %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Przejrzyj</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Skanuj</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Prześwietl</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Czyszczenie</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Dla programistów</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Duplikaty</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Instalatory</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Duże pliki</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Niszczenie</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Konserwacja</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Odinstalowywanie</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Prześwietlenie</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Grafitowy</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Pomarańczowy</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Otwórz Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Wymaga hasła administratora</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Zapomnij zapamiętane zapytania DNS</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Wyczyść pamięć DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Wczytaj ponownie panel pulpitu</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Zrestartuj panel</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Napraw zawieszony menedżer plików</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Zrestartuj menedżer plików</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Napraw uszkodzone czcionki</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Zresetuj pamięć czcionek</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Usuń stare logi systemu, zachowując najnowsze 200 MB</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Zmniejsz dziennik systemu</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Zwolnij pamięć nieużywanych buforów</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Zwolnij pamięć</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Usuń pakiety zachowane po instalacji aktualizacji</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Wyczyść pamięć pakietów</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Wyczyść pamięć miniatur podglądu</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Zresetuj miniatury</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Uruchom</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Odinstaluj środowiska Flatpak, których nie używa żadna aplikacja</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Usuń nieużywane środowiska</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Konserwacja jednym kliknięciem</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Konserwacja</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Aplikacja</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Po nazwie</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Lub wybierz ją z listy.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Upuść tutaj aplikację</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpak: usuwa go flatpak uninstall; pozostałości trafiają do kosza.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Szukanie pozostałości…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Pamięć podręczna</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Kontener</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Wpis autostartu</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Dzienniki</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Zapisany stan</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Skrypty</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Dane aplikacji</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Dane sieciowe</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Pozostałości dopasowane po ID aplikacji</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Brak ID aplikacji: sprawdź dopasowania po nazwie</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Zamknij i usuń</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Zakończyć ją teraz i przenieść do kosza wraz z pozostałościami?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>Aplikacja jest uruchomiona</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Szukaj aplikacji</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 łącznie · %Ln pozostałość</numerusform>
            <numerusform>%1 łącznie · %Ln pozostałości</numerusform>
            <numerusform>%1 łącznie · %Ln pozostałości</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Zainstalowana przez systemowy menedżer pakietów: aplikacja pozostaje; do kosza trafiają tylko zaznaczone pozostałości.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Odinstaluj</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Wynik kompilacji; da się go odtworzyć.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Pamięć podręczna lub dzienniki; można usunąć.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Bardzo duży plik; czy nadal go potrzebujesz?</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Instalator, zapewne już niepotrzebny.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Nieotwierany od %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Analizowanie katalogu domowego…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Przejrzyj</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Bezpieczne</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Największe pliki tego rodzaju.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Zobacz, co zajmuje miejsce w katalogu domowym, według rodzaju plików.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln plik</numerusform>
            <numerusform>%Ln pliki</numerusform>
            <numerusform>%Ln plików</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>Przeskanowano %Ln plik</numerusform>
            <numerusform>Przeskanowano %Ln pliki</numerusform>
            <numerusform>Przeskanowano %Ln plików</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Ostatnio otwarty %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Nigdy nieotwierany</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Analizuj ponownie</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Pokaż w menedżerze plików</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analizuj</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>W %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Przenieś do kosza</translation>
    </message>
</context>
</TS>
