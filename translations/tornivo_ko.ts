<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>불필요한 파일 %1을(를) 자동으로 정리했습니다.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>정리 완료</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>%1 폴더를 읽지 않았습니다. 홈 폴더나 다른 개인 폴더이거나, 이를 포함하거나, 내 소유가 아닌 폴더입니다.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>폴더 하나를 건너뛰었습니다</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>불필요한 파일 %1을(를) 정리할 수 있습니다.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>불필요한 파일 발견</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>%1의 잔여 파일을 휴지통으로 옮겼습니다. 앱은 설치된 상태로 남아 있습니다.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>되돌린 항목 없음</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>마지막 이동에서 되돌릴 항목이 없습니다.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>삭제된 항목 없음</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>마지막 이동 기록을 읽을 수 없습니다.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>항목 %Ln개를 원래 위치로 되돌렸습니다.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>되돌림</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln개는 더 이상 휴지통에 없습니다.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln개는 휴지통에 남았습니다: 원래 위치가 사용 중입니다.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln개는 되돌리지 못했습니다.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>Tornivo는 백그라운드 작업 결과를 이렇게 알려 드립니다.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>테스트 배너</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>항목 %Ln개, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>휴지통으로 이동함</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>작업을 마쳤습니다.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>작업이 실패했거나 취소되었습니다.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>작업이 끝나 %1을(를) 확보했습니다.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1과(와) 잔여 파일을 휴지통으로 옮겼습니다.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>제거 완료</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>Tornivo %1을(를) 다운로드할 수 있습니다.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>업데이트 있음</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>앱 캐시</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>로그</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>정리</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>정리하는 중…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>선택한 항목이 모두 실행 중인 앱에 속해 있습니다: %1. 앱을 끝낸 다음 다시 정리하세요.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>실행 중인 앱을 끝내세요</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>확보됨</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>클릭하면 캐시와 로그에서 불필요한 파일을 검사합니다.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>%1에서 사용 중</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>불필요한 파일 발견</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>캐시와 로그를 검사하는 중…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 선택됨</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>실행 중이라 건너뜀: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>되돌릴 수 없음</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>파일 %Ln개 확인함</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln개는 사용 중</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln개는 검사 후 변경됨</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln개는 기타 이유</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln개는 사용할 휴지통 없음</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln개는 다른 파일 시스템에 있음</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln개는 권한 없음</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln개는 보호된 폴더에 있음</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln개는 중지 전에 처리 못 함</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln개는 삭제하지 않는 폴더임</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>항목 %Ln개가 남았습니다: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>%1 읽는 중</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>폴더 %Ln개 건너뜀</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>다시 검사</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>폴더 %Ln개를 읽을 수 없음</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>활성 · 마지막 사용: %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>활성 프로젝트는 건드리지 않았습니다.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>%1 정리</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln일</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>최근에 작업하지 않은 프로젝트의 빌드 결과물을 정리해 공간을 확보합니다.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>빌드 폴더를 찾는 중…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>마지막 사용: %1 · 안전하게 정리 가능</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>빌드 결과물이 있는 프로젝트가 모두 최근에 사용되었습니다.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>정리할 항목 없음</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>활성 프로젝트 보호 기간</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 프로젝트는 활성 상태라 계속 보호됩니다.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 프로젝트는 활성 상태라 계속 보호됩니다.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 확보 가능</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 확보함</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>프로젝트 검사</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>정리할 프로젝트를 선택하세요</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>개발 빌드 폴더</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>첫 번째 유지</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 / %2 비교함</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>내용으로 일치</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>사본 %Ln개</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>개인 폴더에서 내용이 똑같은 파일을 찾아 하나씩만 남깁니다.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>각 %1 · %2 절약</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>중복 파일 찾기</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>파일 내용을 비교하는 중…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>이 사본을 남기고 나머지는 휴지통으로 옮기기</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>이것 유지</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 확보 가능</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>중복 항목 모두 삭제</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>중복 파일</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>소리 끄기</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Tornivo 끝내기</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>소리 켜기</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>다운로드 폴더와 바탕 화면에 남은 디스크 이미지와 설치 패키지를 찾습니다.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>설치 파일 찾기</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 이미 설치됨</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>설치 파일(%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>%1 휴지통으로 이동</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>설치 파일을 찾는 중…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>삭제할 설치 파일을 선택하세요</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>남은 설치 파일</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>압축 파일</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>개발 파일</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>문서</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>이미지</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>동영상</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>개인 폴더에서 3개월 동안 열지 않은 큰 파일을 찾습니다.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>큰 파일 찾기</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>마지막 열람: %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>%1 휴지통으로 이동</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>연 적 없음</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>큰 파일을 찾는 중…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>삭제할 파일을 선택하세요</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>강조 색상</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>자동으로 정리</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>예약 검사에서 찾은 불필요한 파일을 알리기만 하지 않고 삭제합니다.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>확인하는 중…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>데스크톱 알림</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Tornivo 자체 창 대신 데스크톱 알림으로 배너를 표시합니다.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>매일</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>3일마다</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>매주</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>시스템 언어</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>마지막 실행: %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>아직 실행 안 함</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>보호된 폴더</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>폴더 추가…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>보호된 폴더가 없습니다.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>검사 결과에는 이 폴더 안의 항목이 나타나지 않습니다.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>이 폴더 보호 해제</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>%1의 보호된 폴더 목록을 읽을 수 없어서, 이 파일을 고치거나 삭제할 때까지 아무것도 삭제하지 않습니다.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>예약 검사</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Tornivo가 실행 중일 때 백그라운드에서 불필요한 파일을 검사합니다.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>소리</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>로그인하면 Tornivo를 트레이에서 실행해 예약 검사가 계속되게 합니다.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>테스트 배너 표시</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>Tornivo %1은(는) 최신 버전입니다.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>버전 %1을(를) 사용할 수 있습니다.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>업데이트를 확인할 수 없습니다.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>업데이트</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>휴지통 완전 삭제</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 / %2 기록됨</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>휴지통의 모든 항목을 덮어쓴 뒤 삭제합니다. 이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>휴지통을 완전 삭제할까요?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>완전 삭제할 항목이 없습니다.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>휴지통이 비어 있습니다</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>항목 %Ln개 지우기</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>항목 %Ln개를 지웠습니다</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>덮어쓰고 지우는 중…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>휴지통에 항목 %Ln개</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>덮어쓰기</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 덮어씀</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>SSD에서는 드라이브가 보관하는 모든 사본까지 덮어쓸 수 없습니다. 이런 사본은 전체 디스크 암호화로 보호됩니다.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>최고(7회)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>빠르게(1회)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>표준(3회)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>디스크</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>메모리</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>정리</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>오래된 빌드 결과물 %1을(를) 정리할 수 있습니다.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>디스크 사용률 %1, 남은 공간 %2.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>모두 양호합니다.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>설치된 앱의 설치 파일 %Ln개가 %1을(를) 차지합니다.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>불필요한 파일 %1을(를) 정리할 수 있습니다.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>메모리 사용률이 %1입니다.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>검토</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>검사</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>엑스레이</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>정리</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>개발</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>중복 파일</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>설치 파일</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>큰 파일</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>완전 삭제</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>최적화</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>앱 제거</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>엑스레이</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>그래파이트</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>초록</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>주황</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>분홍</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>보라</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Tornivo 열기</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>끝내기</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>관리자 암호가 필요합니다</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>캐시된 이름 조회 결과 지우기</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>DNS 캐시 비우기</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>데스크톱 패널 다시 불러오기</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>패널 다시 시작</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>멈추거나 이상한 파일 관리자 고치기</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>파일 관리자 다시 시작</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>글꼴 캐시를 다시 만들어 깨진 글꼴 고치기</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>글꼴 캐시 초기화</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>오래된 시스템 로그를 지우고 최신 200MB는 남깁니다</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>시스템 저널 줄이기</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>어떤 앱도 쓰지 않는 캐시가 차지한 메모리 해제</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>메모리 확보</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>업데이트 설치 후 남은 패키지 파일을 지웁니다</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>패키지 캐시 정리</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>파일 미리 보기의 썸네일 캐시 지우기</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>썸네일 초기화</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>실행</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>설치된 앱이 쓰지 않는 Flatpak 런타임을 제거합니다</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>사용하지 않는 런타임 제거</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>클릭 한 번으로 하는 유지 관리</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>최적화</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>애플리케이션</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>이름 일치</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>또는 목록에서 고르세요.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>여기에 앱을 끌어다 놓으세요</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Flatpak 앱: flatpak uninstall로 제거하고 잔여 파일은 휴지통으로 옮깁니다.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>잔여 파일을 찾는 중…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>캐시</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>컨테이너</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>자동 시작 항목</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>로그</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>저장된 상태</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>스크립트</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>앱 데이터</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>웹 데이터</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>앱 ID로 찾은 잔여 파일</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>앱 ID 없음: 이름으로 찾은 잔여 파일을 확인하세요</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>끝내고 제거</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>지금 끝내고 잔여 파일과 함께 휴지통으로 옮길까요?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>앱이 실행 중입니다</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>앱 검색</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>총 %1 · 잔여 파일 %Ln개</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>시스템 패키지 관리자로 설치된 앱입니다. 앱은 그대로 두고, 선택한 잔여 파일만 휴지통으로 옮깁니다.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>제거</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>빌드 결과물이며, 필요하면 다시 만들어집니다.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>캐시나 로그 데이터라 삭제해도 안전합니다.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>매우 큰 파일입니다. 아직 필요한지 확인하세요.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>아마 더 이상 필요 없는 설치 파일입니다.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>%1 이후로 열지 않았습니다.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>홈 폴더를 분석하는 중…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>검토</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>안전</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>이 종류에서 가장 큰 파일입니다.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>홈 폴더에서 무엇이 공간을 차지하는지 파일 종류별로 봅니다.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>파일 %Ln개</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>파일 %Ln개 검사함</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>마지막 열람: %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>연 적 없음</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>다시 분석</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>파일 관리자에서 보기</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>분석</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>위치: %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>휴지통으로 이동</translation>
    </message>
</context>
</TS>
