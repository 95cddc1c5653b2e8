<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>Автоматично вилучено %1 сміття.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Сміття вилучено</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>Теку %1 не прочитано: це ваша домашня чи інша ваша тека (або вона їх містить), або вона вам не належить.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Теку пропущено</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>Можна очистити %1 сміття.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Знайдено сміття</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Залишки програми %1 пересунуто до смітника; сама програма лишається встановленою.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Нічого не повернуто</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Від останнього переміщення нічого повертати.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Нічого не вилучено</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Не вдається прочитати запис про останнє переміщення.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln об’єкт повернуто на місце.</numerusform>
            <numerusform>%Ln об’єкти повернуто на місце.</numerusform>
            <numerusform>%Ln об’єктів повернуто на місце.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Повернуто</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln уже немає в смітнику.</numerusform>
            <numerusform>%Ln уже немає в смітнику.</numerusform>
            <numerusform>%Ln уже немає в смітнику.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln залишився в смітнику: його місце зайняте.</numerusform>
            <numerusform>%Ln залишилися в смітнику: їхні місця зайняті.</numerusform>
            <numerusform>%Ln залишилося в смітнику: їхні місця зайняті.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln не вдалося повернути.</numerusform>
            <numerusform>%Ln не вдалося повернути.</numerusform>
            <numerusform>%Ln не вдалося повернути.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Так Tornivo повідомляє про роботу у фоні.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Тестове сповіщення</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln об’єкт, %1</numerusform>
            <numerusform>%Ln об’єкти, %1</numerusform>
            <numerusform>%Ln об’єктів, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Переміщено до смітника</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>Завдання виконано.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>Завдання не виконано або скасовано.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>Завдання виконано, звільнено %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>Програму %1 та її залишки пересунуто до смітника.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Вилучено</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 можна завантажити.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Доступне оновлення</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Кеші програм</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Журнали</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Очистити</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Очищення…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Усе вибране належить запущеним програмам: %1. Закрийте їх і повторіть очищення.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Закрийте запущені програми</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>звільнено</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Натисніть, щоб знайти сміття в кешах і журналах.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Використовує %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>сміття знайдено</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Сканування кешів і журналів…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>Вибрано %1</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Пропущено, бо запущені: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Не можна скасувати</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>Переглянуто %Ln файл</numerusform>
            <numerusform>Переглянуто %Ln файли</numerusform>
            <numerusform>Переглянуто %Ln файлів</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln використовується</numerusform>
            <numerusform>%Ln використовуються</numerusform>
            <numerusform>%Ln використовуються</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln змінено після сканування</numerusform>
            <numerusform>%Ln змінено після сканування</numerusform>
            <numerusform>%Ln змінено після сканування</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln з іншої причини</numerusform>
            <numerusform>%Ln з іншої причини</numerusform>
            <numerusform>%Ln з іншої причини</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln без доступного смітника</numerusform>
            <numerusform>%Ln без доступного смітника</numerusform>
            <numerusform>%Ln без доступного смітника</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln на іншій файловій системі</numerusform>
            <numerusform>%Ln на іншій файловій системі</numerusform>
            <numerusform>%Ln на іншій файловій системі</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln без дозволу</numerusform>
            <numerusform>%Ln без дозволу</numerusform>
            <numerusform>%Ln без дозволу</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln у захищеній теці</numerusform>
            <numerusform>%Ln у захищеній теці</numerusform>
            <numerusform>%Ln у захищеній теці</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln не оброблено до зупинки</numerusform>
            <numerusform>%Ln не оброблено до зупинки</numerusform>
            <numerusform>%Ln не оброблено до зупинки</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln тека, яка ніколи не видаляється</numerusform>
            <numerusform>%Ln теки, які ніколи не видаляються</numerusform>
            <numerusform>%Ln тек, які ніколи не видаляються</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>Залишився %Ln об’єкт: %1.</numerusform>
            <numerusform>Залишилося %Ln об’єкти: %1.</numerusform>
            <numerusform>Залишилося %Ln об’єктів: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Читання %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Оновити</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>Пропущено %Ln теку</numerusform>
            <numerusform>Пропущено %Ln теки</numerusform>
            <numerusform>Пропущено %Ln тек</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Сканувати знову</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>Не вдалося прочитати %Ln теку</numerusform>
            <numerusform>Не вдалося прочитати %Ln теки</numerusform>
            <numerusform>Не вдалося прочитати %Ln тек</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Активний · використано %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Активні проєкти не зачеплено.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Очистити %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln день</numerusform>
            <numerusform>%Ln дні</numerusform>
            <numerusform>%Ln днів</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Звільніть місце від результатів збирання проєктів, з якими ви давно не працювали.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Пошук тек збирання…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Використано %1 · можна очистити</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Усі проєкти з результатами збирання нещодавно були активні.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Нічого очищати</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Захищати проєкти, активні за</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>Проєкти %1 активні й лишаються захищеними.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>Проєкт %1 активний і лишається захищеним.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>Можна звільнити %1</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>Звільнено %1</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Сканувати проєкти</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Виберіть проєкти для очищення</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Теки збирання</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Лишити першу</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>Порівняно %1 з %2</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Однаковий вміст</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln копія</numerusform>
            <numerusform>%Ln копії</numerusform>
            <numerusform>%Ln копій</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Знайдіть файли з однаковим вмістом в особистих теках і залиште по одній копії.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>По %1 · економія %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Знайти дублікати</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Порівняння вмісту файлів…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Лишити цю копію, а решту пересунути до смітника</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Лишити цю</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>Можна звільнити %1</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Вилучити всі дублікати</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Файли-дублікати</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Вимкнути звуки</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Вийти з Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Увімкнути звуки</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Знайдіть образи дисків та інсталяційні пакунки, що лишилися в «Завантаженнях» і на стільниці.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Знайти інсталятори</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>Програму %1 уже встановлено</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Інсталятор (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Пересунути %1 до смітника</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Пошук інсталяторів…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Виберіть інсталятори для вилучення</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Забуті інсталятори</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Архіви</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Аудіо</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Файли розробки</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Документи</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Зображення</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Інше</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Відео</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Знайдіть в особистих теках великі файли, які ви не відкривали три місяці.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Знайти великі файли</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Востаннє відкрито %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Пересунути %1 до смітника</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Ще не відкривався</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Пошук великих файлів…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Виберіть файли для вилучення</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Колір акценту</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Вигляд</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Очищати автоматично</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Вилучати сміття, знайдене запланованим скануванням, а не лише повідомляти про нього.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Перевірка…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Сповіщення робочого столу</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Показувати банери через сповіщення робочого столу, а не у вікні Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Щодня</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Раз на 3 дні</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Щотижня</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Мова системи</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Останній запуск: %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Ще не запускалося</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Темний</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Світлий</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Системний</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Захищені теки</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Додати теки…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Немає захищених тек.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Сканування ніколи не показує вміст цих тек.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Зняти захист із цієї теки</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>Не вдається прочитати захищені теки в %1, тож нічого не вилучається, доки цей файл не виправлять або не вилучать.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Розклад</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Шукати сміття у фоні, поки працює Tornivo.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Запускати під час входу</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Відкриває Tornivo в системному лотку під час входу, щоб заплановані сканування працювали далі.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Показати тестове сповіщення</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 — найновіша версія.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Доступна версія %1.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Не вдалося перевірити оновлення.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Знищити вміст смітника</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>Записано %1 з %2</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Усе в смітнику буде перезаписано й вилучено. Цю дію не можна скасувати.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Знищити вміст смітника?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Нічого знищувати.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Смітник порожній</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Стерти (%Ln)</numerusform>
            <numerusform>Стерти (%Ln)</numerusform>
            <numerusform>Стерти (%Ln)</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>Стерто %Ln об’єкт</numerusform>
            <numerusform>Стерто %Ln об’єкти</numerusform>
            <numerusform>Стерто %Ln об’єктів</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Перезапис і вилучення…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln об’єкт у смітнику</numerusform>
            <numerusform>%Ln об’єкти у смітнику</numerusform>
            <numerusform>%Ln об’єктів у смітнику</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Перезапис</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>Перезаписано %1</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>На SSD перезапис не досягає всіх копій, які зберігає накопичувач; їх захищає повне шифрування диска.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Параноїдальний (7 проходів)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Швидкий (1 прохід)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Стандартний (3 проходи)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>ЦП</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Диск</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Пам’ять</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Очистити</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>Можна вилучити %1 старих результатів збирання.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Диск заповнено на %1; вільно %2.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Усе гаразд.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln інсталятор уже встановленої програми займає %1.</numerusform>
            <numerusform>%Ln інсталятори вже встановлених програм займають %1.</numerusform>
            <numerusform>%Ln інсталяторів уже встановлених програм займають %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>Можна очистити %1 сміття.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Пам’ять заповнено на %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Переглянути</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Сканувати</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Рентген</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Очищення</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Розробка</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Дублікати</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Інсталятори</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Великі файли</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Знищення</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Обслуговування</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Вилучення програм</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Рентген</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Графіт</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Помаранчевий</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Рожевий</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Фіолетовий</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Відкрити Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Потрібен пароль адміністратора</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Забути збережені DNS-запити</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Очистити кеш DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Перезавантажити панель стільниці</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Перезапустити панель</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Виправити завислий файловий менеджер</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Перезапустити файловий менеджер</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Виправити пошкоджені шрифти</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Скинути кеш шрифтів</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Видалити старі журнали, залишивши останні 200 МБ</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Зменшити системний журнал</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Звільнити пам’ять невикористаних кешів</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Звільнити пам’ять</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Видалити пакунки, що лишилися після оновлень</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Очистити кеш пакунків</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Очистити кеш мініатюр файлів</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Скинути мініатюри</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Вилучити середовища Flatpak, не потрібні жодній програмі</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Вилучити непотрібні середовища</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Обслуговування одним клацанням</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Обслуговування</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Програма</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>За назвою</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Або виберіть її зі списку.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Перетягніть програму сюди</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpak: його вилучить flatpak uninstall; залишки підуть до смітника.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Пошук залишків…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Кеш</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Контейнер</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Автозапуск</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Журнали</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Інше</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Налаштування</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Збережений стан</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Скрипти</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Дані програми</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Вебдані</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Залишки знайдено за ID програми</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Немає ID програми: перевірте збіги за назвою</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Вилучити</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Закрити її зараз і пересунути до смітника разом із залишками?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>Програма запущена</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Пошук програм</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>Разом %1 · %Ln залишок</numerusform>
            <numerusform>Разом %1 · %Ln залишки</numerusform>
            <numerusform>Разом %1 · %Ln залишків</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Встановлено системним менеджером пакунків: програма лишиться; до смітника підуть лише вибрані залишки.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Вилучити</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Результати збирання; можна створити знову.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Кеш або журнали; можна сміливо вилучити.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Дуже великий файл; чи він ще потрібен?</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Інсталятор, який навряд чи ще потрібен.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Не відкривався з %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Аналіз домашньої теки…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Перевірити</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Безпечно</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Найбільші файли цього типу.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Дізнайтеся, що займає місце в домашній теці, за типами файлів.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln файл</numerusform>
            <numerusform>%Ln файли</numerusform>
            <numerusform>%Ln файлів</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>Проскановано %Ln файл</numerusform>
            <numerusform>Проскановано %Ln файли</numerusform>
            <numerusform>Проскановано %Ln файлів</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Востаннє відкрито %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Ще не відкривався</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Аналізувати знову</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Показати у файловому менеджері</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Аналізувати</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>У %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Пересунути до смітника</translation>
    </message>
</context>
</TS>
