#include "AppState.h"

#include <QJSEngine>
#include <QQmlEngine>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <climits>

#include "BannerCenter.h"
#include "Fmt.h"
#include "RecordRoles.h"
#include "platform/PathText.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::app {

namespace {
AppState* g_instance = nullptr;
}  // namespace

AppState::AppState(Layout layout, std::shared_ptr<PreferencesStore> store, QObject* parent)
    : QObject(parent),
      layout_(std::move(layout)),
      store_(std::move(store)),
      now_([] { return Clock::now(); }),
      runningApps_([] { return RunningApps::current(); }),
      showBanner_([](const QString& icon, const QString& title, const QString& message,
                     std::function<void()> undo) {
          std::optional<BannerAction> action;
          if (undo) action = BannerAction{qtTrId("banner.undo"), std::move(undo)};
          BannerCenter::shared().show(icon, title, message, std::move(action));
      }),
      tuneUpActions_(availableTuneUpActions(layout_, processEnvironment())),
      scanResultView_(new ScanResultView(this)),
      developerResultView_(new DeveloperResultView(this)),
      uninstallTargetView_(new UninstallTargetView(this)),
      diskCategories_(new RecordList<DiskCategory>(this)),
      duplicateGroups_(new RecordList<DuplicateGroup>(this)),
      largeFiles_(new RecordList<LargeFile>(this)),
      installedApps_(new RecordList<InstalledApp>(this)),
      installerFiles_(new RecordList<InstallerFile>(this)),
      trashItems_(new RecordList<Path>(this)),
      monitor_(new SystemMonitor(layout_.home, this)),
      updates_(new UpdateChecker(this)),
      exclusions_(new Exclusions(*store_, layout_.home, this)),
      quickClean_(std::make_shared<QuickCleanEngine>(layout_)),
      developerClean_(std::make_shared<DeveloperCleanEngine>(layout_)),
      installerScanner_(std::make_shared<InstallerScanner>(layout_, layout_.installerExtensions)),
      secureEraser_(std::make_shared<SecureEraser>(layout_, 1'048'576)),
      diskAnalyzer_(std::make_shared<DiskAnalyzer>(layout_)),
      duplicateFinder_(std::make_shared<DuplicateFinder>(kDuplicateMinSize, defaultWalkThreads(),
                                                         layout_.trash)),
      largeScanner_(std::make_shared<LargeFileScanner>(layout_)),
      uninstaller_(std::make_shared<UninstallerEngine>(layout_)),
      restorer_(std::make_shared<Layout>(layout_)),
      tuneUp_(new TuneUpEngine(layout_.kind, this)),
      schedule_(new ScheduleManager(
          quickClean_, *store_, [this] { return exclusions_->protection(); }, this)) {
    developerProtectionDays_ =
        static_cast<int>(setting::read(*store_, setting::developerProtectionDays));
    soundEnabled_ = setting::read(*store_, setting::soundEnabled);

    // The advice follows whatever it is made of.
    for (auto signal : {&AppState::scanResultChanged, &AppState::developerResultChanged,
                        &AppState::installerFilesChanged})
        connect(this, signal, this, &AppState::suggestionsChanged);
    connect(monitor_, &SystemMonitor::statsChanged, this, &AppState::suggestionsChanged);
    connect(installerFiles_, &QAbstractItemModel::modelReset, this, &AppState::suggestionsChanged);
    connect(installerFiles_, &QAbstractItemModel::rowsRemoved, this, &AppState::suggestionsChanged);
    connect(installerFiles_, &QAbstractItemModel::dataChanged, this, &AppState::suggestionsChanged);

    // Progress is read a few times a second rather than sent with every file.
    progressTimer_.setInterval(250);
    connect(&progressTimer_, &QTimer::timeout, this, &AppState::readProgress);

    // An automatic clean leaves what the user unticked on the clean screen, and the list shown
    // goes once it has removed junk (it would name what is gone).
    schedule_->setUntickedJunk([this] {
        std::vector<Path> unticked;
        if (scanResult_)
            for (const auto& item : scanResult_->items)
                if (!item.isSelected) unticked.push_back(item.url);
        return unticked;
    });
    connect(schedule_, &ScheduleManager::junkCleaned, this, [this] {
        if (!isCleaning_ && !cleanPlanned_) setScanResult(std::nullopt);
    });
    // The schedule is started by the application alone (ScheduleManager::start): a state made
    // for something else, the screenshot mode's, never cleans the user's home unattended.
}

