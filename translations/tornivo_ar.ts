<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>أُزيل %1 من الملفات غير الضرورية تلقائيًا.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>تم التنظيف</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>لم يُقرأ %1: فهو مجلد المنزل أو أحد مجلداتك الأخرى أو يحتوي عليها، أو ليس ملكك.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>تم تخطي مجلد</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>يمكن تنظيف %1 من الملفات غير الضرورية.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>عُثر على ملفات غير ضرورية</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>نُقلت بقايا %1 إلى سلة المهملات، وبقي التطبيق مثبّتًا.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>لم يُعَد شيء</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>لم يبقَ شيء من آخر عملية نقل لإرجاعه.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>لم تتم إزالة أي شيء</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>تعذّرت قراءة سجل آخر عملية نقل.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>عاد %Ln عنصر إلى مكانه.</numerusform>
            <numerusform>عاد %Ln عنصر إلى مكانه.</numerusform>
            <numerusform>عاد %Ln عنصران إلى مكانيهما.</numerusform>
            <numerusform>عادت %Ln عناصر إلى أماكنها.</numerusform>
            <numerusform>عاد %Ln عنصرًا إلى أماكنها.</numerusform>
            <numerusform>عاد %Ln عنصر إلى أماكنها.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>أُعيد إلى مكانه</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln عنصر لم يعد في سلة المهملات.</numerusform>
            <numerusform>%Ln عنصر لم يعد في سلة المهملات.</numerusform>
            <numerusform>%Ln عنصران لم يعودا في سلة المهملات.</numerusform>
            <numerusform>%Ln عناصر لم تعد في سلة المهملات.</numerusform>
            <numerusform>%Ln عنصرًا لم تعد في سلة المهملات.</numerusform>
            <numerusform>%Ln عنصر لم تعد في سلة المهملات.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>بقي %Ln عنصر في سلة المهملات: مكانه مشغول.</numerusform>
            <numerusform>بقي %Ln عنصر في سلة المهملات: مكانه مشغول.</numerusform>
            <numerusform>بقي %Ln عنصران في سلة المهملات: مكانهما مشغول.</numerusform>
            <numerusform>بقيت %Ln عناصر في سلة المهملات: أماكنها مشغولة.</numerusform>
            <numerusform>بقي %Ln عنصرًا في سلة المهملات: أماكنها مشغولة.</numerusform>
            <numerusform>بقي %Ln عنصر في سلة المهملات: أماكنها مشغولة.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>تعذّر إرجاع %Ln عنصر.</numerusform>
            <numerusform>تعذّر إرجاع %Ln عنصر.</numerusform>
            <numerusform>تعذّر إرجاع %Ln عنصرين.</numerusform>
            <numerusform>تعذّر إرجاع %Ln عناصر.</numerusform>
            <numerusform>تعذّر إرجاع %Ln عنصرًا.</numerusform>
            <numerusform>تعذّر إرجاع %Ln عنصر.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>هكذا يُبلغك Tornivo بنتائج العمل في الخلفية.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>إشعار تجريبي</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln عنصر، %1</numerusform>
            <numerusform>%Ln عنصر، %1</numerusform>
            <numerusform>%Ln عنصران، %1</numerusform>
            <numerusform>%Ln عناصر، %1</numerusform>
            <numerusform>%Ln عنصرًا، %1</numerusform>
            <numerusform>%Ln عنصر، %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>نُقل إلى سلة المهملات</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>اكتملت المهمة.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>فشلت المهمة أو أُلغيت.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>انتهت المهمة وحرّرت %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>نُقل %1 وبقاياه إلى سلة المهملات.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>تم إلغاء التثبيت</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 جاهز للتنزيل.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>يتوفر تحديث</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>ذاكرة التطبيقات المؤقتة</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>السجلات</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>تنظيف</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>جارٍ التنظيف…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>كل العناصر المحددة تخص تطبيقات قيد التشغيل: %1. أغلقها ثم نظّف مرة أخرى.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>أغلق التطبيقات قيد التشغيل</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>تم تحريرها</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>انقر لفحص الذاكرة المؤقتة والسجلات بحثًا عن الملفات غير الضرورية.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>يستخدمه %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>من الملفات غير الضرورية</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>جارٍ فحص الذاكرة المؤقتة والسجلات…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 محدد</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>تم تخطيها لأنها قيد التشغيل: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>لا يمكن التراجع عنه</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>تمت معاينة %Ln ملف</numerusform>
            <numerusform>تمت معاينة %Ln ملف</numerusform>
            <numerusform>تمت معاينة %Ln ملفين</numerusform>
            <numerusform>تمت معاينة %Ln ملفات</numerusform>
            <numerusform>تمت معاينة %Ln ملفًا</numerusform>
            <numerusform>تمت معاينة %Ln ملف</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln قيد الاستخدام</numerusform>
            <numerusform>%Ln قيد الاستخدام</numerusform>
            <numerusform>%Ln قيد الاستخدام</numerusform>
            <numerusform>%Ln قيد الاستخدام</numerusform>
            <numerusform>%Ln قيد الاستخدام</numerusform>
            <numerusform>%Ln قيد الاستخدام</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln تغيّر منذ الفحص</numerusform>
            <numerusform>%Ln تغيّر منذ الفحص</numerusform>
            <numerusform>%Ln تغيّرا منذ الفحص</numerusform>
            <numerusform>%Ln تغيّرت منذ الفحص</numerusform>
            <numerusform>%Ln تغيّرت منذ الفحص</numerusform>
            <numerusform>%Ln تغيّرت منذ الفحص</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln لسبب آخر</numerusform>
            <numerusform>%Ln لسبب آخر</numerusform>
            <numerusform>%Ln لسبب آخر</numerusform>
            <numerusform>%Ln لسبب آخر</numerusform>
            <numerusform>%Ln لسبب آخر</numerusform>
            <numerusform>%Ln لسبب آخر</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln دون سلة مهملات متاحة</numerusform>
            <numerusform>%Ln دون سلة مهملات متاحة</numerusform>
            <numerusform>%Ln دون سلة مهملات متاحة</numerusform>
            <numerusform>%Ln دون سلة مهملات متاحة</numerusform>
            <numerusform>%Ln دون سلة مهملات متاحة</numerusform>
            <numerusform>%Ln دون سلة مهملات متاحة</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln على نظام ملفات آخر</numerusform>
            <numerusform>%Ln على نظام ملفات آخر</numerusform>
            <numerusform>%Ln على نظام ملفات آخر</numerusform>
            <numerusform>%Ln على نظام ملفات آخر</numerusform>
            <numerusform>%Ln على نظام ملفات آخر</numerusform>
            <numerusform>%Ln على نظام ملفات آخر</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln دون إذن</numerusform>
            <numerusform>%Ln دون إذن</numerusform>
            <numerusform>%Ln دون إذن</numerusform>
            <numerusform>%Ln دون إذن</numerusform>
            <numerusform>%Ln دون إذن</numerusform>
            <numerusform>%Ln دون إذن</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln في مجلد محمي</numerusform>
            <numerusform>%Ln في مجلد محمي</numerusform>
            <numerusform>%Ln في مجلد محمي</numerusform>
            <numerusform>%Ln في مجلد محمي</numerusform>
            <numerusform>%Ln في مجلد محمي</numerusform>
            <numerusform>%Ln في مجلد محمي</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln لم تصلها المعالجة قبل الإيقاف</numerusform>
            <numerusform>%Ln لم تصلها المعالجة قبل الإيقاف</numerusform>
            <numerusform>%Ln لم تصلها المعالجة قبل الإيقاف</numerusform>
            <numerusform>%Ln لم تصلها المعالجة قبل الإيقاف</numerusform>
            <numerusform>%Ln لم تصلها المعالجة قبل الإيقاف</numerusform>
            <numerusform>%Ln لم تصلها المعالجة قبل الإيقاف</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln مجلد لا يُحذف أبدًا</numerusform>
            <numerusform>%Ln مجلد لا يُحذف أبدًا</numerusform>
            <numerusform>%Ln مجلد لا يُحذف أبدًا</numerusform>
            <numerusform>%Ln مجلد لا يُحذف أبدًا</numerusform>
            <numerusform>%Ln مجلد لا يُحذف أبدًا</numerusform>
            <numerusform>%Ln مجلد لا يُحذف أبدًا</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>بقي %Ln عنصر: %1.</numerusform>
            <numerusform>بقي %Ln عنصر: %1.</numerusform>
            <numerusform>بقي %Ln عنصران: %1.</numerusform>
            <numerusform>بقيت %Ln عناصر: %1.</numerusform>
            <numerusform>بقي %Ln عنصرًا: %1.</numerusform>
            <numerusform>بقي %Ln عنصر: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>جارٍ قراءة %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>تم تخطي %Ln مجلد</numerusform>
            <numerusform>تم تخطي %Ln مجلد</numerusform>
            <numerusform>تم تخطي %Ln مجلدين</numerusform>
            <numerusform>تم تخطي %Ln مجلدات</numerusform>
            <numerusform>تم تخطي %Ln مجلدًا</numerusform>
            <numerusform>تم تخطي %Ln مجلد</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>إعادة الفحص</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>تعذّرت قراءة %Ln مجلد</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلد</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلدين</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلدات</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلدًا</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلد</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>نشط · آخر استخدام: %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>لم تُمسّ المشاريع النشطة.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>تنظيف %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln يوم</numerusform>
            <numerusform>%Ln يوم</numerusform>
            <numerusform>%Ln يومان</numerusform>
            <numerusform>%Ln أيام</numerusform>
            <numerusform>%Ln يومًا</numerusform>
            <numerusform>%Ln يوم</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>استعِد المساحة التي تشغلها مخرجات البناء في مشاريع لم تعمل عليها مؤخرًا.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>جارٍ البحث عن مجلدات البناء…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>آخر استخدام: %1 · تنظيفه آمن</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>كل المشاريع التي لها مخرجات بناء كانت نشطة مؤخرًا.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>لا شيء للتنظيف</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>حماية المشاريع النشطة خلال</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 نشطة وستبقى محمية.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 نشط وسيبقى محميًا.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>يمكن استعادة %1</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>تمت استعادة %1</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>فحص المشاريع</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>حدد المشاريع المراد تنظيفها</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>مجلدات بناء المشاريع</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>إبقاء الأول</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>تمت مقارنة %1 من %2</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>متطابقة المحتوى</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln نسخة</numerusform>
            <numerusform>%Ln نسخة</numerusform>
            <numerusform>%Ln نسختان</numerusform>
            <numerusform>%Ln نسخ</numerusform>
            <numerusform>%Ln نسخةً</numerusform>
            <numerusform>%Ln نسخة</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>ابحث عن الملفات المتطابقة المحتوى في مجلداتك الشخصية واحتفظ بنسخة واحدة من كل منها.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 لكل نسخة · توفير %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>البحث عن التكرارات</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>جارٍ مقارنة محتوى الملفات…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>إبقاء هذه النسخة ونقل الباقي إلى سلة المهملات</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>إبقاء هذه</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>يمكن استعادة %1</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>إزالة كل التكرارات</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>الملفات المكررة</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>كتم الأصوات</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>إنهاء Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>تشغيل الأصوات</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>ابحث عن صور الأقراص وحزم التثبيت المتروكة في التنزيلات وعلى سطح المكتب.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>البحث عن ملفات التثبيت</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 مثبّت بالفعل</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>ملف تثبيت (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>نقل %1 إلى سلة المهملات</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>جارٍ البحث عن ملفات التثبيت…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>حدد ملفات التثبيت المراد إزالتها</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>ملفات التثبيت المتبقية</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>الأرشيفات</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>الصوت</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>ملفات المطوّرين</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>المستندات</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>الصور</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>الفيديو</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>ابحث في مجلداتك الشخصية عن الملفات الكبيرة التي لم تفتحها منذ ثلاثة أشهر.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>البحث عن الملفات الكبيرة</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>آخر فتح: %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>نقل %1 إلى سلة المهملات</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>لم يُفتح قط</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>جارٍ البحث عن الملفات الكبيرة…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>حدد الملفات المراد إزالتها</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>لون التمييز</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>المظهر</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>التنظيف التلقائي</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>إزالة الملفات غير الضرورية التي يجدها الفحص المجدول بدلًا من الاكتفاء بالإبلاغ عنها.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>جارٍ التحقق…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>إشعارات سطح المكتب</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>اعرض اللافتات عبر إشعارات سطح المكتب بدلًا من نافذة Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>يوميًا</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>كل 3 أيام</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>أسبوعيًا</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>لغة النظام</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>آخر تشغيل: %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>لم يعمل بعد</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>المجلدات المحمية</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>إضافة مجلدات…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>لا توجد مجلدات محمية.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>لا يعرض الفحص أبدًا أي شيء داخل هذه المجلدات.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>إيقاف حماية هذا المجلد</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>تتعذر قراءة المجلدات المحمية في %1، لذا لن يُزال أي شيء حتى يُصلَح ذلك الملف أو يُزال.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>الجدولة</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>فحص الملفات غير الضرورية في الخلفية أثناء عمل Tornivo.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>الأصوات</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>البدء عند تسجيل الدخول</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>يفتح Tornivo في شريط النظام عند تسجيل الدخول، لتستمر عمليات الفحص المجدولة.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>عرض إشعار تجريبي</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 محدَّث.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>الإصدار %1 متوفر.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>تعذّر التحقق من التحديثات.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>التحديثات</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>فرم سلة المهملات</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>تمت كتابة %1 من %2</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>ستُكتب بيانات فوق كل ما في سلة المهملات ثم يُحذف. لا يمكن التراجع عن ذلك.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>فرم سلة المهملات؟</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>لا يوجد ما يُفرم.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>سلة المهملات فارغة</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>محو %Ln عنصر</numerusform>
            <numerusform>محو %Ln عنصر</numerusform>
            <numerusform>محو %Ln عنصرين</numerusform>
            <numerusform>محو %Ln عناصر</numerusform>
            <numerusform>محو %Ln عنصرًا</numerusform>
            <numerusform>محو %Ln عنصر</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>تم محو %Ln عنصر</numerusform>
            <numerusform>تم محو %Ln عنصر</numerusform>
            <numerusform>تم محو %Ln عنصرين</numerusform>
            <numerusform>تم محو %Ln عناصر</numerusform>
            <numerusform>تم محو %Ln عنصرًا</numerusform>
            <numerusform>تم محو %Ln عنصر</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>جارٍ الكتابة فوق البيانات ومحوها…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln عنصر في سلة المهملات</numerusform>
            <numerusform>%Ln عنصر في سلة المهملات</numerusform>
            <numerusform>%Ln عنصران في سلة المهملات</numerusform>
            <numerusform>%Ln عناصر في سلة المهملات</numerusform>
            <numerusform>%Ln عنصرًا في سلة المهملات</numerusform>
            <numerusform>%Ln عنصر في سلة المهملات</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>مستوى المحو</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>تمت الكتابة فوق %1</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>في أقراص الحالة الصلبة لا تصل الكتابة فوق البيانات إلى كل نسخة يحتفظ بها القرص؛ ويحميها تشفير القرص بالكامل.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>فائق (7 مرات)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>سريع (مرة واحدة)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>قياسي (3 مرات)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>المعالج</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>القرص</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>الذاكرة</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>تنظيف</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>يمكن التخلص من %1 من مخرجات البناء القديمة.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>القرص ممتلئ بنسبة %1؛ المساحة الحرة %2.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>كل شيء على ما يرام.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln ملف تثبيت لتطبيقات مثبّتة تشغل %1.</numerusform>
            <numerusform>%Ln ملف تثبيت لتطبيق مثبّت يشغل %1.</numerusform>
            <numerusform>%Ln ملفا تثبيت لتطبيقات مثبّتة يشغلان %1.</numerusform>
            <numerusform>%Ln ملفات تثبيت لتطبيقات مثبّتة تشغل %1.</numerusform>
            <numerusform>%Ln ملف تثبيت لتطبيقات مثبّتة تشغل %1.</numerusform>
            <numerusform>%Ln ملف تثبيت لتطبيقات مثبّتة تشغل %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>يمكن تنظيف %1 من الملفات غير الضرورية.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>الذاكرة ممتلئة بنسبة %1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>مراجعة</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>فحص</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>أشعة إكس</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>التنظيف</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>المطوّر</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>الملفات المكررة</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>ملفات التثبيت</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>الملفات الكبيرة</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>الفرم</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>التحسين</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>أشعة إكس</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>جرافيتي</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>بنفسجي</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>فتح Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>يطلب كلمة مرور المدير</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>نسيان نتائج استعلامات الأسماء المخزنة مؤقتًا</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>مسح ذاكرة DNS المؤقتة</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>إعادة تحميل لوحة سطح المكتب</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>إعادة تشغيل اللوحة</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>إصلاح مدير الملفات إذا علق أو اضطرب</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>إعادة تشغيل مدير الملفات</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>إعادة بناء ذاكرة الخطوط المؤقتة لإصلاح الخطوط التالفة</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>إعادة ضبط ذاكرة الخطوط</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>احذف سجلات النظام القديمة مع الإبقاء على أحدث 200 ميغابايت</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>تقليص سجل النظام</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>تحرير ذاكرة تحجزها بيانات مؤقتة لا يستخدمها أي تطبيق</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>تحرير الذاكرة</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>احذف ملفات الحزم المحفوظة بعد تثبيت التحديثات</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>تنظيف ذاكرة الحزم</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>مسح ذاكرة الصور المصغرة لمعاينات الملفات</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>إعادة ضبط الصور المصغرة</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>تشغيل</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>أزل بيئات Flatpak التي لا يحتاجها أي تطبيق مثبّت</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>إزالة بيئات التشغيل غير المستخدمة</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>مهام صيانة بنقرة واحدة</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>التحسين</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>تطبيق</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>بالاسم</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>أو اختر واحدًا من القائمة.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>أفلت تطبيقًا هنا</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>تطبيق Flatpak: يزيله الأمر flatpak uninstall، وتذهب البقايا إلى سلة المهملات.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>جارٍ البحث عن البقايا…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>ذاكرة مؤقتة</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>حاوية</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>عنصر بدء تلقائي</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>سجلات</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>تفضيلات</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>حالة محفوظة</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>نصوص برمجية</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>بيانات التطبيق</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>بيانات الويب</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>بقايا مطابقة بمعرّف التطبيق</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>لا يوجد معرّف للتطبيق: راجع البقايا المطابقة بالاسم</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>إنهاء وإلغاء التثبيت</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>هل تريد إنهاءه الآن ونقله مع بقاياه إلى سلة المهملات؟</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>التطبيق قيد التشغيل</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>البحث في التطبيقات</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 إجمالًا · %Ln عنصر متبقٍ</numerusform>
            <numerusform>%1 إجمالًا · %Ln عنصر متبقٍ</numerusform>
            <numerusform>%1 إجمالًا · %Ln عنصران متبقيان</numerusform>
            <numerusform>%1 إجمالًا · %Ln عناصر متبقية</numerusform>
            <numerusform>%1 إجمالًا · %Ln عنصرًا متبقيًا</numerusform>
            <numerusform>%1 إجمالًا · %Ln عنصر متبقٍ</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>مثبّت بمدير حزم النظام: يبقى التطبيق، ولا يُنقل إلى سلة المهملات إلا ما حددته من البقايا.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>مخرجات بناء؛ يُعاد إنشاؤها عند الحاجة.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>بيانات مؤقتة أو سجلات؛ إزالتها آمنة.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>ملف كبير جدًا؛ تحقّق مما إذا كنت لا تزال تحتاجه.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>ملف تثبيت لم تعد تحتاجه على الأرجح.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>لم يُفتح منذ %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>جارٍ تحليل مجلد المنزل…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>للمراجعة</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>آمن</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>أكبر الملفات من هذا النوع.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>اعرف ما يشغل المساحة في مجلد المنزل، حسب نوع الملف.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln ملف</numerusform>
            <numerusform>%Ln ملف</numerusform>
            <numerusform>%Ln ملفان</numerusform>
            <numerusform>%Ln ملفات</numerusform>
            <numerusform>%Ln ملفًا</numerusform>
            <numerusform>%Ln ملف</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>تم فحص %Ln ملف</numerusform>
            <numerusform>تم فحص %Ln ملف</numerusform>
            <numerusform>تم فحص %Ln ملفين</numerusform>
            <numerusform>تم فحص %Ln ملفات</numerusform>
            <numerusform>تم فحص %Ln ملفًا</numerusform>
            <numerusform>تم فحص %Ln ملف</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>آخر فتح: %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>لم يُفتح قط</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>إعادة التحليل</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>إظهار في مدير الملفات</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>تحليل</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>في %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>نقل إلى سلة المهملات</translation>
    </message>
</context>
</TS>
