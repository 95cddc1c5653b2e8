<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>Автоматически удалено %1 мусора.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Мусор удалён</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>Папка %1 не прочитана: это ваша домашняя или другая ваша папка (или она их содержит), либо она вам не принадлежит.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Папка пропущена</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>Можно очистить %1 мусора.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Найден мусор</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Остатки приложения %1 перемещены в корзину; само приложение осталось установленным.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Ничего не возвращено</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>От последнего перемещения нечего возвращать.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Ничего не удалено</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Не удаётся прочитать запись о последнем перемещении.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln объект возвращён на место.</numerusform>
            <numerusform>%Ln объекта возвращены на место.</numerusform>
            <numerusform>%Ln объектов возвращено на место.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Возвращено</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln уже нет в корзине.</numerusform>
            <numerusform>%Ln уже нет в корзине.</numerusform>
            <numerusform>%Ln уже нет в корзине.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln остался в корзине: его место занято.</numerusform>
            <numerusform>%Ln осталось в корзине: их места заняты.</numerusform>
            <numerusform>%Ln осталось в корзине: их места заняты.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln не удалось вернуть.</numerusform>
            <numerusform>%Ln не удалось вернуть.</numerusform>
            <numerusform>%Ln не удалось вернуть.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Так Tornivo сообщает о работе в фоне.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Тестовое уведомление</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln объект, %1</numerusform>
            <numerusform>%Ln объекта, %1</numerusform>
            <numerusform>%Ln объектов, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Перемещено в корзину</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>Задача выполнена.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>Задача не выполнена или отменена.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>Задача выполнена, освобождено %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>Приложение %1 и его остатки перемещены в корзину.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Удалено</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 можно загрузить.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Кэши приложений</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Журналы</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Очистить</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Очистка…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Всё выбранное принадлежит запущенным приложениям: %1. Закройте их и повторите очистку.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Закройте запущенные приложения</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>освобождено</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Нажмите, чтобы найти мусор в кэшах и журналах.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Используется: %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>мусора найдено</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Сканирование кэшей и журналов…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>Выбрано %1</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Пропущено, так как запущены: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Нельзя отменить</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>Проверен %Ln файл</numerusform>
            <numerusform>Проверено %Ln файла</numerusform>
            <numerusform>Проверено %Ln файлов</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln используется</numerusform>
            <numerusform>%Ln используются</numerusform>
            <numerusform>%Ln используются</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln изменён после сканирования</numerusform>
            <numerusform>%Ln изменены после сканирования</numerusform>
            <numerusform>%Ln изменены после сканирования</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln по другой причине</numerusform>
            <numerusform>%Ln по другой причине</numerusform>
            <numerusform>%Ln по другой причине</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln без доступной корзины</numerusform>
            <numerusform>%Ln без доступной корзины</numerusform>
            <numerusform>%Ln без доступной корзины</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln на другой файловой системе</numerusform>
            <numerusform>%Ln на другой файловой системе</numerusform>
            <numerusform>%Ln на другой файловой системе</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln без прав доступа</numerusform>
            <numerusform>%Ln без прав доступа</numerusform>
            <numerusform>%Ln без прав доступа</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln в защищённой папке</numerusform>
            <numerusform>%Ln в защищённой папке</numerusform>
            <numerusform>%Ln в защищённой папке</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln не обработан до остановки</numerusform>
            <numerusform>%Ln не обработаны до остановки</numerusform>
            <numerusform>%Ln не обработаны до остановки</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln папка, которая никогда не удаляется</numerusform>
            <numerusform>%Ln папки, которые никогда не удаляются</numerusform>
            <numerusform>%Ln папок, которые никогда не удаляются</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>Остался %Ln объект: %1.</numerusform>
            <numerusform>Осталось %Ln объекта: %1.</numerusform>
            <numerusform>Осталось %Ln объектов: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Чтение %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>Пропущена %Ln папка</numerusform>
            <numerusform>Пропущены %Ln папки</numerusform>
            <numerusform>Пропущено %Ln папок</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Сканировать снова</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>Не удалось прочитать %Ln папку</numerusform>
            <numerusform>Не удалось прочитать %Ln папки</numerusform>
            <numerusform>Не удалось прочитать %Ln папок</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Активен · использовался %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Активные проекты не затронуты.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Очистить %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln день</numerusform>
            <numerusform>%Ln дня</numerusform>
            <numerusform>%Ln дней</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Освободите место от результатов сборки проектов, с которыми вы давно не работали.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Поиск папок сборки…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Использовался %1 · можно очистить</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Все проекты с результатами сборки недавно были активны.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Нечего очищать</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Защищать проекты, активные за</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>Проекты %1 активны и остаются под защитой.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>Проект %1 активен и остаётся под защитой.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>Можно освободить %1</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>Освобождено %1</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Сканировать проекты</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Выберите проекты для очистки</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Папки сборки</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Оставить первую</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>Сравнено %1 из %2</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Совпадает содержимое</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln копия</numerusform>
            <numerusform>%Ln копии</numerusform>
            <numerusform>%Ln копий</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Найдите файлы с одинаковым содержимым в личных папках и оставьте по одной копии.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>По %1 · экономия %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Найти дубликаты</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Сравнение содержимого файлов…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Оставить эту копию, а остальные переместить в корзину</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Оставить эту</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>Можно освободить %1</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Удалить все дубликаты</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Файлы-дубликаты</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Выключить звуки</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Выйти из Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Включить звуки</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Найдите образы дисков и установочные пакеты, оставшиеся в «Загрузках» и на рабочем столе.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Найти установщики</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>Приложение %1 уже установлено</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Установщик (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Переместить %1 в корзину</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Поиск установщиков…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Выберите установщики для удаления</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Забытые установщики</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Архивы</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Файлы разработки</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Изображения</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Найдите в личных папках большие файлы, которые вы не открывали три месяца.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Найти большие файлы</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Открывался %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Переместить %1 в корзину</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Ни разу не открывался</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Поиск больших файлов…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Выберите файлы для удаления</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Цвет акцента</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Оформление</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Очищать автоматически</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Удалять мусор, найденный плановым сканированием, а не только сообщать о нём.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Проверка…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Уведомления рабочего стола</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Показывать баннеры через уведомления рабочего стола, а не в окне Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>Раз в 3 дня</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Язык системы</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Последний запуск: %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Ещё не запускалось</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Тёмное</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Светлое</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Системное</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Защищённые папки</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Добавить папки…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Нет защищённых папок.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Сканирование никогда не показывает содержимое этих папок.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Снять защиту с этой папки</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>Не удаётся прочитать список защищённых папок в %1, поэтому ничего не удаляется, пока этот файл не исправят или не удалят.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Искать мусор в фоне, пока работает Tornivo.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Запускать при входе</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Открывает Tornivo в системном лотке при входе в систему, чтобы плановые проверки продолжали работать.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Показать тестовое уведомление</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 — последняя версия.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Доступна версия %1.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Не удалось проверить обновления.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Уничтожить содержимое корзины</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>Записано %1 из %2</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Всё в корзине будет перезаписано и удалено. Это действие нельзя отменить.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Уничтожить содержимое корзины?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Уничтожать нечего.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Корзина пуста</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Стереть (%Ln)</numerusform>
            <numerusform>Стереть (%Ln)</numerusform>
            <numerusform>Стереть (%Ln)</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>Стёрт %Ln объект</numerusform>
            <numerusform>Стёрто %Ln объекта</numerusform>
            <numerusform>Стёрто %Ln объектов</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Перезапись и удаление…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln объект в корзине</numerusform>
            <numerusform>%Ln объекта в корзине</numerusform>
            <numerusform>%Ln объектов в корзине</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Перезапись</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>Перезаписано %1</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>На SSD перезапись не достигает всех копий, которые хранит накопитель; их защищает полное шифрование диска.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Параноидальная (7 проходов)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Быстрая (1 проход)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Стандартная (3 прохода)</translation>
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
        <translation>Память</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Очистить</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>Можно удалить %1 старых результатов сборки.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Диск заполнен на %1; свободно %2.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Всё в порядке.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln установщик уже установленного приложения занимает %1.</numerusform>
            <numerusform>%Ln установщика уже установленных приложений занимают %1.</numerusform>
            <numerusform>%Ln установщиков уже установленных приложений занимают %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>Можно очистить %1 мусора.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Память заполнена на %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Просмотреть</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Сканировать</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Рентген</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Очистка</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Разработка</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Дубликаты</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Установщики</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Большие файлы</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Уничтожение</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Обслуживание</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Удаление программ</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Рентген</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Графит</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Открыть Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Требуется пароль администратора</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Забыть сохранённые DNS-запросы</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Очистить кэш DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Перезагрузить панель рабочего стола</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Перезапустить панель</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Исправить зависший файловый менеджер</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Перезапустить файловый менеджер</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Исправить повреждённые шрифты</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Сбросить кэш шрифтов</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Удалить старые журналы, оставив последние 200 МБ</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Сжать системный журнал</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Освободить память неиспользуемых кэшей</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Освободить память</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Удалить пакеты, оставшиеся после обновлений</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Очистить кеш пакетов</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Очистить кэш миниатюр файлов</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Сбросить миниатюры</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Удалить среды Flatpak, не нужные ни одному приложению</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Удалить ненужные среды</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Обслуживание в один щелчок</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Обслуживание</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>По имени</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Или выберите его из списка.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Перетащите приложение сюда</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpak: его удалит flatpak uninstall; остатки отправятся в корзину.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Поиск остатков…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Кэш</translation>
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
        <translation>Журналы</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Сохранённое состояние</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Сценарии</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Данные приложения</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Веб-данные</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Остатки найдены по ID приложения</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Нет ID приложения: проверьте совпадения по имени</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Удалить</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Закрыть его сейчас и переместить в корзину вместе с остатками?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>Приложение запущено</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Поиск приложений</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>Всего %1 · %Ln остаток</numerusform>
            <numerusform>Всего %1 · %Ln остатка</numerusform>
            <numerusform>Всего %1 · %Ln остатков</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Установлено системным менеджером пакетов: приложение останется; в корзину отправятся только выбранные остатки.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Удалить</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Результаты сборки; их можно пересоздать.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Кэш или журналы; можно смело удалить.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Очень большой файл; нужен ли он ещё?</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Установщик, который вряд ли ещё нужен.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Не открывался с %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Анализ домашней папки…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Проверить</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Безопасно</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Самые большие файлы этого типа.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Узнайте, что занимает место в домашней папке, по типам файлов.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln файл</numerusform>
            <numerusform>%Ln файла</numerusform>
            <numerusform>%Ln файлов</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>Просканирован %Ln файл</numerusform>
            <numerusform>Просканировано %Ln файла</numerusform>
            <numerusform>Просканировано %Ln файлов</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Открывался %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Ни разу не открывался</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Анализировать снова</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Показать в файловом менеджере</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Анализировать</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>В %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Переместить в корзину</translation>
    </message>
</context>
</TS>
