<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>Αφαιρέθηκαν αυτόματα %1 άχρηστων αρχείων.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Έγινε καθαρισμός</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>Ο φάκελος %1 δεν διαβάστηκε: είναι ή περιέχει τον προσωπικό σας φάκελο ή άλλον φάκελό σας, ή δεν σας ανήκει.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Ένας φάκελος παραλείφθηκε</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>Έτοιμα για καθαρισμό: %1 άχρηστων αρχείων.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Βρέθηκαν άχρηστα αρχεία</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Τα υπολείμματα του %1 μεταφέρθηκαν στον κάδο απορριμμάτων· η εφαρμογή μένει εγκατεστημένη.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Δεν επαναφέρθηκε τίποτα</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Δεν έμεινε τίποτα από την τελευταία μετακίνηση για επαναφορά.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Δεν αφαιρέθηκε τίποτα</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Η καταγραφή της τελευταίας μετακίνησης δεν διαβάζεται.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln στοιχείο επέστρεψε στη θέση του.</numerusform>
            <numerusform>%Ln στοιχεία επέστρεψαν στη θέση τους.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Επαναφέρθηκε</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln δεν είναι πια στον κάδο.</numerusform>
            <numerusform>%Ln δεν είναι πια στον κάδο.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln έμεινε στον κάδο: η θέση του είναι πιασμένη.</numerusform>
            <numerusform>%Ln έμειναν στον κάδο: οι θέσεις τους είναι πιασμένες.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln δεν επαναφέρθηκε.</numerusform>
            <numerusform>%Ln δεν επαναφέρθηκαν.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Έτσι ενημερώνει το Tornivo για εργασίες στο παρασκήνιο.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Δοκιμαστική ειδοποίηση</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln στοιχείο, %1</numerusform>
            <numerusform>%Ln στοιχεία, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Μεταφέρθηκε στον κάδο</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>Η εργασία ολοκληρώθηκε.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>Η εργασία απέτυχε ή ακυρώθηκε.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>Η εργασία ολοκληρώθηκε και ελευθέρωσε %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Αναίρεση</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>Το %1 και τα υπολείμματά του μεταφέρθηκαν στον κάδο απορριμμάτων.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Απεγκαταστάθηκε</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Το Tornivo %1 είναι έτοιμο για λήψη.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Διαθέσιμη ενημέρωση</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Κρυφές μνήμες εφαρμογών</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Καταγραφές</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Καθαρισμός</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Καθαρισμός…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Όλα τα επιλεγμένα ανήκουν σε εφαρμογές που εκτελούνται: %1. Κλείστε τις και ξανακάντε καθαρισμό.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Κλείστε τις ανοιχτές εφαρμογές</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>ελευθερώθηκαν</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Κάντε κλικ για σάρωση κρυφών μνημών και καταγραφών για άχρηστα αρχεία.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Σε χρήση από %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>σε άχρηστα αρχεία</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Σάρωση κρυφών μνημών και καταγραφών…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>Επιλέχθηκαν %1</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Παραλείφθηκαν επειδή εκτελούνται: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Δεν αναιρείται</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Τέλος</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln αρχείο εξετάστηκε</numerusform>
            <numerusform>%Ln αρχεία εξετάστηκαν</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln σε χρήση</numerusform>
            <numerusform>%Ln σε χρήση</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln άλλαξε μετά τη σάρωση</numerusform>
            <numerusform>%Ln άλλαξαν μετά τη σάρωση</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln για άλλο λόγο</numerusform>
            <numerusform>%Ln για άλλο λόγο</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln χωρίς διαθέσιμο κάδο</numerusform>
            <numerusform>%Ln χωρίς διαθέσιμο κάδο</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln σε άλλο σύστημα αρχείων</numerusform>
            <numerusform>%Ln σε άλλο σύστημα αρχείων</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln χωρίς άδεια</numerusform>
            <numerusform>%Ln χωρίς άδεια</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln σε προστατευμένο φάκελο</numerusform>
            <numerusform>%Ln σε προστατευμένο φάκελο</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln δεν εξετάστηκε πριν τη διακοπή</numerusform>
            <numerusform>%Ln δεν εξετάστηκαν πριν τη διακοπή</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln φάκελος που δεν αφαιρείται ποτέ</numerusform>
            <numerusform>%Ln φάκελοι που δεν αφαιρούνται ποτέ</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>Έμεινε %Ln στοιχείο: %1.</numerusform>
            <numerusform>Έμειναν %Ln στοιχεία: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Ανάγνωση %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Ανανέωση</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln φάκελος παραλείφθηκε</numerusform>
            <numerusform>%Ln φάκελοι παραλείφθηκαν</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Νέα σάρωση</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln φάκελος δεν διαβάστηκε</numerusform>
            <numerusform>%Ln φάκελοι δεν διαβάστηκαν</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Ενεργό · τελευταία χρήση %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Τα ενεργά έργα δεν αγγίχτηκαν.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Καθαρισμός %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln ημέρα</numerusform>
            <numerusform>%Ln ημέρες</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Ανακτήστε χώρο από αρχεία μεταγλώττισης έργων που δεν έχετε δουλέψει πρόσφατα.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Αναζήτηση φακέλων μεταγλώττισης…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Χρήση %1 · ασφαλής καθαρισμός</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Όλα τα έργα με αρχεία μεταγλώττισης ήταν πρόσφατα ενεργά.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Τίποτα για καθαρισμό</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Προστασία έργων ενεργών εντός</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>Τα έργα %1 είναι ενεργά και παραμένουν προστατευμένα.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>Το έργο %1 είναι ενεργό και παραμένει προστατευμένο.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 ανακτήσιμα</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 ανακτήθηκαν</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Σάρωση έργων</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Επιλέξτε έργα για καθαρισμό</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Φάκελοι μεταγλώττισης</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Κράτηση πρώτου</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 από %2 συγκρίθηκαν</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Ίδιο περιεχόμενο</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln αντίγραφο</numerusform>
            <numerusform>%Ln αντίγραφα</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Βρείτε αρχεία με ίδιο περιεχόμενο στους προσωπικούς σας φακέλους και κρατήστε ένα αντίγραφο από το καθένα.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 το καθένα · εξοικονόμηση %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Εύρεση διπλοτύπων</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Σύγκριση περιεχομένων αρχείων…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Κράτηση αυτού του αντιγράφου και μεταφορά των άλλων στον κάδο απορριμμάτων</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Κράτηση αυτού</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 ανακτήσιμα</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Αφαίρεση όλων των διπλοτύπων</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Διπλότυπα αρχεία</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Σίγαση ήχων</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Έξοδος από το Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Ενεργοποίηση ήχων</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Βρείτε εικόνες δίσκων και πακέτα εγκατάστασης που ξεχάστηκαν στις Λήψεις και στην επιφάνεια εργασίας.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Εύρεση αρχείων εγκατάστασης</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>Το %1 είναι ήδη εγκατεστημένο</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Αρχείο εγκατάστασης (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Μεταφορά %1 στον κάδο</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Αναζήτηση αρχείων εγκατάστασης…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Επιλέξτε αρχεία για αφαίρεση</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Ξεχασμένα αρχεία εγκατάστασης</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Αρχειοθήκες</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Ήχος</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Αρχεία ανάπτυξης</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Έγγραφα</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Εικόνες</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Άλλα</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Βίντεο</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Βρείτε μεγάλα αρχεία στους προσωπικούς σας φακέλους που δεν έχετε ανοίξει εδώ και τρεις μήνες.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Εύρεση μεγάλων αρχείων</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Τελευταίο άνοιγμα %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Μεταφορά %1 στον κάδο</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Δεν άνοιξε ποτέ</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Αναζήτηση μεγάλων αρχείων…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Επιλέξτε αρχεία για αφαίρεση</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Χρώμα έμφασης</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Αυτόματος καθαρισμός</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Αφαίρεση των άχρηστων αρχείων που βρίσκει μια προγραμματισμένη σάρωση, αντί για απλή αναφορά.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Έλεγχος…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Ειδοποιήσεις επιφάνειας εργασίας</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Εμφάνιση ειδοποιήσεων μέσω της επιφάνειας εργασίας αντί για το παράθυρο του Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Λήψη</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Καθημερινά</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Ανενεργό</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Ανά 3 ημέρες</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Εβδομαδιαία</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Γλώσσα συστήματος</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Τελευταία εκτέλεση %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Δεν έχει εκτελεστεί</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Σκούρο</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Ανοιχτό</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Συστήματος</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Προστατευμένοι φάκελοι</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Προσθήκη φακέλων…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Κανένας προστατευμένος φάκελος.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Οι σαρώσεις δεν εμφανίζουν ποτέ τίποτα από αυτούς τους φακέλους.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Διακοπή προστασίας αυτού του φακέλου</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>Οι προστατευμένοι φάκελοι στο %1 δεν διαβάζονται, οπότε τίποτα δεν αφαιρείται μέχρι να διορθωθεί ή να αφαιρεθεί αυτό το αρχείο.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Χρονοπρογραμματισμός</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Σάρωση για άχρηστα αρχεία στο παρασκήνιο όσο εκτελείται το Tornivo.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Ήχοι</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Εκκίνηση κατά τη σύνδεση</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Ανοίγει το Tornivo στην περιοχή ειδοποιήσεων όταν συνδέεστε, ώστε να συνεχίζουν οι προγραμματισμένες σαρώσεις.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Εμφάνιση δοκιμαστικής ειδοποίησης</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Το Tornivo %1 είναι ενημερωμένο.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Η έκδοση %1 είναι διαθέσιμη.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Ο έλεγχος για ενημερώσεις απέτυχε.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Ενημερώσεις</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Τεμαχισμός κάδου</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 από %2 γράφτηκαν</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Όλα τα περιεχόμενα του κάδου απορριμμάτων θα αντικατασταθούν και θα διαγραφούν. Δεν αναιρείται.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Τεμαχισμός του κάδου;</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Δεν υπάρχει τίποτα για τεμαχισμό.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Ο κάδος είναι άδειος</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Διαγραφή (%Ln)</numerusform>
            <numerusform>Διαγραφή (%Ln)</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>Διαγράφηκε %Ln στοιχείο</numerusform>
            <numerusform>Διαγράφηκαν %Ln στοιχεία</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Αντικατάσταση και διαγραφή…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln στοιχείο στον κάδο</numerusform>
            <numerusform>%Ln στοιχεία στον κάδο</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Αντικατάσταση</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 αντικαταστάθηκαν</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>Στους δίσκους SSD η αντικατάσταση δεν φτάνει σε κάθε αντίγραφο που κρατά ο δίσκος· αυτά τα προστατεύει η κρυπτογράφηση όλου του δίσκου.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Παρανοϊκή (7 περάσματα)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Γρήγορη (1 πέρασμα)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Τυπική (3 περάσματα)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Δίσκος</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Μνήμη</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Καθαρισμός</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 παλιών αρχείων μεταγλώττισης μπορούν να φύγουν.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Ο δίσκος είναι γεμάτος κατά %1· %2 ελεύθερα.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Όλα φαίνονται καλά.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln αρχείο εγκατάστασης εγκατεστημένης εφαρμογής πιάνει %1.</numerusform>
            <numerusform>%Ln αρχεία εγκατάστασης εγκατεστημένων εφαρμογών πιάνουν %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>Έτοιμα για καθαρισμό: %1 άχρηστων αρχείων.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Η μνήμη είναι γεμάτη κατά %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Έλεγχος</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Σάρωση</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Ακτινογραφία</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Καθαρισμός</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Προγραμματιστές</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Διπλότυπα</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Αρχεία εγκατάστασης</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Μεγάλα αρχεία</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Τεμαχισμός</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Συντήρηση</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Απεγκατάσταση</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Ακτινογραφία</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Μπλε</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Γραφίτης</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Πράσινο</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Πορτοκαλί</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Ροζ</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Μωβ</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Άνοιγμα Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Έξοδος</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Ζητά τον κωδικό διαχειριστή</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Ξεχνά τις αναζητήσεις ονομάτων</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Εκκαθάριση μνήμης DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Ξαναφορτώνει τον πίνακα εργασιών</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Επανεκκίνηση πίνακα</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Διορθώνει κολλημένη διαχείριση αρχείων</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Επανεκκίνηση διαχείρισης αρχείων</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Διορθώνει χαλασμένες γραμματοσειρές</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Επαναφορά γραμματοσειρών</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Διαγραφή παλιών αρχείων καταγραφής, κρατώντας τα νεότερα 200 MB</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Σμίκρυνση ημερολογίου συστήματος</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Ελευθερώνει μνήμη που δεν χρειάζεται</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Αποδέσμευση μνήμης</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Διαγραφή αρχείων πακέτων που μένουν μετά τις ενημερώσεις</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Καθαρισμός κρυφής μνήμης πακέτων</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Καθαρίζει τη μνήμη μικρογραφιών</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Επαναφορά μικρογραφιών</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Εκτέλεση</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Απεγκατάσταση runtime Flatpak που δεν χρειάζεται καμία εφαρμογή</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Αφαίρεση αχρησιμοποίητων runtime</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Εργασίες συντήρησης με ένα κλικ</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Συντήρηση</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Κατά όνομα</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Ή επιλέξτε μία από τη λίστα.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Σύρετε μια εφαρμογή εδώ</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpak: το αφαιρεί το flatpak uninstall· τα υπολείμματα πάνε στον κάδο απορριμμάτων.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Αναζήτηση υπολειμμάτων…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Κρυφή μνήμη</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Κοντέινερ</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Αυτόματη εκκίνηση</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Καταγραφές</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Άλλα</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Προτιμήσεις</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Αποθηκευμένη κατάσταση</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Σενάρια</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Δεδομένα εφαρμογής</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Δεδομένα ιστού</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Υπολείμματα βάσει ID εφαρμογής</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Χωρίς ID: ελέγξτε τα υπολείμματα βάσει ονόματος</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Απεγκατάσταση</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Να κλείσει τώρα και να μεταφερθεί στον κάδο απορριμμάτων μαζί με τα υπολείμματά της;</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>Η εφαρμογή εκτελείται</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Αναζήτηση εφαρμογών</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 συνολικά · %Ln υπόλειμμα</numerusform>
            <numerusform>%1 συνολικά · %Ln υπολείμματα</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Εγκαταστάθηκε από τον διαχειριστή πακέτων του συστήματος: η εφαρμογή μένει· μόνο τα επιλεγμένα υπολείμματα πάνε στον κάδο.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Απεγκατάσταση</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Αρχεία μεταγλώττισης· ξαναφτιάχνονται.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Κρυφή μνήμη ή καταγραφές· ασφαλής αφαίρεση.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Πολύ μεγάλο αρχείο· το χρειάζεστε ακόμα;</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Αρχείο εγκατάστασης, μάλλον περιττό πια.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Δεν έχει ανοιχτεί από %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Ανάλυση του προσωπικού σας φακέλου…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Έλεγχος</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Ασφαλές</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Τα μεγαλύτερα αρχεία αυτού του είδους.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Δείτε τι πιάνει χώρο στον προσωπικό σας φάκελο, ανά είδος αρχείου.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln αρχείο</numerusform>
            <numerusform>%Ln αρχεία</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln αρχείο σαρώθηκε</numerusform>
            <numerusform>%Ln αρχεία σαρώθηκαν</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Τελευταίο άνοιγμα %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Δεν άνοιξε ποτέ</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Νέα ανάλυση</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Εμφάνιση στη διαχείριση αρχείων</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Ανάλυση</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>Στο %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Μεταφορά στον κάδο</translation>
    </message>
</context>
</TS>
