<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>הוסרו אוטומטית %1 של קבצים מיותרים.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>הקבצים המיותרים נוקו</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>התיקייה %1 לא נקראה: זו תיקיית הבית או תיקייה אחרת שלך, או שהיא מכילה אותן, או שאינה שלך.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>דילוג על תיקייה</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>נמצאו %1 של קבצים מיותרים לניקוי.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>נמצאו קבצים מיותרים</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>השאריות של %1 הועברו לאשפה; היישום נשאר מותקן.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>לא הוחזר דבר</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>לא נשאר דבר מההעברה האחרונה להחזיר.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>דבר לא הוסר</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>לא ניתן לקרוא את רישום ההעברה האחרונה.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln פריט חזר למקומו.</numerusform>
            <numerusform>%Ln פריטים חזרו למקומם.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>הוחזר למקומו</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln כבר לא באשפה.</numerusform>
            <numerusform>%Ln כבר לא באשפה.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln נשאר באשפה: מקומו תפוס.</numerusform>
            <numerusform>%Ln נשארו באשפה: מקומם תפוס.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln לא הוחזר.</numerusform>
            <numerusform>%Ln לא הוחזרו.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>כך Tornivo מדווח על עבודה ברקע.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>התראת בדיקה</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln פריט, %1</numerusform>
            <numerusform>%Ln פריטים, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>הועבר לאשפה</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>המשימה הסתיימה.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>המשימה נכשלה או בוטלה.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>המשימה הסתיימה ופינתה %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>ביטול</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 והשאריות שלו הועברו לאשפה.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>ההתקנה הוסרה</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1 זמין להורדה.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>יש עדכון זמין</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>מטמון יישומים</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>יומנים</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>ניקוי</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>מתבצע ניקוי…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>כל מה שנבחר שייך ליישומים פועלים: %1. יש לסגור אותם ולנקות שוב.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>יש לסגור יישומים פועלים</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>שוחררו</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>לחיצה תסרוק את המטמון והיומנים לאיתור קבצים מיותרים.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>בשימוש על ידי %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>קבצים מיותרים שנמצאו</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>סריקת מטמון ויומנים…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 נבחרו</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>לא נוקו כי הם פועלים: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>לא ניתן לבטל</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>סיום</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>נבדק %Ln קובץ</numerusform>
            <numerusform>נבדקו %Ln קבצים</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln בשימוש</numerusform>
            <numerusform>%Ln בשימוש</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln השתנה מאז הסריקה</numerusform>
            <numerusform>%Ln השתנו מאז הסריקה</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln מסיבה אחרת</numerusform>
            <numerusform>%Ln מסיבה אחרת</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln ללא אשפה זמינה</numerusform>
            <numerusform>%Ln ללא אשפה זמינה</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln במערכת קבצים אחרת</numerusform>
            <numerusform>%Ln במערכת קבצים אחרת</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln ללא הרשאה</numerusform>
            <numerusform>%Ln ללא הרשאה</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln בתיקייה מוגנת</numerusform>
            <numerusform>%Ln בתיקייה מוגנת</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln לא טופל לפני העצירה</numerusform>
            <numerusform>%Ln לא טופלו לפני העצירה</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln תיקייה שלעולם אינה נמחקת</numerusform>
            <numerusform>%Ln תיקיות שלעולם אינן נמחקות</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln פריט נשאר: %1.</numerusform>
            <numerusform>%Ln פריטים נשארו: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>קריאת %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>רענון</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln תיקייה דולגה</numerusform>
            <numerusform>%Ln תיקיות דולגו</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>סריקה חוזרת</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>לא ניתן היה לקרוא %Ln תיקייה</numerusform>
            <numerusform>לא ניתן היה לקרוא %Ln תיקיות</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>פעיל · שימוש אחרון: %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>פרויקטים פעילים נשארו ללא שינוי.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>ניקוי %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln יום</numerusform>
            <numerusform>%Ln ימים</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>פינוי תוצרי הבנייה של פרויקטים שלא עבדת עליהם לאחרונה.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>חיפוש תיקיות בנייה…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>שימוש אחרון: %1 · בטוח לניקוי</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>כל הפרויקטים עם תוצרי בנייה היו פעילים לאחרונה.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>אין מה לנקות</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>הגנה על פרויקטים שפעילים בטווח של</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 פעילים ונשארים מוגנים.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 פעיל ונשאר מוגן.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>ניתן לפנות %1</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>פונו %1</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>סריקת פרויקטים</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>בחירת פרויקטים לניקוי</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>תיקיות בנייה של מפתחים</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>השארת הראשון</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>הושוו %1 מתוך %2</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>זהים בתוכן</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln עותק</numerusform>
            <numerusform>%Ln עותקים</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>איתור קבצים בעלי תוכן זהה בתיקיות האישיות שלך והשארת עותק אחד מכל אחד.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 כל אחד · חיסכון של %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>חיפוש כפילויות</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>השוואת תוכן הקבצים…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>השארת העותק הזה והעברת האחרים לאשפה</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>השארת זה</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>ניתן לפנות %1</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>הסרת כל הכפילויות</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>קבצים כפולים</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>השתקת צלילים</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>יציאה מ־Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>הפעלת צלילים</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>איתור תמונות דיסק וחבילות התקנה שנשארו בהורדות ובשולחן העבודה.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>חיפוש קובצי התקנה</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 כבר מותקן</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>קובץ התקנה (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>העברת %1 לאשפה</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>חיפוש קובצי התקנה…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>בחירת קובצי התקנה להסרה</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>קובצי התקנה שנשארו</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>ארכיונים</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>שמע</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>קובצי פיתוח</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>מסמכים</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>תמונות</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>אחר</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>סרטונים</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>איתור קבצים גדולים בתיקיות האישיות שלך שלא נפתחו כבר שלושה חודשים.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>חיפוש קבצים גדולים</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>נפתח לאחרונה %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>העברת %1 לאשפה</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>לא נפתח מעולם</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>חיפוש קבצים גדולים…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>בחירת קבצים להסרה</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>צבע הדגשה</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>מראה</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>ניקוי אוטומטי</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>הסרת הקבצים המיותרים שסריקה מתוזמנת מוצאת, במקום רק לדווח עליהם.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>בדיקת עדכונים</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>מתבצעת בדיקה…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>התראות שולחן העבודה</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>הצגת הודעות דרך התראות שולחן העבודה במקום בחלון של Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>הורדה</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>יומי</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>כבוי</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>כל 3 ימים</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>שבועי</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>שפת המערכת</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>שפה</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>הרצה אחרונה: %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>טרם הורץ</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>כהה</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>בהיר</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>מערכת</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>תיקיות מוגנות</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>הוספת תיקיות…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>אין תיקיות מוגנות.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>סריקות לעולם לא מציגות דבר מתוך תיקיות אלה.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>הפסקת ההגנה על תיקייה זו</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>לא ניתן לקרוא את רשימת התיקיות המוגנות שב־%1, ולכן דבר לא יוסר עד שהקובץ יתוקן או יוסר.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>תזמון</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>סריקת קבצים מיותרים ברקע כל עוד Tornivo פועל.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>צלילים</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>הפעלה בעת הכניסה</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Tornivo ייפתח במגש המערכת בכניסה, כדי שהסריקות המתוזמנות ימשיכו לפעול.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>הצגת התראת בדיקה</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1 מעודכן.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>גרסה %1 זמינה.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>לא ניתן היה לבדוק אם יש עדכונים.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>עדכונים</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>גריסת האשפה</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>נכתבו %1 מתוך %2</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>כל מה שבאשפה יידרס ויימחק. לא ניתן לבטל פעולה זו.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>לגרוס את האשפה?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>אין מה לגרוס.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>האשפה ריקה</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>מחיקת %Ln פריט</numerusform>
            <numerusform>מחיקת %Ln פריטים</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln פריט נמחק</numerusform>
            <numerusform>%Ln פריטים נמחקו</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>דריסה ומחיקה…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln פריט באשפה</numerusform>
            <numerusform>%Ln פריטים באשפה</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>דריסה</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>נדרסו %1</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>בכונני SSD הדריסה אינה מגיעה לכל עותק שהכונן שומר; הצפנת הדיסק המלאה מגינה עליהם.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>פרנואידי (7 מעברים)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>מהיר (מעבר אחד)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>רגיל (3 מעברים)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>מעבד</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>דיסק</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>זיכרון</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>ניקוי</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>אפשר לפנות %1 של תוצרי בנייה ישנים.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>הדיסק מלא ב־%1; נותרו %2 פנויים.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>הכול נראה תקין.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln קובץ התקנה של יישום מותקן תופס %1.</numerusform>
            <numerusform>%Ln קובצי התקנה של יישומים מותקנים תופסים %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>נמצאו %1 של קבצים מיותרים לניקוי.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>הזיכרון מלא ב־%1.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>בדיקה</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>סריקה</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>רנטגן</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>ניקוי</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>מפתחים</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>כפילויות</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>קובצי התקנה</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>קבצים גדולים</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>גריסה</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>כוונון</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>הסרת יישומים</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>רנטגן</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>גרפיט</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>כתום</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>ורוד</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>סגול</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>פתיחת Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>נדרשת סיסמת מנהל</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>מחיקת תוצאות בדיקת שמות מהמטמון</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>ריקון מטמון DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>טעינה מחדש של לוח שולחן העבודה</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>הפעלת הלוח מחדש</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>תיקון מנהל קבצים תקוע או משובש</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>הפעלת מנהל הקבצים מחדש</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>בניית מטמון הגופנים מחדש לתיקון גופנים פגומים</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>איפוס מטמון הגופנים</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>מחיקת יומני מערכת ישנים תוך שמירת 200 MB האחרונים</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>כיווץ יומן המערכת</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>שחרור זיכרון שתופסים מטמונים שאף יישום אינו משתמש בהם</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>שחרור זיכרון</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>מחיקת קובצי חבילות שנשמרו אחרי התקנת עדכונים</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>ניקוי מטמון החבילות</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>ניקוי מטמון התמונות הממוזערות של תצוגות מקדימות</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>איפוס תמונות ממוזערות</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>הפעלה</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>הסרת סביבות Flatpak שאף יישום מותקן אינו צריך</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>הסרת סביבות ריצה שאינן בשימוש</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>משימות תחזוקה בלחיצה אחת</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>כוונון</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>יישום</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>לפי שם</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>או לבחור יישום מהרשימה.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>יש לגרור יישום לכאן</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>יישום Flatpak: הפקודה flatpak uninstall מסירה אותו; השאריות עוברות לאשפה.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>חיפוש שאריות…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>מטמון</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>מכל</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>הפעלה אוטומטית</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>יומנים</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>אחר</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>העדפות</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>מצב שמור</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>סקריפטים</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>נתוני יישום</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>נתוני אתרים</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>שאריות שזוהו לפי מזהה היישום</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>אין מזהה יישום: כדאי לבדוק את השאריות שזוהו לפי שם</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>יציאה והסרה</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>לסגור אותו עכשיו ולהעביר אותו לאשפה יחד עם השאריות שלו?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>היישום פועל</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>חיפוש יישומים</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 בסך הכול · %Ln שארית</numerusform>
            <numerusform>%1 בסך הכול · %Ln שאריות</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>הותקן על ידי מנהל החבילות של המערכת: היישום נשאר; רק השאריות שנבחרו עוברות לאשפה.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>הסרה</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>תוצרי בנייה; הם נוצרים מחדש כשצריך.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>נתוני מטמון או יומן; בטוח להסיר.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>קובץ גדול מאוד; כדאי לבדוק אם הוא עדיין נחוץ.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>קובץ התקנה שכנראה כבר אינו נחוץ.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>לא נפתח מאז %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>ניתוח תיקיית הבית…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>חזרה</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>לבדיקה</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>בטוח</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>הקבצים הגדולים ביותר מסוג זה.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>הצגת מה שתופס מקום בתיקיית הבית, לפי סוג קובץ.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln קובץ</numerusform>
            <numerusform>%Ln קבצים</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>נסרק %Ln קובץ</numerusform>
            <numerusform>נסרקו %Ln קבצים</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>נפתח לאחרונה %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>לא נפתח מעולם</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>ניתוח מחדש</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>הצגה במנהל הקבצים</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>ניתוח</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>בתוך %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>העברה לאשפה</translation>
    </message>
</context>
</TS>
