#pragma once
// The one observable state of the application. It owns one instance of every engine, publishes
// each engine's latest result, holds the selected section, two persisted preferences and the
// busy flags, and offers the operations the screens call. Lives on the main thread: engines run
// on their own workers and results are written back here.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariant>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <stop_token>

#include "DeveloperResultView.h"
#include "Exclusions.h"
#include "RecordListModel.h"
#include "ScanResultView.h"
#include "ScheduleManager.h"
#include "Section.h"
#include "SerialExecutor.h"
#include "SoundCue.h"
#include "SystemMonitor.h"
#include "TuneUpEngine.h"
#include "UninstallTargetView.h"
#include "UpdateChecker.h"
#include "engines/DeveloperCleanEngine.h"
#include "engines/DiskAnalyzer.h"
#include "engines/DuplicateFinder.h"
#include "engines/InstallerScanner.h"
#include "engines/LargeFileScanner.h"
#include "engines/QuickCleanEngine.h"
#include "engines/SecureEraser.h"
#include "engines/SuggestionEngine.h"
#include "engines/UninstallerEngine.h"
#include "models/DiskModels.h"
#include "models/FinderModels.h"
#include "models/InstallerModels.h"
#include "models/ShredModels.h"
#include "platform/LastTrashMove.h"
#include "platform/Layout.h"
#include "platform/PreferencesStore.h"
#include "platform/ProtectedFilter.h"
#include "workflows/DuplicatesWorkflow.h"
#include "workflows/FileWorkflows.h"
#include "workflows/JunkWorkflow.h"

class QQmlEngine;
class QJSEngine;