AppState::~AppState() {
    if (g_instance == this) g_instance = nullptr;
    // Whatever still runs stops at its next mark, so that the workers (which their executors
    // wait for as they go) are free within a blink and quitting never waits for a long walk.
    for (auto& [section, operation] : operations_) operation.stop.request_stop();
    schedule_->cancel();
}

// --- Long work ---

AppState::Operation AppState::start(Section section) {
    Operation operation;
    operations_[section] = operation;
    if (!progressTimer_.isActive()) progressTimer_.start();
    return operation;
}

void AppState::finish(Section section, const std::stop_source& stop) {
    auto it = operations_.find(section);
    if (it == operations_.end() || it->second.stop != stop) return;  // a newer one runs
    operations_.erase(it);
    if (operations_.empty()) progressTimer_.stop();
    readProgress();
}

void AppState::readProgress() {
    QVariantMap progress;
    for (const auto& [section, operation] : operations_) {
        const ScanProgress p = operation.progress->read();
        const auto raw = rawValue(section);
        progress[QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()))] =
            QVariantMap{{"files", QVariant::fromValue<qint64>(p.files)},
                        {"folder", QString::fromStdString(displayText(std::string_view(p.folder)))},
                        {"bytesDone", QVariant::fromValue<qint64>(p.bytesHashed)},
                        {"bytesTotal", QVariant::fromValue<qint64>(p.bytesToHash)}};
    }
    if (progress == progress_) return;
    progress_ = std::move(progress);
    emit progressChanged();
}

void AppState::cancel(Section section) {
    auto it = operations_.find(section);
    if (it != operations_.end()) it->second.stop.request_stop();
}

void AppState::cancel(const QString& section) {
    if (auto s = fromRawValue<Section>(section.toStdString())) cancel(*s);
}

void AppState::setInstance(AppState* state) {
    g_instance = state;
}

AppState* AppState::create(QQmlEngine*, QJSEngine* engine) {
    // main() sets the instance before any QML engine exists; nothing else creates one.
    Q_ASSERT(g_instance && engine->thread() == g_instance->thread());
    QJSEngine::setObjectOwnership(g_instance, QJSEngine::CppOwnership);
    return g_instance;
}

// --- Section ---

void AppState::setSection(Section section) {
    assign(section_, section, &AppState::sectionChanged);
}

QString AppState::sectionId() const {
    auto raw = rawValue(section_);
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

void AppState::setSectionId(const QString& id) {
    if (auto s = fromRawValue<Section>(id.toStdString())) setSection(*s);
}

QVariantList AppState::tabList() const {
    QVariantList list;
    for (Section s : tabs()) {
        auto raw = rawValue(s);
        auto symbol = icon(s);
        list << QVariantMap{
            {"id", QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()))},
            {"icon", QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size()))}};
    }
    return list;
}

// --- Junk ---

QVariantList AppState::junkFolderList() const {
    QVariantList list;
    for (CleanCategory category : allCases<CleanCategory>()) {
        auto raw = rawValue(category);
        QString folder;
        for (const auto& root : layout_.junkRoots)
            if (root.category == category) {
                folder = Fmt::homeRelativePath(root.folder, layout_.home);
                break;
            }
        list << QVariantMap{
            {"category", QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()))},
            {"folder", folder}};
    }
    return list;
}

void AppState::setShowRunningAppsAlert(bool shown) {
    assign(showRunningAppsAlert_, shown, &AppState::showRunningAppsAlertChanged);
}

