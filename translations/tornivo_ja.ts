<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1の不要ファイルを自動で削除しました。</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>クリーンアップ完了</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>%1は読み込みませんでした：ホームフォルダーなどの個人フォルダーであるか、それを含むか、あなたの所有ではありません。</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>フォルダーを1つスキップしました</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1の不要ファイルをクリーンアップできます。</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>不要ファイルを検出</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>%1の残留ファイルをゴミ箱に移動しました。アプリはインストールされたままです。</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>何も戻しませんでした</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>前回の移動で戻せるものは残っていません。</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>何も削除されませんでした</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>前回の移動の記録を読み取れません。</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln個の項目を元の場所に戻しました。</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>元に戻しました</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln個はもうゴミ箱にありません。</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln個はゴミ箱に残しました：元の場所が使われています。</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln個は戻せませんでした。</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Tornivoはバックグラウンド処理をこのようにお知らせします。</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>テストバナー</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln個の項目、%1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>ゴミ箱に移動しました</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>タスクが完了しました。</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>タスクが失敗したか、キャンセルされました。</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>タスクが完了し、%1 を解放しました。</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1とその残留ファイルをゴミ箱に移動しました。</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>アンインストール完了</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1をダウンロードできます。</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>アプリのキャッシュ</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>ログ</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>クリーンアップ</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>クリーンアップ中…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>選択した項目はすべて実行中のアプリのものです：%1。アプリを終了してから、もう一度クリーンアップしてください。</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>実行中のアプリを終了してください</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>解放済み</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>クリックすると、キャッシュとログの不要ファイルをスキャンします。</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>%1 が使用中</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>見つかった不要ファイル</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>キャッシュとログをスキャン中…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 を選択</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>実行中のためスキップ：%1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>元に戻せません</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln個のファイルを確認</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln個は使用中</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln個はスキャン後に変更</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln個はその他の理由</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln個は使えるゴミ箱なし</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln個は別のファイルシステム上</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln個は権限なし</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln個は保護フォルダー内</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln個は停止前に未処理</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln個は削除しないフォルダー</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln個の項目が残りました：%1。</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>%1を読み込み中</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln個のフォルダーをスキップ</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>再スキャン</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln個のフォルダーを読み込めませんでした</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>アクティブ · %1に使用</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>アクティブなプロジェクトには手を付けていません。</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>%1をクリーンアップ</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln日</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>最近作業していないプロジェクトのビルド成果物を削除して、空き容量を増やします。</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>ビルドフォルダーを探しています…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>%1に使用 · クリーンアップ可</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>ビルド成果物のあるプロジェクトはどれも最近使われています。</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>不要なものはありません</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>プロジェクトの保護期間</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1はアクティブなので保護されます。</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1はアクティブなので保護されます。</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1を解放可能</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1を解放しました</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>プロジェクトをスキャン</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>対象のプロジェクトを選択</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>開発用ビルドフォルダー</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>先頭を残す</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 / %2を比較済み</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>内容で一致</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln個のコピー</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>個人フォルダー内で内容がまったく同じファイルを探し、それぞれ1つだけ残します。</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>各%1 · %2を節約</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>重複ファイルを検索</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>ファイルの内容を比較中…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>このコピーを残し、ほかはゴミ箱に移動</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>これを残す</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1を解放可能</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>重複をすべて削除</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>重複ファイル</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>サウンドをオフ</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Tornivoを終了</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>サウンドをオン</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>「ダウンロード」や「デスクトップ」に残ったディスクイメージやインストーラーを探します。</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>インストーラーを検索</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1はインストール済み</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>インストーラー（%1）</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>%1をゴミ箱に移動</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>インストーラーを探しています…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>削除するインストーラーを選択</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>残っているインストーラー</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>アーカイブ</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>開発用ファイル</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>ドキュメント</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>ビデオ</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>個人フォルダー内で、3か月以上開いていない大きなファイルを探します。</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>大きなファイルを検索</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>最終アクセス：%1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>%1をゴミ箱に移動</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>開いた記録なし</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>大きなファイルを探しています…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>削除するファイルを選択</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>アクセントカラー</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>自動でクリーンアップ</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>定期スキャンで見つかった不要ファイルを、通知するだけでなく削除します。</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>確認中…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>デスクトップ通知</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Tornivo 独自のウィンドウではなく、デスクトップの通知でバナーを表示します。</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>3日ごと</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>システムの言語</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>前回の実行：%1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>未実行</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>保護フォルダー</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>フォルダーを追加…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>保護フォルダーはありません。</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>これらのフォルダー内のものはスキャン結果に表示されません。</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>このフォルダーの保護を解除</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>%1の保護フォルダーを読み込めないため、このファイルを修復または削除するまで何も削除しません。</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Tornivoの実行中に、バックグラウンドで不要ファイルをスキャンします。</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>ログイン時にTornivoをトレイで起動し、定期スキャンを続けます。</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>テストバナーを表示</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1は最新です。</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>バージョン %1が利用可能です。</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>アップデートを確認できませんでした。</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>ゴミ箱を完全消去</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 / %2を書き込み済み</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>ゴミ箱の中身をすべて上書きして削除します。この操作は元に戻せません。</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>ゴミ箱を完全消去しますか？</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>完全消去するものはありません。</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>ゴミ箱は空です</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>%Ln個の項目を消去</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln個の項目を消去しました</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>上書きして消去しています…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>ゴミ箱に%Ln個の項目</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1を上書きしました</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>SSDでは、ドライブが内部に保持するコピーまでは上書きできません。それらはディスク全体の暗号化で保護されます。</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>最強（7回）</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>クイック（1回）</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>標準（3回）</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>ディスク</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>メモリ</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>掃除</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1の古いビルド成果物を削除できます。</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>ディスク使用率は%1、空きは%2です。</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>すべて良好です。</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>インストール済みアプリのインストーラー%Ln個が%1を使用しています。</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1の不要ファイルをクリーンアップできます。</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>メモリ使用率は%1です。</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>確認</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>X-Ray</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>クリーンアップ</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>開発</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>重複ファイル</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>インストーラー</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>大きなファイル</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>完全消去</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>最適化</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>X-Ray</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>グラファイト</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>グリーン</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>パープル</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Tornivoを開く</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>管理者のパスワードが必要です</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>キャッシュされた名前解決の結果を消去</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>DNSキャッシュを消去</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>デスクトップのパネルを再読み込み</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>パネルを再起動</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>固まったファイルマネージャーを修復</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>ファイルマネージャーを再起動</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>フォントキャッシュを再構築して表示の崩れを修復</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>フォントキャッシュをリセット</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>古いシステムログを削除し、新しい 200 MB を残します</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>システムジャーナルを縮小</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>どのアプリも使っていないキャッシュのメモリを解放</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>メモリを解放</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>更新のインストール後に残ったパッケージを削除します</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>パッケージキャッシュを消去</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>ファイルプレビューのサムネイルキャッシュを消去</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>サムネイルをリセット</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>どのアプリも使っていない Flatpak ランタイムを削除します</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>未使用のランタイムを削除</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>ワンクリックでできるメンテナンス</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>最適化</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>名前で一致</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>または一覧から選んでください。</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>ここにアプリをドロップ</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpakアプリ：flatpak uninstallで削除し、残留ファイルはゴミ箱に移動します。</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>残留ファイルを探しています…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>キャッシュ</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>コンテナー</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>自動起動エントリー</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>ログ</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>保存された状態</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>スクリプト</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>アプリのデータ</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Webデータ</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>アプリIDで一致した残留ファイル</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>アプリIDがありません：名前で一致した残留ファイルを確認してください</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>終了してアンインストール</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>今すぐ終了して、残留ファイルと一緒にゴミ箱に移動しますか？</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>アプリが実行中です</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>アプリを検索</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>合計%1 · 残留ファイル%Ln個</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>システムのパッケージマネージャーでインストールされています：アプリは残り、選択した残留ファイルだけがゴミ箱に移動します。</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>ビルド成果物です。必要になれば再生成されます。</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>キャッシュやログのデータです。削除しても問題ありません。</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>非常に大きなファイルです。まだ必要か確認してください。</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>おそらく不要になったインストーラーです。</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>%1以降、開かれていません。</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>ホームフォルダーを分析しています…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>要確認</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>この種類で特に大きなファイルです。</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>ホームフォルダーで何が容量を使っているかを、ファイルの種類別に表示します。</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln個のファイル</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln個のファイルをスキャン</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>最終アクセス：%1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>開いた記録なし</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>再分析</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>場所：%1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>ゴミ箱に移動</translation>
    </message>
</context>
</TS>