namespace tornivo::app {

class AppState : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QString section READ sectionId WRITE setSectionId NOTIFY sectionChanged)
    Q_PROPERTY(QVariantList tabs READ tabList CONSTANT)
    // The junk folders in category order (appCache, systemLogs), each {category, folder}, the
    // folder for display with the home written "~".
    Q_PROPERTY(QVariantList junkFolders READ junkFolderList CONSTANT)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY isScanningChanged)
    Q_PROPERTY(bool isCleaning READ isCleaning NOTIFY isCleaningChanged)
    Q_PROPERTY(
        tornivo::app::ScanResultView* scanResult READ scanResultView NOTIFY scanResultChanged)
    Q_PROPERTY(QVariant lastFreed READ lastFreedValue NOTIFY lastFreedChanged)
    Q_PROPERTY(
        QStringList skippedRunningApps READ skippedRunningApps NOTIFY skippedRunningAppsChanged)
    Q_PROPERTY(bool showRunningAppsAlert READ showRunningAppsAlert WRITE setShowRunningAppsAlert
                   NOTIFY showRunningAppsAlertChanged)
    Q_PROPERTY(bool isScanningDev READ isScanningDev NOTIFY isScanningDevChanged)
    Q_PROPERTY(tornivo::app::DeveloperResultView* developerResult READ developerResultView NOTIFY
                   developerResultChanged)
    Q_PROPERTY(QVariant lastDevFreed READ lastDevFreedValue NOTIFY lastDevFreedChanged)
    Q_PROPERTY(int developerProtectionDays READ developerProtectionDays WRITE
                   setDeveloperProtectionDays NOTIFY developerProtectionDaysChanged)
    Q_PROPERTY(bool soundEnabled READ soundEnabled WRITE setSoundEnabled NOTIFY soundEnabledChanged)
    Q_PROPERTY(bool isAnalyzing READ isAnalyzing NOTIFY isAnalyzingChanged)
    Q_PROPERTY(tornivo::app::RecordListModel* diskCategories READ diskCategoriesModel NOTIFY
                   diskCategoriesChanged)
    Q_PROPERTY(qint64 analysisFileCount READ analysisFileCount NOTIFY analysisFileCountChanged)
    Q_PROPERTY(QString analysisFolder READ analysisFolder NOTIFY analysisFolderChanged)
    Q_PROPERTY(bool isFindingDuplicates READ isFindingDuplicates NOTIFY isFindingDuplicatesChanged)
    Q_PROPERTY(tornivo::app::RecordListModel* duplicateGroups READ duplicateGroupsModel NOTIFY
                   duplicateGroupsChanged)
    Q_PROPERTY(bool isFindingLarge READ isFindingLarge NOTIFY isFindingLargeChanged)
    Q_PROPERTY(
        tornivo::app::RecordListModel* largeFiles READ largeFilesModel NOTIFY largeFilesChanged)
    Q_PROPERTY(bool isInspecting READ isInspecting NOTIFY isInspectingChanged)
    // From a confirmed uninstall until its answer: the plan can no longer be changed or dropped.
    Q_PROPERTY(bool isUninstalling READ isUninstalling NOTIFY isUninstallingChanged)
    Q_PROPERTY(tornivo::app::UninstallTargetView* uninstallTarget READ uninstallTargetView NOTIFY
                   uninstallTargetChanged)
    Q_PROPERTY(tornivo::app::RecordListModel* installedApps READ installedAppsModel NOTIFY
                   installedAppsChanged)
    Q_PROPERTY(bool showAppRunningAlert READ showAppRunningAlert WRITE setShowAppRunningAlert NOTIFY
                   showAppRunningAlertChanged)
    Q_PROPERTY(
        bool isScanningInstallers READ isScanningInstallers NOTIFY isScanningInstallersChanged)
    Q_PROPERTY(tornivo::app::RecordListModel* installerFiles READ installerFilesModel NOTIFY
                   installerFilesChanged)
    Q_PROPERTY(QStringList runningTuneUp READ runningTuneUpList NOTIFY runningTuneUpChanged)
    Q_PROPERTY(QVariantList tuneUpActions READ tuneUpActionList CONSTANT)
    Q_PROPERTY(QVariantList suggestions READ suggestionList NOTIFY suggestionsChanged)
    Q_PROPERTY(
        tornivo::app::RecordListModel* trashItems READ trashItemsModel NOTIFY trashItemsChanged)
    Q_PROPERTY(qint64 trashBytes READ trashBytes NOTIFY trashBytesChanged)
    Q_PROPERTY(int shredStrength READ shredStrengthPasses WRITE setShredStrengthPasses NOTIFY
                   shredStrengthChanged)
    // The strengths the shredder offers, in their order, each {passes, labelKey}.
    Q_PROPERTY(QVariantList shredStrengths READ shredStrengthList CONSTANT)
    Q_PROPERTY(bool isShredding READ isShredding WRITE setIsShredding NOTIFY isShreddingChanged)
    Q_PROPERTY(QVariant lastShredOutcome READ lastShredOutcomeValue NOTIFY lastShredOutcomeChanged)
    Q_PROPERTY(tornivo::app::Exclusions* exclusions READ exclusions CONSTANT)
    Q_PROPERTY(tornivo::app::SystemMonitor* monitor READ monitor CONSTANT)
    Q_PROPERTY(tornivo::app::ScheduleManager* schedule READ schedule CONSTANT)
    Q_PROPERTY(tornivo::app::UpdateChecker* updates READ updates CONSTANT)
    // The last removal of each section, by section id, until the section lists afresh (a scan,
    // an inspection): {freed, done, left (items that stayed),
    // reasons ({reason: count}: "changed", "protected", "permissionDenied", "busy",
    // "otherFileSystem", "noTrash", "failed"), refused (why nothing was attempted, or "")}.
    Q_PROPERTY(QVariantMap outcomes READ outcomeList NOTIFY outcomesChanged)
    // What the last scan of each section could not read, by section id: {refused (the roots
    // left alone, each a sentence), unread (count of folders not read), folders (the first of
    // them, as text)}.
    Q_PROPERTY(QVariantMap unread READ unreadList NOTIFY unreadChanged)
    // How far each busy section's long work has come, by section id, read a few times a second:
    // {files (seen), folder (being read), bytesDone, bytesTotal (compared of those to compare
    // for duplicates; written of those to write for the shredder)}. A section that is not busy
    // has no entry.
    Q_PROPERTY(QVariantMap progress READ progressList NOTIFY progressChanged)

  public:
    AppState(Layout layout, std::shared_ptr<PreferencesStore> store, QObject* parent = nullptr);
    ~AppState() override;

    // The instance QML gets; set by main() before the first QML engine asks.
    static void setInstance(AppState* state);
    static AppState* create(QQmlEngine*, QJSEngine* engine);

    // Seams for the sound service and for tests.
    void setCuePlayer(CuePlayer player) { playCue_ = std::move(player); }
    void setClock(std::function<TimePoint()> clock) { now_ = std::move(clock); }
    void setRunningApps(std::function<RunningApps::Map()> provider) {
        runningApps_ = std::move(provider);
    }
    // `undo`, when given, is offered on the banner for as long as it shows.
    using BannerPresenter = std::function<void(const QString& icon, const QString& title,
                                               const QString& message, std::function<void()> undo)>;
    void setBannerPresenter(BannerPresenter presenter) { showBanner_ = std::move(presenter); }

    const Layout& layout() const { return layout_; }
    PreferencesStore& store() const { return *store_; }

    // Section
    Section section() const { return section_; }
    void setSection(Section section);
    QString sectionId() const;
    void setSectionId(const QString& id);
    QVariantList tabList() const;

    // Junk
    QVariantList junkFolderList() const;
    bool isScanning() const { return isScanning_; }
    bool isCleaning() const { return isCleaning_; }
    const std::optional<ScanResult>& scanResult() const { return scanResult_; }
    std::optional<ByteCount> lastFreed() const { return lastFreed_; }
    QStringList skippedRunningApps() const { return skippedRunningApps_; }
    bool showRunningAppsAlert() const { return showRunningAppsAlert_; }
    void setShowRunningAppsAlert(bool shown);

    // Developer
    bool isScanningDev() const { return isScanningDev_; }
    const std::optional<DeveloperScanResult>& developerResult() const { return developerResult_; }
    std::optional<ByteCount> lastDevFreed() const { return lastDevFreed_; }
    int developerProtectionDays() const { return developerProtectionDays_; }
    void setDeveloperProtectionDays(int days);
    bool soundEnabled() const { return soundEnabled_; }
    void setSoundEnabled(bool enabled);
    // Marks each project active when its last activity lies after now minus the protection
    // window, and selects exactly the inactive ones.
    Q_INVOKABLE void reclassifyDeveloperResult();

    // X-Ray
    bool isAnalyzing() const { return isAnalyzing_; }
    const std::vector<DiskCategory>& diskCategories() const;
    qint64 analysisFileCount() const { return analysisFileCount_; }
    QString analysisFolder() const { return analysisFolder_; }

    // Duplicates, large files, installers
    bool isFindingDuplicates() const { return isFindingDuplicates_; }
    const std::vector<DuplicateGroup>& duplicateGroups() const;
    bool isFindingLarge() const { return isFindingLarge_; }
    const std::vector<LargeFile>& largeFiles() const;
    bool isScanningInstallers() const { return isScanningInstallers_; }
    const std::vector<InstallerFile>& installerFiles() const;

    // Uninstall
    bool isInspecting() const { return isInspecting_; }
    bool isUninstalling() const { return isUninstalling_; }
    const std::optional<UninstallTarget>& uninstallTarget() const { return uninstallTarget_; }
    const std::vector<InstalledApp>& installedApps() const;
    bool showAppRunningAlert() const { return showAppRunningAlert_; }
    void setShowAppRunningAlert(bool shown);

    // Tune-up
    const std::set<std::string>& runningTuneUp() const { return runningTuneUp_; }
    QStringList runningTuneUpList() const;
    const std::vector<TuneUpAction>& tuneUpActions() const { return tuneUpActions_; }
    QVariantList tuneUpActionList() const;
    // Runs one task unless the same one is running; a banner tells how it went.
    void runTuneUp(const TuneUpAction& action);
    Q_INVOKABLE void runTuneUp(const QString& id);

    // Shred
    const std::vector<Path>& trashItems() const;
    qint64 trashBytes() const { return trashBytes_; }
    ShredStrength shredStrength() const { return shredStrength_; }
    int shredStrengthPasses() const { return static_cast<int>(shredStrength_); }
    static QVariantList shredStrengthList();
    void setShredStrengthPasses(int passes);
    bool isShredding() const { return isShredding_; }
    void setIsShredding(bool shredding);
    const std::optional<ShredOutcome>& lastShredOutcome() const { return lastShredOutcome_; }
    Q_INVOKABLE void dismissShredOutcome();

    Exclusions* exclusions() const { return exclusions_; }
    SystemMonitor* monitor() const { return monitor_; }
    ScheduleManager* schedule() const { return schedule_; }
    UpdateChecker* updates() const { return updates_; }

    // The last removal of a section and what its last scan could not read.
    // Stops whatever the section is busy with (a scan, a clean, an inspection, a shred). A
    // stopped scan leaves the earlier result and lowers the busy flag; a stopped removal ends
    // between items and publishes the outcome of what it did.
    void cancel(Section section);
    Q_INVOKABLE void cancel(const QString& section);
    QVariantMap progressList() const { return progress_; }

    const RemovalOutcome* lastOutcome(Section section) const;
    const ScanReport* lastReport(Section section) const;
    QVariantMap outcomeList() const;
    QVariantMap unreadList() const;

    // The advice for the suggestion strip, first the most useful, built afresh at each read.
    std::vector<Suggestion> suggestions() const;
    // Each as {id, icon, message, actionLabel, action}, in words of the chosen language.
    QVariantList suggestionList() const;
    // Selects the section that handles a suggestion's action; starts nothing by itself.
    Q_INVOKABLE void perform(const QString& action);

    // Called by the shell when its root view is shown.
    Q_INVOKABLE void onAppear();
    // The screenshot mode's sample: these lists shown as if their scans had just found them.
    void showSample(std::vector<DiskCategory> categories, std::vector<LargeFile> largeFiles,
                    DeveloperScanResult developer);
    // Junk scan: publishes the items that lie outside protected folders, largest first.
    Q_INVOKABLE void runQuickScan();
    // Removes the selected junk permanently, except the items of running applications, whose
    // names it reports; raises the running-applications alert when nothing is left to clean.
    Q_INVOKABLE void runClean();
    // Flips the tick of the scan result's item with this id; runClean removes the ticked ones.
    Q_INVOKABLE void toggleJunkItem(const QString& id);

    // X-Ray (AppStateDiskAnalysis.cpp)
    // Walks the home; publishes the categories without protected files (their bytes still
    // count) and forwards the walk's progress to analysisFileCount and analysisFolder.
    Q_INVOKABLE void runDiskAnalysis();
    // Moves the file to the Trash and takes it out of its category; a failed move changes
    // nothing.
    void trashDiskFile(const DiskFile& file, FileKind kind);
    // The same for the listed file with this id in the category of this kind ("videos", ...);
    // nothing when there is no such file.
    Q_INVOKABLE void trashDiskFile(const QString& fileId, const QString& kind);
    // The listed files of one kind, kept up to date with diskCategories (empty while the kind
    // has no category); null for an unknown kind. Owned by AppState.
    Q_INVOKABLE tornivo::app::RecordListModel* diskFiles(const QString& kind);

  private:
    void publishDiskFiles();
    // Takes a file moved to the Trash out of its category.
    void dropDiskFile(const DiskFile& file, FileKind kind);
    std::array<RecordList<DiskFile>*, RawEnumTable<FileKind>::cases.size()> diskFileModels_{};

  public:
    // Duplicates (AppStateDuplicates.cpp)
    Q_INVOKABLE void runDuplicateScan();
    void removeDuplicates(const Path& keeping, const DuplicateGroup& group);
    Q_INVOKABLE void removeDuplicates(const QString& keepingFileId, const QString& groupId);
    void autoResolveDuplicates(const DuplicateGroup& group);
    Q_INVOKABLE void autoResolveDuplicates(const QString& groupId);
    Q_INVOKABLE void removeAllDuplicates();

  private:
    // Keeps the chosen copy of each group (the first when none is named) and moves the others.
    void resolveDuplicates(std::vector<std::pair<DuplicateGroup, Path>> choices, bool everyGroup);

  public:
    // Large files (AppStateLargeFiles.cpp)
    static constexpr ByteCount kLargeFileMinSize = 524'288'000;  // 500 MiB on disk
    static constexpr int kLargeFileMonths = 3;                   // not opened for this long
    // Publishes the large files outside protected folders, largest first.
    Q_INVOKABLE void runLargeFileScan();
    // Flips the tick of the first listed file equal to the given one (none: nothing).
    void toggleSelection(const LargeFile& file);
    Q_INVOKABLE void toggleSelection(const QString& id);
    // Moves the ticked files to the Trash; they leave the list whether or not they could go.
    Q_INVOKABLE void removeSelectedLargeFiles();

    // Installers (AppStateInstallers.cpp)
    // Publishes the installer files outside protected folders, largest first.
    Q_INVOKABLE void runInstallerScan();
    // Flips the tick of the first listed installer equal to the given one (none: nothing).
    void toggleInstaller(const InstallerFile& file);
    Q_INVOKABLE void toggleInstaller(const QString& id);
    // Moves the ticked installers to the Trash; they leave the list whether or not they could go.
    Q_INVOKABLE void removeSelectedInstallers();

    // Developer (AppStateDeveloper.cpp)
    // Finds the build outputs with the current protection window; publishes those outside
    // protected folders; the found cue when the cleanable ones hold more than 0 bytes.
    Q_INVOKABLE void runDeveloperScan();
    // Flips the tick of the first listed project equal to the given one; nothing for an active
    // project, a stale copy or when there is no result.
    void toggleDeveloperProject(const DeveloperProject& project);
    Q_INVOKABLE void toggleDeveloperProject(const QString& id);
    // Ticks every idle output of a project (by the `id` of its group) when any is unticked, else
    // unticks them all.
    Q_INVOKABLE void toggleDeveloperGroup(const QString& id);
    // Deletes the outputs of the ticked inactive projects (not those protected since the scan);
    // publishes lastDevFreed and clears the result.
    Q_INVOKABLE void runDeveloperClean();

    // Uninstall (AppStateUninstall.cpp)
    // A polite quit is waited for this many times this long before the removal goes on anyway
    // (on the uninstaller's worker, never the main thread).
    static constexpr int kQuitPolls = 30;
    static constexpr int kQuitPollMs = 100;
    // Reads the installed applications into installedApps.
    Q_INVOKABLE void loadInstalledApps();
    // Publishes the plan for the application at `appURL`, without protected leftovers.
    void inspectApp(const Path& appURL);
    // The same for an application by its list id (the lossless text of its path).
    Q_INVOKABLE void inspectApp(const QString& appID);
    // A file dropped on the uninstall screen: inspected when it is an application of the layout
    // (UninstallerEngine::droppedApplication), ignored otherwise. The path is taken from the
    // URL's bytes, never from a text form of it.
    Q_INVOKABLE void inspectDroppedFile(const QUrl& url);
    // Flips the tick of the first leftover of the plan equal to the given one (none: nothing).
    void toggleLeftover(const AppLeftover& leftover);
    Q_INVOKABLE void toggleLeftover(const QString& id);
    // Drops the plan (the screen's cancel).
    Q_INVOKABLE void cancelUninstall();
    // Removes the application and its selected leftovers. While the application runs: raises
    // showAppRunningAlert, or with `force` asks it to quit (SIGTERM) and waits up to
    // kQuitPolls x kQuitPollMs for it before going on.
    Q_INVOKABLE void confirmUninstall(bool force);
    // How the removal command of a Flatpak is run: by default as a process watched by the event
    // loop (a seam for tests).
    using CommandRunner = std::function<QFuture<bool>(const ProcessInvocation&)>;
    void setUninstallCommandRunner(CommandRunner runner) {
        runUninstallCommand_ = std::move(runner);
    }

  private:
    void setUninstallTarget(std::optional<UninstallTarget> target);
    // `undoable`: its files went to the Trash, and the application did not go by a package tool.
    void finishUninstall(const UninstallTarget& plan, bool appRemoved,
                         std::vector<TrashedItem> undoable = {});
    CommandRunner runUninstallCommand_;

  public:
    // The way back (AppStateUndo.cpp): puts back, off the main thread, what the move to the Trash
    // that took `moved` took, while it is the last one recorded (LastTrashMove.h), then says in a
    // banner what came back and what stayed, and why.
    void undoTrashMove(std::vector<TrashedItem> moved);

  private:
    // After a move to the Trash that took something: a banner that offers Undo.
    void offerUndo(const RemovalOutcome& outcome);
    // What the Undo of a banner that moved `moved` runs: that move put back, if it is still the
    // last one recorded; nothing once this state is gone.
    std::function<void()> undoAction(std::vector<TrashedItem> moved);
    void reportRestore(const RestoreOutcome& outcome);

  public:
    // Shred (AppStateShred.cpp)
    // Lists the Trash into trashItems and trashBytes.
    Q_INVOKABLE void loadTrash();
    // Overwrites and deletes the listed Trash items with shredStrength's number of passes;
    // publishes lastShredOutcome and empties the list. Does nothing while the list is empty.
    Q_INVOKABLE void runSecureEmptyTrash();

    // QML-facing forms of the properties above.
    ScanResultView* scanResultView() const;
    DeveloperResultView* developerResultView() const;
    UninstallTargetView* uninstallTargetView() const;
    QVariant lastFreedValue() const;
    QVariant lastDevFreedValue() const;
    QVariant lastShredOutcomeValue() const;
    RecordListModel* diskCategoriesModel() const;
    RecordListModel* duplicateGroupsModel() const;
    RecordListModel* largeFilesModel() const;
    RecordListModel* installedAppsModel() const;
    RecordListModel* installerFilesModel() const;
    RecordListModel* trashItemsModel() const;

  signals:
    void sectionChanged();
    void isScanningChanged();
    void isCleaningChanged();
    void scanResultChanged();
    void lastFreedChanged();
    void skippedRunningAppsChanged();
    void showRunningAppsAlertChanged();
    void isScanningDevChanged();
    void developerResultChanged();
    void lastDevFreedChanged();
    void developerProtectionDaysChanged();
    void soundEnabledChanged();
    void isAnalyzingChanged();
    void diskCategoriesChanged();
    void analysisFileCountChanged();
    void analysisFolderChanged();
    void isFindingDuplicatesChanged();
    void duplicateGroupsChanged();
    void isFindingLargeChanged();
    void largeFilesChanged();
    void isInspectingChanged();
    void isUninstallingChanged();
    void uninstallTargetChanged();
    void installedAppsChanged();
    void showAppRunningAlertChanged();
    void isScanningInstallersChanged();
    void installerFilesChanged();
    void runningTuneUpChanged();
    void trashItemsChanged();
    void trashBytesChanged();
    void shredStrengthChanged();
    void isShreddingChanged();
    void lastShredOutcomeChanged();
    void outcomesChanged();
    void unreadChanged();
    void progressChanged();
    // A move of an X-Ray file to the Trash is over; whether the file went.
    void diskFileTrashed(bool moved);

    void suggestionsChanged();

  private:
    template <class T>
    void assign(T& member, T value, void (AppState::*changed)()) {
        if (member == value) return;
        member = std::move(value);
        emit(this->*changed)();
    }
    void play(SoundCue cue) const {
        if (playCue_) playCue_(cue);
    }
    void showBanner(const QString& icon, const QString& title, const QString& message,
                    std::function<void()> undo = {}) const {
        if (showBanner_) showBanner_(icon, title, message, std::move(undo));
    }
    void setScanResult(std::optional<ScanResult> result);
    // Keeps a section's last removal for the screens; a removal refused because the protected
    // folders cannot be read is also said in a banner.
    void publishOutcome(Section section, RemovalOutcome outcome);
    // Keeps what a section's last scan could not read; roots it left alone are also said in a
    // banner. The section's last removal outcome goes: it was about the list before.
    void publishReport(Section section, ScanReport report);
    void forgetOutcome(Section section);
    void setDeveloperResult(std::optional<DeveloperScanResult> result);

    const Layout layout_;
    const std::shared_ptr<PreferencesStore> store_;
    CuePlayer playCue_;
    std::function<TimePoint()> now_;
    std::function<RunningApps::Map()> runningApps_;
    BannerPresenter showBanner_;
    std::vector<TuneUpAction> tuneUpActions_;

    // Published state
    Section section_ = Section::clean;
    bool isScanning_ = false;
    bool isCleaning_ = false;
    std::optional<ScanResult> scanResult_;
    std::optional<ByteCount> lastFreed_;
    QStringList skippedRunningApps_;
    bool showRunningAppsAlert_ = false;
    bool isScanningDev_ = false;
    std::optional<DeveloperScanResult> developerResult_;
    std::optional<ByteCount> lastDevFreed_;
    int developerProtectionDays_ = 0;
    bool soundEnabled_ = true;
    bool isAnalyzing_ = false;
    qint64 analysisFileCount_ = 0;
    QString analysisFolder_;
    bool isFindingDuplicates_ = false;
    bool isFindingLarge_ = false;
    bool isInspecting_ = false;
    bool isUninstalling_ = false;
    std::optional<UninstallTarget> uninstallTarget_;
    bool showAppRunningAlert_ = false;
    bool isScanningInstallers_ = false;
    std::set<std::string> runningTuneUp_;
    qint64 trashBytes_ = 0;
    ShredStrength shredStrength_ = ShredStrength::quick;
    bool isShredding_ = false;
    std::optional<ShredOutcome> lastShredOutcome_;
    // Long work of a section: what stops it, and where its progress is left for the timer.
    struct ProgressSlot {
        std::mutex mutex;
        ScanProgress latest;
        void set(const ScanProgress& p) {
            std::lock_guard lock(mutex);
            latest = p;
        }
        ScanProgress read() {
            std::lock_guard lock(mutex);
            return latest;
        }
    };
    struct Operation {
        std::stop_source stop;
        std::shared_ptr<ProgressSlot> progress = std::make_shared<ProgressSlot>();
        // Hears the work's progress on any thread; only stores it.
        ScanProgressCallback callback() const {
            return [slot = progress](const ScanProgress& p) { slot->set(p); };
        }
    };
    // Starts a section's long work (a stop asked for earlier work of the section does not
    // reach it); the progress timer runs while any is under way.
    Operation start(Section section);
    // The work with this stop source is over; its progress is no longer shown.
    void finish(Section section, const std::stop_source& stop);
    void readProgress();
    std::map<Section, Operation> operations_;
    // Sections whose move to the Trash is under way: a second confirm meanwhile does nothing
    // (it would find the same files gone and report them as changed).
    std::set<Section> removing_;
    QTimer progressTimer_;
    QVariantMap progress_;

    std::map<Section, RemovalOutcome> outcomes_;
    std::map<Section, ScanReport> reports_;
    bool cleanPlanned_ = false;    // a junk clean is being planned: a second one waits its turn
    TrashContents trashContents_;  // the Trash as last listed, identities included

    // QML mirrors of the optional results; the lists live in their models.
    ScanResultView* scanResultView_;
    DeveloperResultView* developerResultView_;
    UninstallTargetView* uninstallTargetView_;
    RecordList<DiskCategory>* diskCategories_;
    RecordList<DuplicateGroup>* duplicateGroups_;
    RecordList<LargeFile>* largeFiles_;
    RecordList<InstalledApp>* installedApps_;
    RecordList<InstallerFile>* installerFiles_;
    RecordList<Path>* trashItems_;

    // Owned services and engines, in the order they are created.
    SystemMonitor* monitor_;
    UpdateChecker* updates_;
    Exclusions* exclusions_;
    SerialExecutor<QuickCleanEngine> quickClean_;
    SerialExecutor<DeveloperCleanEngine> developerClean_;
    SerialExecutor<InstallerScanner> installerScanner_;
    SerialExecutor<SecureEraser> secureEraser_;
    SerialExecutor<DiskAnalyzer> diskAnalyzer_;
    SerialExecutor<DuplicateFinder> duplicateFinder_;
    SerialExecutor<LargeFileScanner> largeScanner_;
    SerialExecutor<UninstallerEngine> uninstaller_;
    SerialExecutor<Layout> restorer_;  // puts back what a move to the Trash took
    TuneUpEngine* tuneUp_;
    ScheduleManager* schedule_;
};

}  // namespace tornivo::app