void AppState::setScanResult(std::optional<ScanResult> result) {
    scanResult_ = std::move(result);
    if (scanResult_) scanResultView_->show(*scanResult_);
    emit scanResultChanged();
}

void AppState::runQuickScan() {
    assign(isScanning_, true, &AppState::isScanningChanged);
    assign(lastFreed_, std::optional<ByteCount>(), &AppState::lastFreedChanged);
    play(SoundCue::scanStart);
    const Operation operation = start(Section::clean);
    quickClean_
        .run([protection = exclusions_->protection(), stop = operation.stop.get_token(),
              progress = operation.callback(), running = runningApps_](QuickCleanEngine& engine) {
            JunkScan scan = findJunk(engine, protection, stop, progress);
            // Which application keeps an item, for the list; the clean looks again.
            QVariantMap keptBy;
            const RunningApps::Map apps = running();
            for (const auto& item : scan.items)
                if (const std::string* app = runningAppOf(item, apps))
                    keptBy.insert(QString::fromStdString(item.id.toString()),
                                  QString::fromStdString(*app));
            return std::pair{std::move(scan), std::move(keptBy)};
        })
        .then(this, [this, stop = operation.stop](std::pair<JunkScan, QVariantMap> scanned) {
            finish(Section::clean, stop);
            if (!stop.stop_requested()) {  // stopped: the earlier result stays
                auto& [scan, keptBy] = scanned;
                publishReport(Section::clean, std::move(scan.report));
                ScanResult result{std::move(scan.items), now_()};
                const bool found = result.totalSize() >= 1;
                scanResultView_->setRunningApps(std::move(keptBy));
                setScanResult(std::move(result));
                if (found) play(SoundCue::scanDone);
            }
            assign(isScanning_, false, &AppState::isScanningChanged);
        });
}

void AppState::toggleJunkItem(const QString& id) {
    // Not while a clean is planned or running: what is shown ticked is what it removes.
    if (!scanResult_ || isCleaning_ || cleanPlanned_) return;
    const Uuid wanted = Uuid::fromString(id.toStdString());
    for (auto& item : scanResult_->items)
        if (!wanted.isNull() && item.id == wanted) {
            item.isSelected = !item.isSelected;
            scanResultView_->show(*scanResult_);
            emit scanResultChanged();
            return;
        }
}

void AppState::runClean() {
    if (!scanResult_ || isCleaning_ || cleanPlanned_) return;
    cleanPlanned_ = true;
    // Planned on the worker: the running applications are read there, in one snapshot taken
    // before anything is removed, and a folder protected since the scan keeps what it holds.
    quickClean_
        .run([items = scanResult_->items, protection = exclusions_->protection(),
              running = runningApps_](QuickCleanEngine& engine) {
            return planJunkClean(items, protection, running(), engine.layout());
        })
        .then(this, [this](JunkCleanPlan plan) {
            cleanPlanned_ = false;
            QStringList skipped;
            for (const auto& name : plan.skippedApps) skipped << QString::fromStdString(name);
            assign(skippedRunningApps_, skipped, &AppState::skippedRunningAppsChanged);
            if (plan.kept.refused) return publishOutcome(Section::clean, plan.kept);
            // Nothing left to clean: kept by running applications (the alert names them), or
            // by folders protected since the scan (the outcome says so).
            if (plan.toClean.empty() && !skipped.isEmpty())
                return assign(showRunningAppsAlert_, true, &AppState::showRunningAppsAlertChanged);
            if (plan.toClean.empty()) return publishOutcome(Section::clean, plan.kept);
            assign(isCleaning_, true, &AppState::isCleaningChanged);
            play(SoundCue::removeStart);
            const Operation operation = start(Section::clean);
            quickClean_
                .run([plan = std::move(plan), stop = operation.stop.get_token()](
                         QuickCleanEngine& engine) { return cleanJunk(engine, plan, stop); })
                .then(this, [this, stop = operation.stop](RemovalOutcome outcome) {
                    finish(Section::clean, stop);
                    assign(lastFreed_, std::optional<ByteCount>(outcome.freed),
                           &AppState::lastFreedChanged);
                    publishOutcome(Section::clean, std::move(outcome));
                    setScanResult(std::nullopt);
                    monitor_->refresh();
                    play(SoundCue::removeDone);
                    assign(isCleaning_, false, &AppState::isCleaningChanged);
                });
        });
}

