<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>ذاكرة التخزين المؤقت للتطبيقات</translation>
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
        <translation>انقر لفحص ذاكرة التخزين المؤقت والسجلات بحثًا عن الملفات غير الضرورية.</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>من الملفات غير الضرورية</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>جارٍ فحص ذاكرة التخزين المؤقت والسجلات…</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>تم تخطيها لأنها قيد التشغيل: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>افحص مجددًا</translation>
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
        <translation>الأشعة السينية</translation>
    </message>
</context>
</TS>
