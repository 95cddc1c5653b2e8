#include "ScheduleManager.h"

#include "BannerCenter.h"
#include "Fmt.h"
#include "workflows/JunkWorkflow.h"

namespace tornivo::app {

namespace {

template <class Enum>
QString raw(Enum value) {
    auto text = rawValue(value);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Dates are stored as ISO 8601 text in UTC with milliseconds.
std::optional<TimePoint> readDate(const PreferencesStore& store, const char* key) {
    auto text = store.string(key);
    if (!text) return std::nullopt;
    QDateTime date = QDateTime::fromString(QString::fromStdString(*text), Qt::ISODateWithMs);
    if (!date.isValid()) return std::nullopt;
    // A date the clock cannot hold (after 2262, before 1678) is no date.
    constexpr auto kLimit =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::duration::max()).count();
    const qint64 ms = date.toMSecsSinceEpoch();
    if (ms >= kLimit || ms <= -kLimit) return std::nullopt;
    return TimePoint(std::chrono::duration_cast<Clock::duration>(std::chrono::milliseconds(ms)));
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

ScheduleManager::ScheduleManager(SerialExecutor<QuickCleanEngine>& junk, PreferencesStore& store,
                                 std::function<ProtectedFolders()> protection, QObject* parent)
    : QObject(parent),
      store_(store),
      protection_(std::move(protection)),
      engine_(junk),
      now_([] { return Clock::now(); }),
      runningApps_([] { return RunningApps::current(); }),
      showBanner_([](const QString& icon, const QString& title, const QString& message) {
          BannerCenter::shared().show(icon, title, message);
      }) {
    interval_ = setting::readChoice<ScheduleInterval>(store_, setting::scheduleInterval);
    autoClean_ = setting::read(store_, setting::scheduleAutoClean);
    bannerStyle_ = setting::readChoice<BannerStyle>(store_, setting::bannerStyle);
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

QString ScheduleManager::bannerStyleId() const {
    return raw(bannerStyle_);
}

void ScheduleManager::setBannerStyleId(const QString& id) {
    const auto style = fromRawValue<BannerStyle>(id.toStdString());
    if (!style) return;
    setting::write(store_, setting::bannerStyle, std::string(rawValue(*style)));
    if (*style == bannerStyle_) return;
    bannerStyle_ = *style;
    emit bannerStyleChanged();
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
    // What the clean section would show: protected junk is neither reported nor cleaned.
    engine_
        .run([protection = protection_ ? protection_() : ProtectedFolders(),
              stop = stop_.get_token()](QuickCleanEngine& engine) {
            return findJunk(engine, protection, stop);
        })
        .then(this, [this](JunkScan scan) { finishWithScan(std::move(scan)); });
}

void ScheduleManager::finishWithScan(JunkScan scan) {
    const ScanResult result{std::move(scan.items), now_()};
    const ByteCount total = result.totalSize();
    if (result.items.empty() || total < kReportThreshold) return emit tickFinished();
    auto report = [this, total] {
        showBanner_("sparkles", qtTrId("banner.foundTitle"),
                    qtTrId("banner.foundMessage").arg(Fmt::bytes(total)));
        emit tickFinished();
    };
    if (!autoClean_) return report();

    // The same clean as the clean section's: never what the user protected (and nothing at all
    // while the protected folders cannot be read), never a running application's junk; planned
    // and run on the junk engine's worker.
    std::vector<JunkItem> items = result.items;
    if (unticked_)
        for (const Path& kept : unticked_())
            for (auto& item : items)
                if (item.url == kept) item.isSelected = false;
    engine_
        .run([items = std::move(items),
              protection = protection_ ? protection_() : ProtectedFolders(), running = runningApps_,
              stop = stop_.get_token()](QuickCleanEngine& engine) {
            const JunkCleanPlan plan = planJunkClean(items, protection, running(), engine.layout());
            return cleanJunk(engine, plan, stop);
        })
        .then(this, [this, report](RemovalOutcome outcome) {
            if (outcome.refused || outcome.done == 0) return report();
            emit junkCleaned();
            if (outcome.freed >= 1)
                showBanner_("sparkles", qtTrId("banner.cleanedTitle"),
                            qtTrId("banner.cleanedMessage").arg(Fmt::bytes(outcome.freed)));
            emit tickFinished();
        });
}

}  // namespace tornivo::app