// --- Outcomes ---

void AppState::publishOutcome(Section section, RemovalOutcome outcome) {
    if (outcome.refused)
        showBanner("exclamationmark.triangle.fill", qtTrId("banner.removalRefusedTitle"),
                   exclusions_->problemText());
    // The uninstall says so in a banner of its own once the application is dealt with.
    else if (section != Section::uninstall)
        offerUndo(outcome);
    outcomes_[section] = std::move(outcome);
    emit outcomesChanged();
}

void AppState::publishReport(Section section, ScanReport report) {
    // What the last removal left behind belongs to the list it acted on; a new list retires it.
    forgetOutcome(section);
    for (const auto& problem : report.refused)
        showBanner("exclamationmark.triangle.fill", qtTrId("banner.folderRefusedTitle"),
                   qtTrId("banner.folderRefusedMsg")
                       .arg(QString::fromStdString(displayText(problem.folder))));
    reports_[section] = std::move(report);
    emit unreadChanged();
}

void AppState::forgetOutcome(Section section) {
    if (outcomes_.erase(section) > 0) emit outcomesChanged();
}

const RemovalOutcome* AppState::lastOutcome(Section section) const {
    auto it = outcomes_.find(section);
    return it == outcomes_.end() ? nullptr : &it->second;
}

const ScanReport* AppState::lastReport(Section section) const {
    auto it = reports_.find(section);
    return it == reports_.end() ? nullptr : &it->second;
}

namespace {
template <class Enum>
QString rawText(Enum value) {
    auto raw = rawValue(value);
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}
}  // namespace

QVariantMap AppState::outcomeList() const {
    QVariantMap map;
    for (const auto& [section, outcome] : outcomes_) {
        QVariantMap reasons;
        for (const auto& left : outcome.left)
            reasons[rawText(left.reason)] = reasons.value(rawText(left.reason)).toInt() + 1;
        map[rawText(section)] =
            QVariantMap{{"freed", QVariant::fromValue<qint64>(outcome.freed)},
                        {"done", QVariant::fromValue<qint64>(outcome.done)},
                        {"left", static_cast<int>(outcome.left.size())},
                        {"reasons", reasons},
                        {"refused", outcome.refused ? exclusions_->problemText() : QString()}};
    }
    return map;
}

QVariantMap AppState::unreadList() const {
    QVariantMap map;
    for (const auto& [section, report] : reports_) {
        QStringList refused, folders;
        for (const auto& problem : report.refused)
            refused << QString::fromStdString(displayText(problem.folder));
        for (const auto& folder : report.unread)
            folders << QString::fromStdString(displayText(folder.url));
        map[rawText(section)] =
            QVariantMap{{"refused", refused},
                        {"unread", QVariant::fromValue<qint64>(report.unreadCount)},
                        {"folders", folders}};
    }
    return map;
}

// --- Developer ---

void AppState::setDeveloperProtectionDays(int days) {
    // No window can be negative; choosing the window shown again keeps the user's ticks.
    if (days < 0 || days == developerProtectionDays_) return;
    assign(developerProtectionDays_, days, &AppState::developerProtectionDaysChanged);
    setting::write(*store_, setting::developerProtectionDays, days);
    reclassifyDeveloperResult();
}

void AppState::setSoundEnabled(bool enabled) {
    assign(soundEnabled_, enabled, &AppState::soundEnabledChanged);
    setting::write(*store_, setting::soundEnabled, enabled);
}

void AppState::setDeveloperResult(std::optional<DeveloperScanResult> result) {
    developerResult_ = std::move(result);
    if (developerResult_) developerResultView_->show(*developerResult_);
    emit developerResultChanged();
}

