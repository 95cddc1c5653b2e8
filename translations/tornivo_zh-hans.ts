<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>已自动清理 %1 垃圾文件。</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>垃圾文件已清理</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>未读取 %1：它是或包含您的主文件夹或其他个人文件夹，或者不归您所有。</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>已跳过一个文件夹</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>有 %1 垃圾文件可以清理。</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>发现垃圾文件</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>%1 的残留文件已移到回收站，应用本身仍保留。</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>未放回任何项</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>上次移动的内容已无可放回。</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>未移除任何内容</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>无法读取上次移动的记录。</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln 项已放回原处。</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>已放回</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln 项已不在回收站中。</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln 项留在回收站：原位置已被占用。</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln 项无法放回。</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Tornivo 会这样通知您后台任务的结果。</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>测试横幅</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln 项，%1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>已移到回收站</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>任务已完成。</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>任务失败或已取消。</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>任务已完成，释放了 %1。</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 及其残留文件已移到回收站。</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>已卸载</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 已可下载。</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>应用缓存</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>日志</translation>
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
        <translation>所选内容都属于正在运行的应用：%1。请先退出这些应用，再重新清理。</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>请退出正在运行的应用</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>已释放</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>点击扫描缓存和日志中的垃圾文件。</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>%1 正在使用</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>已发现垃圾文件</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>正在扫描缓存和日志…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>已选 %1</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>正在运行，已跳过：%1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>无法撤销</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>已检查 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln 项正在使用</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln 项在扫描后有变动</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln 项因其他原因</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln 项没有可用的回收站</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln 项位于其他文件系统</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln 项没有权限</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln 项位于受保护的文件夹</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln 项在您停止前未处理</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln 项是从不删除的文件夹</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln 项未移除：%1。</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>正在读取 %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>已跳过 %Ln 个文件夹</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>重新扫描</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln 个文件夹无法读取</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>活跃 · 上次使用：%1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>活跃的项目未做任何改动。</translation>
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
        <translation>清理近期没有改动的项目的构建产物，腾出空间。</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>正在查找构建文件夹…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>上次使用：%1 · 可安全清理</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>所有含构建产物的项目近期都有活动。</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>没有可清理的内容</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>活跃项目保护期</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 近期活跃，继续受到保护。</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 近期活跃，继续受到保护。</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>可释放 %1</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>已释放 %1</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>扫描项目</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>选择要清理的项目</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>开发构建文件夹</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>保留第一个</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>已比较 %1 / %2</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>按内容匹配</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln 个副本</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>在个人文件夹中查找内容完全相同的文件，每组只保留一份。</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>每个 %1 · 可节省 %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>查找重复文件</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>正在比较文件内容…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>保留此副本，将其余副本移到回收站</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>保留此项</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>可释放 %1</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>移除所有重复项</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>重复文件</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>静音</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>退出 Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>打开声音</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>查找留在下载和桌面文件夹中的磁盘映像和安装包。</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>查找安装包</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 已安装</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>安装包（%1）</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>将 %1 移到回收站</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>正在查找安装包…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>选择要移除的安装包</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>遗留的安装包</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>压缩包</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>开发文件</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>文档</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>图片</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>查找个人文件夹中三个月没有打开过的大文件。</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>查找大文件</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>上次打开：%1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>将 %1 移到回收站</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>从未打开</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>正在查找大文件…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>选择要移除的文件</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>强调色</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>自动清理</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>直接移除定期扫描发现的垃圾文件，而不只是提醒。</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>正在检查…</translation>
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
        <translation>通过桌面通知显示横幅，而不是使用 Tornivo 自己的窗口。</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>每 3 天</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>系统语言</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>上次运行：%1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>尚未运行</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>受保护的文件夹</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>添加文件夹…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>没有受保护的文件夹。</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>扫描结果绝不会列出这些文件夹中的任何内容。</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>取消保护此文件夹</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>无法读取 %1 中的受保护文件夹列表，在修复或删除该文件之前，不会移除任何内容。</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>定期扫描</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Tornivo 运行时在后台扫描垃圾文件。</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>登录时在托盘中启动 Tornivo，让定期扫描持续进行。</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>显示测试横幅</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 已是最新版本。</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>新版本 %1 已发布。</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>无法检查更新。</translation>
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
        <translation>粉碎回收站</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>已写入 %1 / %2</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>回收站中的所有内容都将被覆写并删除。此操作无法撤销。</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>要粉碎回收站吗？</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>没有需要粉碎的内容。</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>回收站是空的</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>擦除 %Ln 项</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>已擦除 %Ln 项</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>正在覆写并擦除…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>回收站中有 %Ln 项</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>覆写</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>已覆写 %1</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>在固态硬盘上，覆写无法触及硬盘保留的所有副本；全盘加密可以保护这些数据。</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>极致（7 遍）</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>快速（1 遍）</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>标准（3 遍）</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>磁盘</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>内存</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>清理</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>有 %1 旧构建产物可以清理。</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>磁盘已用 %1，剩余 %2。</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>一切正常。</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln 个已安装应用的安装包占用了 %1。</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>有 %1 垃圾文件可以清理。</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>内存已用 %1。</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>查看</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>扫描</translation>
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
        <translation>开发</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>重复文件</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>安装包</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>大文件</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>粉碎</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>优化</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>X 光</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>石墨色</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>打开 Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>需要输入管理员密码</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>清除已缓存的域名解析结果</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>刷新 DNS 缓存</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>重新加载桌面面板</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>重启面板</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>修复卡住或异常的文件管理器</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>重启文件管理器</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>重建字体缓存，修复显示异常的字体</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>重置字体缓存</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>删除旧的系统日志，保留最新的 200 MB</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>缩减系统日志</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>释放没有任何应用在用的缓存所占的内存</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>释放内存</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>删除安装更新后保留的软件包文件</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>清理软件包缓存</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>清除文件预览的缩略图缓存</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>重置缩略图</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>卸载已安装应用都不需要的 Flatpak 运行时</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>移除未使用的运行时</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>一键完成的维护任务</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>优化</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>应用</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>按名称</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>或者从列表中选择。</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>将应用拖放到此处</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpak 应用：由 flatpak uninstall 卸载，残留文件移到回收站。</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>正在查找残留文件…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>缓存</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>容器</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>自启动项</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>日志</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>保存的状态</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>脚本</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>应用数据</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>网页数据</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>按应用 ID 匹配的残留文件</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>没有应用 ID：请检查按名称匹配的残留文件</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>退出并卸载</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>要立即退出该应用，并将它连同残留文件一起移到回收站吗？</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>该应用正在运行</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>搜索应用</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>共 %1 · %Ln 个残留文件</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>由系统软件包管理器安装：应用本身保留，只有所选的残留文件会移到回收站。</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>构建产物，需要时会重新生成。</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>缓存或日志数据，可以放心移除。</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>文件非常大，请确认是否还需要。</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>您可能不再需要的安装包。</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>自 %1 起未打开过。</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>正在分析主文件夹…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>待查看</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>此类别中最大的文件。</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>按文件类别查看主文件夹中占用空间的内容。</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln 个文件</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>已扫描 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>上次打开：%1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>从未打开</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>重新分析</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>在文件管理器中显示</translation>
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
        <translation>移到回收站</translation>
    </message>
</context>
</TS>
