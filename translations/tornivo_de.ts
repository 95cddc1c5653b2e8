<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
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
        <translation>Alles Ausgewählte gehört zu laufenden Anwendungen: %1. Beende sie und bereinige dann erneut.</translation>
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
        <translation>Klicke, um Caches und Protokolle nach Datenmüll zu durchsuchen.</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>Datenmüll gefunden</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Caches und Protokolle werden durchsucht …</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Übersprungen, weil sie laufen: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Erneut suchen</translation>
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
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Festplatte</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Speicher</translation>
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
        <translation>Installationsdateien</translation>
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
</context>
</TS>