void AppState::showSample(std::vector<DiskCategory> categories, std::vector<LargeFile> largeFiles,
                          DeveloperScanResult developer) {
    diskCategories_->replace(std::move(categories));
    publishDiskFiles();
    emit diskCategoriesChanged();
    largeFiles_->replace(std::move(largeFiles));
    emit largeFilesChanged();
    setDeveloperResult(std::move(developer));
}

void AppState::reclassifyDeveloperResult() {
    if (!developerResult_) return;
    DeveloperScanResult result = *developerResult_;
    result.reclassify(DeveloperCleanEngine::protectionCutoff(developerProtectionDays_, now_()));
    setDeveloperResult(std::move(result));
}

// --- Lists ---

const std::vector<DiskCategory>& AppState::diskCategories() const {
    return diskCategories_->rows();
}
const std::vector<DuplicateGroup>& AppState::duplicateGroups() const {
    return duplicateGroups_->rows();
}
const std::vector<LargeFile>& AppState::largeFiles() const {
    return largeFiles_->rows();
}
const std::vector<InstallerFile>& AppState::installerFiles() const {
    return installerFiles_->rows();
}
const std::vector<InstalledApp>& AppState::installedApps() const {
    return installedApps_->rows();
}
const std::vector<Path>& AppState::trashItems() const {
    return trashItems_->rows();
}

void AppState::setShowAppRunningAlert(bool shown) {
    assign(showAppRunningAlert_, shown, &AppState::showAppRunningAlertChanged);
}

QStringList AppState::runningTuneUpList() const {
    QStringList ids;
    for (const auto& id : runningTuneUp_) ids << QString::fromStdString(id);
    return ids;
}

QVariantList AppState::tuneUpActionList() const {
    QVariantList list;
    for (const auto& a : tuneUpActions_)
        list << QVariantMap{{"id", QString::fromStdString(a.id)},
                            {"icon", QString::fromStdString(a.icon)},
                            {"needsAdmin", a.needsAdmin}};
    return list;
}

void AppState::runTuneUp(const QString& id) {
    for (const auto& action : tuneUpActions_)
        if (QString::fromStdString(action.id) == id) return runTuneUp(action);
}

void AppState::runTuneUp(const TuneUpAction& action) {
    if (runningTuneUp_.count(action.id)) return;  // the same task never runs twice at once
    runningTuneUp_.insert(action.id);
    emit runningTuneUpChanged();
    play(SoundCue::removeStart);
    // The engine goes before this object's guards do (it is a child): a task under way when
    // the application quits ends without an answer.
    QFuture<TuneUpOutcome> task =
        action.clearsThumbnails
            ? QtConcurrent::run([layout = layout_, protection = exclusions_->protection()] {
                  const RemovalOutcome done = clearThumbnailCache(layout, protection);
                  return TuneUpOutcome{done.left.empty() && !done.refused, std::nullopt};
              })
            : tuneUp_->run(action);
    continueOnMainThread(task, this, [this, action](const TuneUpOutcome& outcome) {
        runningTuneUp_.erase(action.id);
        emit runningTuneUpChanged();
        const QByteArray titleKey = QByteArray("tune.") + action.id.c_str() + ".title";
        const QString title = qtTrId(titleKey.constData());
        if (outcome.ok) {
            monitor_->refresh();
            play(SoundCue::removeDone);
            showBanner(QString::fromStdString(action.icon), title,
                       outcome.freed ? qtTrId("banner.tuneFreedMsg").arg(Fmt::bytes(*outcome.freed))
                                     : qtTrId("banner.tuneDoneMsg"));
        } else {
            showBanner("exclamationmark.triangle.fill", title, qtTrId("banner.tuneFailMsg"));
        }
    });
}

void AppState::setShredStrengthPasses(int passes) {
    if (auto strength = shredStrengthFromPasses(passes))
        assign(shredStrength_, *strength, &AppState::shredStrengthChanged);
}

void AppState::setIsShredding(bool shredding) {
    assign(isShredding_, shredding, &AppState::isShreddingChanged);
}

