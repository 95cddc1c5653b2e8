<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>已自動清理 %1 的垃圾檔案。</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>垃圾檔案已清理</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>未讀取 %1：它是或包含您的家目錄或其他個人資料夾，或者不屬於您。</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>已略過一個資料夾</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>有 %1 的垃圾檔案可以清理。</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>發現垃圾檔案</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>%1 的殘留檔案已移至垃圾桶，應用程式本身仍保留。</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>未放回任何項目</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>上次移動的內容已無可放回。</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>未移除任何項目</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>無法讀取上次移動的記錄。</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln 個項目已放回原處。</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>已放回</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln 個項目已不在垃圾桶中。</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln 個項目留在垃圾桶：原位置已被佔用。</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln 個項目無法放回。</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Tornivo 會以這種方式通知您背景工作的結果。</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>測試橫幅</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln 個項目，%1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>已移到垃圾桶</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>工作已完成。</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>工作失敗或已取消。</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>工作已完成，釋放了 %1。</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 及其殘留檔案已移至垃圾桶。</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>已解除安裝</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 已可下載。</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>有可用的更新</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>應用程式快取</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>記錄檔</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>清理</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>正在清理…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>所選項目都屬於執行中的應用程式：%1。請先結束這些程式，再重新清理。</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>請結束執行中的應用程式</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>已釋放</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>按一下即可掃描快取和記錄檔中的垃圾檔案。</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>%1 正在使用</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>已發現垃圾檔案</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>正在掃描快取和記錄檔…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>已選 %1</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>執行中，已略過：%1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>無法復原</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>已檢查 %Ln 個檔案</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln 個正在使用中</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln 個在掃描後有變動</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln 個因其他原因</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln 個沒有可用的垃圾桶</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln 個位於其他檔案系統</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln 個沒有權限</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln 個位於受保護的資料夾</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln 個在您停止前未處理</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln 個是從不刪除的資料夾</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln 個項目未移除：%1。</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>正在讀取 %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>已略過 %Ln 個資料夾</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>重新掃描</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln 個資料夾無法讀取</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>活躍 · 上次使用：%1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>活躍的專案完全未受影響。</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>清理 %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln 天</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>清理最近沒有動過的專案所留下的建置產物，騰出空間。</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>正在尋找建置資料夾…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>上次使用：%1 · 可安全清理</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>所有含建置產物的專案最近都有使用。</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>沒有可清理的項目</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>活躍專案保護期</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 最近有使用，會繼續受到保護。</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 最近有使用，會繼續受到保護。</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>可釋放 %1</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>已釋放 %1</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>掃描專案</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>選取要清理的專案</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>開發建置資料夾</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>保留第一個</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>已比對 %1 / %2</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>依內容比對</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln 個複本</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>在個人資料夾中尋找內容完全相同的檔案，每組只保留一份。</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>每個 %1 · 可節省 %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>尋找重複檔案</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>正在比對檔案內容…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>保留此複本，並將其他複本移至垃圾桶</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>保留這個</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>可釋放 %1</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>移除所有重複檔案</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>重複檔案</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>靜音</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>結束 Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>開啟音效</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>尋找留在「下載」和「桌面」中的磁碟映像檔與安裝檔。</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>尋找安裝檔</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 已安裝</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>安裝檔（%1）</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>將 %1 移至垃圾桶</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>正在尋找安裝檔…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>選取要移除的安裝檔</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>遺留的安裝檔</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>壓縮檔</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>開發檔案</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>文件</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>圖片</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>影片</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>在個人資料夾中尋找三個月沒開過的大型檔案。</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>尋找大型檔案</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>上次開啟：%1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>將 %1 移至垃圾桶</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>從未開啟</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>正在尋找大型檔案…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>選取要移除的檔案</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>強調色</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>自動清理</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>直接移除定期掃描找到的垃圾檔案，而不只是通知。</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>檢查更新</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>正在檢查…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>桌面通知</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>透過桌面通知顯示橫幅，而非使用 Tornivo 自己的視窗。</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>每 3 天</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>每週</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>系統語言</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>上次執行：%1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>尚未執行</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>跟隨系統</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>受保護的資料夾</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>加入資料夾…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>沒有受保護的資料夾。</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>掃描結果絕不會列出這些資料夾中的任何內容。</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>停止保護這個資料夾</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>無法讀取 %1 中的受保護資料夾清單；在修復或移除該檔案之前，不會移除任何項目。</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>定期掃描</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Tornivo 執行時在背景掃描垃圾檔案。</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>音效</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>登入時啟動</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>登入時在系統匣中開啟 Tornivo，讓定期掃描持續進行。</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>顯示測試橫幅</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 已是最新版本。</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>新版本 %1 已推出。</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>無法檢查更新。</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>粉碎垃圾桶</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>已寫入 %1 / %2</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>垃圾桶中的所有內容都會被覆寫並刪除。此動作無法復原。</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>要粉碎垃圾桶嗎？</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>沒有需要粉碎的項目。</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>垃圾桶是空的</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>抹除 %Ln 個項目</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>已抹除 %Ln 個項目</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>正在覆寫並抹除…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>垃圾桶中有 %Ln 個項目</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>覆寫</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>已覆寫 %1</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>在固態硬碟上，覆寫無法觸及硬碟保留的每一份副本；全磁碟加密能保護這些資料。</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>極致（7 次）</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>快速（1 次）</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>標準（3 次）</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>磁碟</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>記憶體</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>清理</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>有 %1 的舊建置產物可以清除。</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>磁碟已使用 %1，剩餘 %2。</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>一切正常。</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln 個已安裝程式的安裝檔占用了 %1。</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>有 %1 的垃圾檔案可以清理。</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>記憶體已使用 %1。</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>檢視</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>掃描</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>X 光</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>清理</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>開發</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>重複檔案</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>安裝檔</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>大型檔案</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>粉碎</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>最佳化</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>解除安裝</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>X 光</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>石墨色</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>綠色</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>橘色</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>開啟 Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>需要輸入管理員密碼</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>清除快取的網域名稱查詢結果</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>清除 DNS 快取</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>重新載入桌面面板</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>重新啟動面板</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>修復卡住或異常的檔案管理員</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>重新啟動檔案管理員</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>重建字型快取，修復顯示異常的字型</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>重設字型快取</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>刪除舊的系統日誌，保留最新的 200 MB</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>縮減系統日誌</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>釋放沒有任何程式在用的快取所占的記憶體</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>釋放記憶體</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>刪除安裝更新後保留的套件檔案</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>清理套件快取</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>清除檔案預覽的縮圖快取</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>重設縮圖</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>解除安裝沒有應用程式需要的 Flatpak 執行環境</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>移除未使用的執行環境</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>一鍵完成的維護工作</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>最佳化</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>依名稱</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>或從清單中選擇。</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>將應用程式拖放到這裡</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpak 程式：由 flatpak uninstall 移除，殘留檔案移至垃圾桶。</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>正在尋找殘留檔案…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>快取</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>容器</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>自動啟動項目</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>記錄檔</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>儲存的狀態</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>指令稿</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>應用程式資料</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>網頁資料</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>依應用程式 ID 比對的殘留檔案</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>沒有應用程式 ID：請檢查依名稱比對的殘留檔案</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>結束並解除安裝</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>要立即結束它，並連同殘留檔案一起移至垃圾桶嗎？</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>應用程式正在執行</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>搜尋應用程式</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>共 %1 · %Ln 個殘留檔案</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>由系統套件管理員安裝：應用程式本身保留，只有選取的殘留檔案會移至垃圾桶。</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>解除安裝</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>建置產物，需要時會重新產生。</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>快取或記錄資料，可以放心移除。</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>檔案非常大，請確認是否還需要。</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>您可能已不再需要的安裝檔。</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>自 %1 起未曾開啟。</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>正在分析家目錄…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>待檢視</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>此類別中最大的檔案。</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>依檔案類別查看家目錄中占用空間的內容。</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln 個檔案</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>已掃描 %Ln 個檔案</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>上次開啟：%1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>從未開啟</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>重新分析</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>在檔案管理員中顯示</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>位置：%1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>移至垃圾桶</translation>
    </message>
</context>
</TS>
