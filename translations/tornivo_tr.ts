<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1 gereksiz dosya otomatik olarak kaldırıldı.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Gereksiz dosyalar temizlendi</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>%1 okunmadı: ev klasörünüz ya da klasörlerinizden biridir, bunlardan birini içerir veya size ait değildir.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Bir klasör atlandı</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 gereksiz dosya temizlenmeye hazır.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Gereksiz dosya bulundu</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>%1 uygulamasının kalıntıları Çöp Kutusuna taşındı; uygulama yüklü kalıyor.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Hiçbir şey geri yüklenmedi</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Son taşımadan geri yüklenecek bir şey kalmadı.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Hiçbir şey kaldırılmadı</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Son taşımanın kaydı okunamıyor.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln öğe yerine geri döndü.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Geri yüklendi</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln öğe artık Çöp Kutusunda değil.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln öğe Çöp Kutusunda kaldı: yeri dolu.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln öğe geri yüklenemedi.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Tornivo arka plandaki işleri böyle bildirir.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Deneme bildirimi</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln öğe, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Çöp Kutusuna taşındı</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>Görev tamamlandı.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>Görev başarısız oldu veya iptal edildi.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>Görev tamamlandı ve %1 boşaltıldı.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 ve kalıntıları Çöp Kutusuna taşındı.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Kaldırıldı</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 indirilmeye hazır.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Güncelleme mevcut</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Uygulama önbellekleri</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Günlükler</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Temizle</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Temizleniyor…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Seçilenlerin tümü çalışan uygulamalara ait: %1. Bunları kapatıp yeniden temizleyin.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Çalışan uygulamaları kapatın</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>boşaltıldı</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Önbellek ve günlüklerde gereksiz dosya taramak için tıklayın.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>%1 kullanıyor</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>gereksiz dosya bulundu</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Önbellekler ve günlükler taranıyor…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 seçildi</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Açık uygulamalar atlandı: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Geri alınamaz</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln dosya incelendi</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln kullanımda</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln taramadan sonra değişti</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln başka bir nedenle</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln için Çöp Kutusu yok</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln başka bir dosya sisteminde</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln için izin yok</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln korunan klasörde</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln durdurulmadan önce işlenmedi</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln hiç silinmeyen klasör</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln öğe yerinde kaldı: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Okunuyor: %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln klasör atlandı</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Yeniden tara</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln klasör okunamadı</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Etkin · son kullanım: %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Etkin projelere dokunulmadı.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>%1 temizle</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln gün</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Bir süredir üzerinde çalışmadığınız projelerin derleme çıktılarını temizleyin.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Derleme klasörleri aranıyor…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Son kullanım: %1 · güvenle temizlenebilir</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Derleme çıktısı olan tüm projeler yakın zamanda etkindi.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Temizlenecek bir şey yok</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Etkin projelerin koruma süresi</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 etkin ve korunmaya devam ediyor.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 etkin ve korunmaya devam ediyor.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 geri kazanılabilir</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 geri kazanıldı</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Projeleri tara</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Temizlenecek projeleri seçin</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Derleme klasörleri</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>İlkini tut</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 / %2 karşılaştırıldı</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>İçerikleri aynı</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln kopya</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Kişisel klasörlerinizde içeriği aynı olan dosyaları bulun ve her birinden tek kopya tutun.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>Her biri %1 · %2 kazanç</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Yinelenenleri bul</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Dosya içerikleri karşılaştırılıyor…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Bu kopyayı tut, diğerlerini Çöp Kutusuna taşı</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Bunu tut</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 geri kazanılabilir</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Tüm yinelenenleri kaldır</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Yinelenen dosyalar</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Sesleri kapat</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Tornivo'dan çık</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Sesleri aç</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>İndirilenler klasöründe ve masaüstünde kalan disk kalıplarını ve kurulum paketlerini bulun.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Yükleyicileri bul</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 zaten yüklü</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Yükleyici (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>%1 Çöp Kutusuna taşı</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Yükleyiciler aranıyor…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Kaldırılacak yükleyicileri seçin</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Kalan yükleyiciler</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Arşivler</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Geliştirici dosyaları</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Belgeler</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Görseller</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Diğer</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Videolar</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Kişisel klasörlerinizde üç aydır açmadığınız büyük dosyaları bulun.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Büyük dosyaları bul</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Son açılış: %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>%1 Çöp Kutusuna taşı</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Hiç açılmadı</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Büyük dosyalar aranıyor…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Kaldırılacak dosyaları seçin</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Vurgu rengi</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Görünüm</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Otomatik temizle</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Zamanlanmış taramanın bulduğu gereksiz dosyaları yalnızca bildirmek yerine kaldırır.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Güncellemeleri denetle</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Denetleniyor…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Masaüstü bildirimleri</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Afişleri Tornivo'nun kendi penceresi yerine masaüstü bildirimleriyle göster.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Günlük</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>3 günde bir</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Haftalık</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Sistem dili</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Son tarama: %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Henüz tarama yapılmadı</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Koyu</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Açık</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Korunan klasörler</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Klasör ekle…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Korunan klasör yok.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>Taramalar bu klasörlerin içindeki hiçbir şeyi listelemez.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Bu klasörü korumayı bırak</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>%1 içindeki korunan klasörler okunamıyor; bu dosya onarılana veya kaldırılana kadar hiçbir şey kaldırılmaz.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Zamanlama</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Tornivo çalışırken arka planda gereksiz dosyaları tarar.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Sesler</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Oturum açılınca başlat</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Zamanlanmış taramalar sürsün diye oturum açtığınızda Tornivo'yu sistem tepsisinde açar.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Deneme bildirimi göster</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 güncel.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>Sürüm %1 kullanılabilir.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Güncellemeler denetlenemedi.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Güncellemeler</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Çöp Kutusunu parçala</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 / %2 yazıldı</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Çöp Kutusundaki her şeyin üzerine yazılacak ve silinecek. Bu işlem geri alınamaz.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Çöp Kutusu parçalansın mı?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Parçalanacak bir şey yok.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>Çöp Kutusu boş</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>%Ln öğeyi sil</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln öğe silindi</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Üzerine yazılıyor ve siliniyor…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>Çöp Kutusunda %Ln öğe</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Üzerine yazma</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 üzerine yazıldı</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>SSD'lerde üzerine yazma, sürücünün sakladığı her kopyaya ulaşamaz; bunları tam disk şifreleme korur.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoyak (7 geçiş)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Hızlı (1 geçiş)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Standart (3 geçiş)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Disk</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Bellek</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Temizle</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 eski derleme çıktısı silinebilir.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Disk %1 dolu; %2 boş.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Her şey yolunda.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>Yüklü uygulamaların %Ln yükleyicisi %1 yer kaplıyor.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 gereksiz dosya temizlenmeye hazır.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Bellek %1 dolu.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>İncele</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Tara</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Röntgen</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Temizle</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Geliştirici</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Yinelenenler</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Yükleyiciler</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Büyük dosyalar</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Parçala</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Bakım</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Kaldır</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Röntgen</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Grafit</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Turuncu</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Pembe</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Mor</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Tornivo'yu aç</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Yönetici parolası ister</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Önbellekteki ad çözümlemelerini unut</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>DNS önbelleğini temizle</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Masaüstü panelini yeniden yükle</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Paneli yeniden başlat</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Takılan veya düzgün çalışmayan dosya yöneticisini düzelt</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Dosya yöneticisini yeniden başlat</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Bozuk yazı tiplerini düzeltmek için önbelleği yeniden oluştur</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Yazı tipi önbelleğini sıfırla</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Eski sistem kayıtlarını silin, en yeni 200 MB kalsın</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Sistem günlüğünü küçült</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Hiçbir uygulamanın kullanmadığı önbelleklerin belleğini boşalt</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Belleği boşalt</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Güncellemelerden sonra saklanan paketleri silin</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Paket önbelleğini temizle</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Dosya önizlemelerinin küçük resim önbelleğini temizle</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Küçük resimleri sıfırla</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Çalıştır</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Hiçbir uygulamanın kullanmadığı Flatpak ortamlarını kaldırın</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Kullanılmayan ortamları kaldır</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Tek tıkla bakım görevleri</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Bakım</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Uygulama</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Ada göre</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Ya da listeden birini seçin.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Bir uygulamayı buraya bırakın</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Bir Flatpak: flatpak uninstall onu kaldırır; kalıntılar Çöp Kutusuna gider.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Kalıntılar aranıyor…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Önbellek</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Kapsayıcı</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Otomatik başlatma girdisi</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Günlükler</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Diğer</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Kayıtlı durum</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Betikler</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Uygulama verileri</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Web verileri</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Uygulama kimliğiyle eşleşen kalıntılar</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Uygulama kimliği yok: ada göre eşleşen kalıntıları kontrol edin</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Kapat ve kaldır</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Şimdi kapatılıp kalıntılarıyla birlikte Çöp Kutusuna taşınsın mı?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>Uygulama çalışıyor</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Uygulama ara</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>Toplam %1 · %Ln kalıntı</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Sistemin paket yöneticisiyle yüklendi: uygulama kalır; yalnızca seçilen kalıntılar Çöp Kutusuna gider.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Kaldır</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Derleme çıktısı; gerektiğinde yeniden oluşturulur.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Önbellek veya günlük verisi; güvenle kaldırılabilir.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Çok büyük bir dosya; hâlâ gerekip gerekmediğine bakın.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Muhtemelen artık gerekmeyen bir yükleyici.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>%1 tarihinden beri açılmadı.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Ev klasörünüz analiz ediliyor…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>İncele</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Güvenli</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Bu türdeki en büyük dosyalar.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Ev klasörünüzde neyin yer kapladığını dosya türüne göre görün.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln dosya</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln dosya tarandı</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Son açılış: %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Hiç açılmadı</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Yeniden analiz et</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Dosya yöneticisinde göster</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analiz et</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>%1 içinde</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Çöp Kutusuna taşı</translation>
    </message>
</context>
</TS>