void AppState::dismissShredOutcome() {
    assign(lastShredOutcome_, std::optional<ShredOutcome>(), &AppState::lastShredOutcomeChanged);
}

std::vector<Suggestion> AppState::suggestions() const {
    return SuggestionEngine::suggestions(monitor_->stats(), scanResult_, developerResult_,
                                         installerFiles());
}

QVariantList AppState::suggestionList() const {
    QVariantList list;
    for (const auto& s : suggestions()) {
        // A count picks the plural form of the text and stands where it writes %Ln; the other
        // arguments fill %1, %2... in order.
        int count = -1;
        for (const auto& argument : s.messageArguments)
            if (auto* c = std::get_if<Count>(&argument))
                count = static_cast<int>(std::clamp<std::int64_t>(c->value, 0, INT_MAX));
        QString message = qtTrId(s.messageKey.c_str(), count);
        for (const auto& argument : s.messageArguments) {
            if (auto* text = std::get_if<std::string>(&argument))
                message = message.arg(QString::fromStdString(*text));
            else if (auto* bytes = std::get_if<ByteAmount>(&argument))
                message = message.arg(Fmt::bytes(bytes->bytes));
        }
        auto action = rawValue(s.action);
        list << QVariantMap{
            {"id", QString::fromStdString(s.id.toString())},
            {"icon", QString::fromStdString(s.icon)},
            {"message", message},
            {"actionLabel", qtTrId(s.actionLabelKey.c_str())},
            {"action", QString::fromLatin1(action.data(), static_cast<qsizetype>(action.size()))}};
    }
    return list;
}

void AppState::perform(const QString& action) {
    auto a = fromRawValue<SuggestionAction>(action.toStdString());
    if (!a) return;
    switch (*a) {
        case SuggestionAction::quickScan:
        case SuggestionAction::freeMemory:
            return setSection(Section::clean);
        case SuggestionAction::findLargeFiles:
            return setSection(Section::large);
        case SuggestionAction::findDuplicates:
            return setSection(Section::duplicates);
        case SuggestionAction::openXRay:
            return setSection(Section::xray);
        case SuggestionAction::openDeveloper:
            return setSection(Section::developer);
        case SuggestionAction::openInstallers:
            return setSection(Section::installers);
    }
}

void AppState::onAppear() {
    monitor_->start(2.0);
    updates_->check(true);
}

// --- QML-facing forms ---

ScanResultView* AppState::scanResultView() const {
    return scanResult_ ? scanResultView_ : nullptr;
}
DeveloperResultView* AppState::developerResultView() const {
    return developerResult_ ? developerResultView_ : nullptr;
}
UninstallTargetView* AppState::uninstallTargetView() const {
    return uninstallTarget_ ? uninstallTargetView_ : nullptr;
}
QVariant AppState::lastFreedValue() const {
    return lastFreed_ ? QVariant::fromValue<qint64>(*lastFreed_) : QVariant();
}
QVariant AppState::lastDevFreedValue() const {
    return lastDevFreed_ ? QVariant::fromValue<qint64>(*lastDevFreed_) : QVariant();
}
QVariant AppState::lastShredOutcomeValue() const {
    if (!lastShredOutcome_) return {};
    return QVariantMap{{"count", QVariant::fromValue<qint64>(lastShredOutcome_->count)},
                       {"bytes", QVariant::fromValue<qint64>(lastShredOutcome_->bytes)}};
}
RecordListModel* AppState::diskCategoriesModel() const {
    return diskCategories_;
}
RecordListModel* AppState::duplicateGroupsModel() const {
    return duplicateGroups_;
}
RecordListModel* AppState::largeFilesModel() const {
    return largeFiles_;
}
RecordListModel* AppState::installedAppsModel() const {
    return installedApps_;
}
RecordListModel* AppState::installerFilesModel() const {
    return installerFiles_;
}
RecordListModel* AppState::trashItemsModel() const {
    return trashItems_;
}

}  // namespace tornivo::app
