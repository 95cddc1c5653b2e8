#include "ScheduleManager.h"

#include "BannerCenter.h"
#include "Fmt.h"
#include "platform/ProtectedFilter.h"

namespace tornivo::app {

namespace {

QString raw(ScheduleInterval interval) {
    auto text = rawValue(interval);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Dates are stored as ISO 8601 text in UTC with milliseconds.
std::optional<TimePoint> readDate(const PreferencesStore& store, const char* key) {
    auto text = store.string(key);
    if (!text) return std::nullopt;
    QDateTime date = QDateTime::fromString(QString::fromStdString(*text), Qt::ISODateWithMs);
    if (!date.isValid()) return std::nullopt;
    return TimePoint(std::chrono::duration_cast<Clock::duration>(
        std::chrono::milliseconds(date.toMSecsSinceEpoch())));
}

QDateTime toDateTime(TimePoint t) {
    return QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count(),
        Qt::UTC);
}

}  // namespace

std::optional<std::int64_t> period(ScheduleInterval interval) {
    switch (interval) {
        case ScheduleInterval::off:
            return std::nullopt;
        case ScheduleInterval::daily:
            return 86'400;
        case ScheduleInterval::threeDays:
            return 259'200;
        case ScheduleInterval::weekly:
            return 604'800;
    }
    return std::nullopt;
}

QString titleKey(ScheduleInterval interval) {
    return "settings.interval." + raw(interval);
}

ScheduleManager::ScheduleManager(Layout layout, PreferencesStore& store,
                                 std::function<ProtectedFolders()> protection, QObject* parent)
    : QObject(parent),
      store_(store),
      protection_(std::move(protection)),
      engine_(std::make_shared<QuickCleanEngine>(std::move(layout))),
      now_([] { return Clock::now(); }),
      runningApps_([] { return RunningApps::current(); }),
      showBanner_([](const QString& icon, const QString& title, const QString& message) {
          BannerCenter::shared().show(icon, title, message);
      }) {
    if (auto stored = store_.string(kIntervalKey))
        interval_ = fromRawValue<ScheduleInterval>(*stored).value_or(ScheduleInterval::off);
    autoClean_ = store_.boolean(kAutoCleanKey).value_or(false);
    lastRun_ = readDate(store_, kLastRunKey);
    timer_.setInterval(kCheckSeconds * 1000);
    connect(&timer_, &QTimer::timeout, this, &ScheduleManager::tick);
}

void ScheduleManager::setInterval(ScheduleInterval interval) {
    store_.set(kIntervalKey, std::string(rawValue(interval)));
    if (interval == interval_) return;
    interval_ = interval;
    emit intervalChanged();
}

QString ScheduleManager::intervalId() const {
    return raw(interval_);
}

void ScheduleManager::setIntervalId(const QString& id) {
    if (auto interval = fromRawValue<ScheduleInterval>(id.toStdString())) setInterval(*interval);
}

QVariantList ScheduleManager::intervalList() const {
    QVariantList list;
    for (ScheduleInterval i : allCases<ScheduleInterval>())
        list << QVariantMap{{"id", raw(i)}, {"titleKey", titleKey(i)}};
    return list;
}

void ScheduleManager::setAutoClean(bool on) {
    store_.set(kAutoCleanKey, on);
    if (on == autoClean_) return;
    autoClean_ = on;
    emit autoCleanChanged();
}

QDateTime ScheduleManager::lastRunValue() const {
    return lastRun_ ? toDateTime(*lastRun_) : QDateTime();
}

void ScheduleManager::start() {
    if (timer_.isActive()) return;
    timer_.start();
    tick();
}

void ScheduleManager::tick() {
    const auto seconds = period(interval_);
    if (!seconds) return emit tickFinished();
    // A manager that never ran is due at once; a stored date in the future waits a whole
    // period past it.
    const TimePoint now = now_();
    const TimePoint since = lastRun_.value_or(TimePoint::min());
    const double elapsed = lastRun_ ? std::chrono::duration<double>(now - since).count() : HUGE_VAL;
    if (elapsed < static_cast<double>(*seconds)) return emit tickFinished();

    lastRun_ = now;
    store_.set(kLastRunKey, toDateTime(now).toString(Qt::ISODateWithMs).toStdString());
    emit lastRunChanged();
    engine_.run([](QuickCleanEngine& engine) { return engine.scan(); })
        .then(this, [this](JunkScan scan) { finishWithScan(std::move(scan)); });
}

void ScheduleManager::finishWithScan(JunkScan scan) {
    const std::vector<JunkItem>& items = scan.items;
    ByteCount total = 0;
    for (const auto& item : items) total += item.size;
    if (items.empty() || total < kReportThreshold) return emit tickFinished();

    const ProtectedFolders protection = protection_ ? protection_() : ProtectedFolders();
    // While the protected folders cannot be read, nothing is cleaned behind the user's back:
    // the junk is only reported.
    if (autoClean_ && !protection.problem()) {
        // What the user protected is never cleaned behind their back, and neither is the junk
        // of a running application.
        JunkSplit split = splitByRunningApps(withoutProtected(items, protection), runningApps_());
        if (!split.toClean.empty()) {
            engine_
                .run([toClean = std::move(split.toClean)](QuickCleanEngine& engine) {
                    return engine.clean(toClean);
                })
                .then(this, [this](ByteCount freed) {
                    if (freed >= 1)
                        showBanner_("sparkles", qtTrId("banner.cleanedTitle"),
                                    qtTrId("banner.cleanedMessage").arg(Fmt::bytes(freed)));
                    emit tickFinished();
                });
            return;
        }
    }
    showBanner_("sparkles", qtTrId("banner.foundTitle"),
                qtTrId("banner.foundMessage").arg(Fmt::bytes(total)));
    emit tickFinished();
}

}  // namespace tornivo::app
