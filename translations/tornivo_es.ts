<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>Se eliminaron automáticamente %1 de archivos basura.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Limpieza completada</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>No se leyó %1: es o contiene su carpeta personal u otra de sus carpetas, o no le pertenece.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Se omitió una carpeta</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>Hay %1 de archivos basura para limpiar.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Archivos basura encontrados</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Los restos de %1 se movieron a la papelera; la aplicación sigue instalada.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>No se restauró nada</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>No queda nada del último traslado por restaurar.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>No se eliminó nada</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>No se puede leer el registro del último traslado.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln elemento ha vuelto a su lugar.</numerusform>
            <numerusform>%Ln elementos han vuelto a su lugar.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Restaurado</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln ya no está en la papelera.</numerusform>
            <numerusform>%Ln ya no están en la papelera.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln sigue en la papelera: su lugar está ocupado.</numerusform>
            <numerusform>%Ln siguen en la papelera: su lugar está ocupado.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln no se pudo restaurar.</numerusform>
            <numerusform>%Ln no se pudieron restaurar.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Así informa Tornivo del trabajo en segundo plano.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Aviso de prueba</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln elemento, %1</numerusform>
            <numerusform>%Ln elementos, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Movido a la papelera</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>La tarea ha terminado.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>La tarea falló o se canceló.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>La tarea terminó y liberó %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 y sus restos se movieron a la papelera.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Desinstalada</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 está listo para descargar.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Cachés de aplicaciones</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Registros</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Limpiar</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Limpiando…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Todo lo seleccionado pertenece a aplicaciones en ejecución: %1. Ciérrelas y vuelva a limpiar.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Cerrar aplicaciones abiertas</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>liberados</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Pulse para buscar archivos basura en sus cachés y registros.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>En uso por %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>de archivos basura encontrados</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Analizando cachés y registros…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 seleccionados</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Aplicaciones abiertas omitidas: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>No se puede deshacer</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln archivo revisado</numerusform>
            <numerusform>%Ln archivos revisados</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln en uso</numerusform>
            <numerusform>%Ln en uso</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln modificado desde el análisis</numerusform>
            <numerusform>%Ln modificados desde el análisis</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln por otro motivo</numerusform>
            <numerusform>%Ln por otros motivos</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln sin papelera disponible</numerusform>
            <numerusform>%Ln sin papelera disponible</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln en otro sistema de archivos</numerusform>
            <numerusform>%Ln en otro sistema de archivos</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln sin permiso</numerusform>
            <numerusform>%Ln sin permiso</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln en una carpeta protegida</numerusform>
            <numerusform>%Ln en carpetas protegidas</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln sin alcanzar al detenerse</numerusform>
            <numerusform>%Ln sin alcanzar al detenerse</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln carpeta que nunca se elimina</numerusform>
            <numerusform>%Ln carpetas que nunca se eliminan</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln elemento quedó sin eliminar: %1.</numerusform>
            <numerusform>%Ln elementos quedaron sin eliminar: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Leyendo %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln carpeta omitida</numerusform>
            <numerusform>%Ln carpetas omitidas</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Volver a analizar</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln carpeta ilegible</numerusform>
            <numerusform>%Ln carpetas ilegibles</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Activo · usado %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Los proyectos activos no se tocaron.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Limpiar %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln día</numerusform>
            <numerusform>%Ln días</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Elimine los archivos de compilación de proyectos en los que no ha trabajado últimamente.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Buscando carpetas de compilación…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Usado %1 · se puede limpiar</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Todos los proyectos con archivos de compilación han estado activos hace poco.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Nada que limpiar</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Proteger proyectos activos en los últimos</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 están activos y siguen protegidos.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 está activo y sigue protegido.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 recuperables</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 recuperados</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Analizar proyectos</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Seleccione proyectos para limpiar</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Carpetas de compilación</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Conservar el primero</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 de %2 comparados</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Mismo contenido</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln copia</numerusform>
            <numerusform>%Ln copias</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Encuentre archivos con contenido idéntico en sus carpetas personales y conserve una copia de cada uno.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 cada uno · ahorra %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Comparando el contenido de los archivos…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Conservar esta copia y mover las demás a la papelera</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Conservar</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 recuperables</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Eliminar todos los duplicados</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Archivos duplicados</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Silenciar sonidos</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Salir de Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Activar sonidos</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Encuentre imágenes de disco y paquetes de instalación olvidados en Descargas y en el Escritorio.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Buscar instaladores</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 ya está instalado</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Instalador (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Mover %1 a la papelera</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Buscando instaladores…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Seleccione instaladores para eliminar</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Instaladores sobrantes</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Comprimidos</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Archivos de desarrollo</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Encuentre archivos grandes en sus carpetas personales que no ha abierto en tres meses.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Buscar archivos grandes</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Abierto %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Mover %1 a la papelera</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Nunca abierto</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Buscando archivos grandes…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Seleccione archivos para eliminar</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Color de acento</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Limpiar automáticamente</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Eliminar los archivos basura que encuentre un análisis programado, en vez de solo avisar.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Notificaciones del escritorio</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Mostrar los avisos con las notificaciones del escritorio en lugar de la ventana de Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Diario</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Cada 3 días</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Último análisis %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Aún no se ha ejecutado</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Carpetas protegidas</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Añadir carpetas…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>No hay carpetas protegidas.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Los análisis nunca muestran nada de estas carpetas.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Dejar de proteger esta carpeta</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>No se pueden leer las carpetas protegidas de %1, así que no se eliminará nada hasta que ese archivo se repare o se elimine.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Buscar archivos basura en segundo plano mientras Tornivo está abierto.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Abre Tornivo en la bandeja del sistema al iniciar sesión, para que los análisis programados sigan funcionando.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Mostrar aviso de prueba</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 está actualizado.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>La versión %1 está disponible.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>No se pudo comprobar si hay actualizaciones.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Triturar la papelera</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 de %2 escritos</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Todo lo que hay en la papelera se sobrescribirá y eliminará. No se puede deshacer.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>¿Triturar la papelera?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>No hay nada que triturar.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>La papelera está vacía</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Borrar %Ln elemento</numerusform>
            <numerusform>Borrar %Ln elementos</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln elemento borrado</numerusform>
            <numerusform>%Ln elementos borrados</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Sobrescribiendo y borrando…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln elemento en la papelera</numerusform>
            <numerusform>%Ln elementos en la papelera</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Sobrescritura</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 sobrescritos</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>En las unidades SSD, la sobrescritura no alcanza todas las copias que guarda la unidad; el cifrado completo del disco las protege.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoico (7 pasadas)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Rápido (1 pasada)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Estándar (3 pasadas)</translation>
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
        <translation>Limpiar</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>Se pueden eliminar %1 de archivos de compilación antiguos.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Disco lleno al %1; %2 libres.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Todo está en orden.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln instalador de una aplicación instalada ocupa %1.</numerusform>
            <numerusform>%Ln instaladores de aplicaciones instaladas ocupan %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>Hay %1 de archivos basura para limpiar.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Memoria llena al %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Analizar</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Rayos X</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Limpiar</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Desarrollador</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Instaladores</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Triturar</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Optimizar</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Rayos X</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Grafito</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Abrir Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Pide la contraseña de administrador</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Olvidar las resoluciones de nombres guardadas</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Vaciar la caché DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Recargar el panel del escritorio</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Reiniciar el panel</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Arreglar un gestor de archivos bloqueado o que falla</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Reiniciar el gestor de archivos</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Reconstruir la caché de fuentes para reparar las dañadas</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Restablecer caché de fuentes</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Borra los registros antiguos y conserva los 200 MB más recientes</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Reducir registro del sistema</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Liberar la memoria de cachés que ninguna aplicación usa</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Liberar memoria</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Borra los paquetes guardados tras instalar actualizaciones</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Limpiar caché de paquetes</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Vaciar la caché de miniaturas de las vistas previas</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Restablecer miniaturas</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Desinstala los entornos Flatpak que ninguna aplicación necesita</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Quitar entornos sin usar</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Mantenimiento en un clic</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Optimizar</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Por nombre</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>O elija una de la lista.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Suelte una aplicación aquí</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Un Flatpak: flatpak uninstall lo elimina; los restos van a la papelera.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Buscando restos…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Caché</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Contenedor</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Inicio automático</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Registros</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Estado guardado</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Scripts</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Datos de la aplicación</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Datos web</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Restos identificados por el ID de la aplicación</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Sin ID de aplicación: revise los restos encontrados por nombre</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Cerrar y desinstalar</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>¿Cerrarla ahora y moverla a la papelera con sus restos?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>La aplicación está abierta</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Buscar aplicaciones</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 en total · %Ln resto</numerusform>
            <numerusform>%1 en total · %Ln restos</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Instalada por el gestor de paquetes del sistema: la aplicación se queda; solo los restos seleccionados van a la papelera.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Archivos de compilación; se vuelven a generar cuando hacen falta.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Datos de caché o registro; se pueden eliminar sin riesgo.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Un archivo muy grande; compruebe si aún lo necesita.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Un instalador que probablemente ya no necesita.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Sin abrir desde el %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Analizando su carpeta personal…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Seguro</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Los archivos más grandes de este tipo.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Vea qué ocupa espacio en su carpeta personal, por tipo de archivo.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln archivo</numerusform>
            <numerusform>%Ln archivos</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln archivo analizado</numerusform>
            <numerusform>%Ln archivos analizados</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Abierto %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Nunca abierto</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Volver a analizar</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analizar</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>En %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Mover a la papelera</translation>
    </message>
</context>
</TS>
