<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>Fichiers inutiles supprimés automatiquement : %1.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Nettoyage effectué</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>%1 n’a pas été lu : il est ou contient votre dossier personnel ou un autre de vos dossiers, ou il ne vous appartient pas.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Un dossier a été ignoré</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 de fichiers inutiles à nettoyer.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Fichiers inutiles trouvés</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Les résidus de %1 ont été mis à la corbeille ; l’application reste installée.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Rien n’a été remis en place</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Il ne reste rien du dernier déplacement à remettre en place.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Rien n’a été supprimé</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>L’enregistrement du dernier déplacement est illisible.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln élément est revenu à sa place.</numerusform>
            <numerusform>%Ln éléments sont revenus à leur place.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Remis en place</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln n’est plus dans la corbeille.</numerusform>
            <numerusform>%Ln ne sont plus dans la corbeille.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln reste dans la corbeille : sa place est prise.</numerusform>
            <numerusform>%Ln restent dans la corbeille : leur place est prise.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln n’a pas pu être remis en place.</numerusform>
            <numerusform>%Ln n’ont pas pu être remis en place.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Voici comment Tornivo signale les tâches en arrière-plan.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Bannière de test</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln élément, %1</numerusform>
            <numerusform>%Ln éléments, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Déplacé dans la corbeille</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>La tâche est terminée.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>La tâche a échoué ou a été annulée.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>La tâche est terminée et a libéré %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 et ses résidus ont été mis à la corbeille.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Désinstallée</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 est prêt à être téléchargé.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Caches des applications</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Journaux</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Nettoyer</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Nettoyage…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Tous les éléments sélectionnés appartiennent à des applications ouvertes : %1. Quittez-les, puis relancez le nettoyage.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Quitter les applications ouvertes</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>libérés</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Cliquez pour chercher des fichiers inutiles dans vos caches et journaux.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Utilisé par %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>de fichiers inutiles trouvés</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Analyse des caches et journaux…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 sélectionnés</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Applications ouvertes ignorées : %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Action irréversible</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln fichier examiné</numerusform>
            <numerusform>%Ln fichiers examinés</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln occupé</numerusform>
            <numerusform>%Ln occupés</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln modifié depuis l’analyse</numerusform>
            <numerusform>%Ln modifiés depuis l’analyse</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln pour une autre raison</numerusform>
            <numerusform>%Ln pour une autre raison</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln sans corbeille disponible</numerusform>
            <numerusform>%Ln sans corbeille disponible</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln sur un autre système de fichiers</numerusform>
            <numerusform>%Ln sur un autre système de fichiers</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln non autorisé</numerusform>
            <numerusform>%Ln non autorisés</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln dans un dossier protégé</numerusform>
            <numerusform>%Ln dans des dossiers protégés</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln non atteint avant l’arrêt</numerusform>
            <numerusform>%Ln non atteints avant l’arrêt</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln dossier jamais supprimé</numerusform>
            <numerusform>%Ln dossiers jamais supprimés</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln élément est resté en place : %1.</numerusform>
            <numerusform>%Ln éléments sont restés en place : %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln dossier ignoré</numerusform>
            <numerusform>%Ln dossiers ignorés</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Relancer l’analyse</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln dossier illisible</numerusform>
            <numerusform>%Ln dossiers illisibles</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Actif · utilisé %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Les projets actifs n’ont pas été touchés.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Nettoyer %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln jour</numerusform>
            <numerusform>%Ln jours</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Supprimer les fichiers de compilation des projets sur lesquels vous ne travaillez plus.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Recherche des dossiers de compilation…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Utilisé %1 · nettoyage sans risque</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Tous les projets ayant des fichiers de compilation ont été actifs récemment.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Rien à nettoyer</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Protéger les projets actifs depuis moins de</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 sont actifs et restent protégés.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 est actif et reste protégé.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 récupérables</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 récupérés</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Analyser les projets</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Sélectionnez les projets à nettoyer</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Dossiers de compilation</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Garder le premier</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 sur %2 comparés</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Contenu identique</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln copie</numerusform>
            <numerusform>%Ln copies</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Trouver les fichiers au contenu identique dans vos dossiers personnels et n’en garder qu’une copie.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 chacun · gain de %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Chercher les doublons</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Comparaison du contenu des fichiers…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Garder cette copie et mettre les autres à la corbeille</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Garder</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 récupérables</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Supprimer tous les doublons</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Fichiers en double</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Couper les sons</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Quitter Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Activer les sons</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Trouver les images disque et paquets d’installation laissés dans Téléchargements et sur le Bureau.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Chercher les installateurs</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 est déjà installé</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Installateur (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Mettre %1 à la corbeille</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Recherche des installateurs…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Sélectionnez les installateurs à supprimer</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Installateurs oubliés</translation>
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
        <translation>Fichiers de développement</translation>
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
        <translation>Autres</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Trouver les gros fichiers de vos dossiers personnels que vous n’avez pas ouverts depuis trois mois.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Chercher les gros fichiers</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Ouvert %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Mettre %1 à la corbeille</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Jamais ouvert</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Recherche des gros fichiers…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Sélectionnez les fichiers à supprimer</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Couleur d’accentuation</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Nettoyer automatiquement</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Supprimer les fichiers inutiles trouvés par une analyse planifiée au lieu de seulement les signaler.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Notifications du bureau</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Afficher les bannières via les notifications du bureau plutôt que dans la fenêtre de Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Tous les 3 j</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Dernière analyse %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Aucune analyse pour l’instant</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Dossiers protégés</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Ajouter des dossiers…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Aucun dossier protégé.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Les analyses n’affichent jamais rien de ces dossiers.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Ne plus protéger ce dossier</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>Les dossiers protégés de %1 sont illisibles : rien n’est supprimé tant que ce fichier n’est pas réparé ou supprimé.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Planification</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Chercher des fichiers inutiles en arrière-plan pendant que Tornivo est ouvert.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Ouvre Tornivo dans la zone de notification à la connexion, pour que les analyses planifiées continuent.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Afficher une bannière de test</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 est à jour.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>La version %1 est disponible.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Impossible de rechercher les mises à jour.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Déchiqueter la corbeille</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 sur %2 écrits</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Tout le contenu de la corbeille sera écrasé et supprimé. Cette action est irréversible.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Déchiqueter la corbeille ?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Il n’y a rien à déchiqueter.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>La corbeille est vide</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Effacer %Ln élément</numerusform>
            <numerusform>Effacer %Ln éléments</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln élément effacé</numerusform>
            <numerusform>%Ln éléments effacés</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Écrasement et effacement…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln élément dans la corbeille</numerusform>
            <numerusform>%Ln éléments dans la corbeille</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Écrasement</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 écrasés</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>Sur les SSD, l’écrasement n’atteint pas toutes les copies conservées par le disque ; le chiffrement complet du disque les protège.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoïaque (7 passes)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Rapide (1 passe)</translation>
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
        <translation>Disque</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Nettoyer</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 d’anciens fichiers de compilation à supprimer.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Disque plein à %1 ; %2 libres.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Tout va bien.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln installateur d’une application installée occupe %1.</numerusform>
            <numerusform>%Ln installateurs d’applications installées occupent %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 de fichiers inutiles à nettoyer.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Mémoire pleine à %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Examiner</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Analyser</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Rayons X</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Nettoyer</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Développeur</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Installateurs</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Gros fichiers</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Déchiqueter</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Optimiser</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Rayons X</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Graphite</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Ouvrir Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Demande le mot de passe administrateur</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Oublier les noms résolus en cache</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Vider le cache DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Recharger le panneau du bureau</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Redémarrer le panneau</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Réparer un gestionnaire de fichiers bloqué ou défaillant</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Relancer le gestionnaire de fichiers</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Reconstruire le cache des polices pour réparer les polices abîmées</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Vider le cache des polices</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Supprime les anciens journaux en gardant les 200 Mo les plus récents</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Réduire le journal système</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Libérer la mémoire des caches qu’aucune application n’utilise</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Libérer de la mémoire</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Supprime les paquets conservés après les mises à jour</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Vider le cache des paquets</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Vider le cache des miniatures d’aperçu des fichiers</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Vider les miniatures</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Désinstalle les runtimes Flatpak dont aucune application n'a besoin</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Supprimer les runtimes inutilisés</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Maintenance en un clic</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Optimiser</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Par nom</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Ou choisissez-en une dans la liste.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Déposez une application ici</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Un Flatpak : flatpak uninstall le supprime ; les résidus vont à la corbeille.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Recherche des résidus…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Conteneur</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Journaux</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>État enregistré</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Scripts</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Données d’application</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Données web</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Résidus identifiés par l’ID de l’application</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Pas d’ID d’application : vérifiez les résidus trouvés par nom</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Quitter et désinstaller</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>La quitter maintenant et la mettre à la corbeille avec ses résidus ?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>L’application est ouverte</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Rechercher des applications</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 au total · %Ln résidu</numerusform>
            <numerusform>%1 au total · %Ln résidus</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Installée par le gestionnaire de paquets : l’application reste ; seuls les résidus sélectionnés vont à la corbeille.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Fichiers de compilation ; ils sont recréés au besoin.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Cache ou journaux ; suppression sans risque.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Un très gros fichier ; vérifiez si vous en avez encore besoin.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Un installateur dont vous n’avez sans doute plus besoin.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Pas ouvert depuis le %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Analyse de votre dossier personnel…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>À examiner</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Sans risque</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Les plus gros fichiers de ce type.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Voir ce qui occupe de l’espace dans votre dossier personnel, par type de fichier.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln fichier analysé</numerusform>
            <numerusform>%Ln fichiers analysés</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Ouvert %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Jamais ouvert</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Analyser à nouveau</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analyser</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>Dans %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
</context>
</TS>
