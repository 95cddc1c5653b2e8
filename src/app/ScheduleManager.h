#pragma once
// Scans for junk in the background at the chosen interval and either cleans it or reports what
// it found in a banner. Checks every 30 minutes whether a run is due, and once at start. Has a
// junk engine of its own; lives on the main thread.

#include <QtQml/qqmlregistration.h>
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QVariantList>

#include <functional>
#include <optional>
#include <stop_token>

#include "BannerStyle.h"
#include "SerialExecutor.h"
#include "engines/QuickCleanEngine.h"
#include "models/RawEnum.h"
#include "platform/Exclusions.h"
#include "platform/PreferencesStore.h"
#include "platform/Settings.h"

namespace tornivo::app {

enum class ScheduleInterval { off, daily, threeDays, weekly };

}  // namespace tornivo::app

namespace tornivo {
template <>
struct RawEnumTable<app::ScheduleInterval> {
    using I = app::ScheduleInterval;
    static constexpr std::array<std::pair<I, std::string_view>, 4> cases{
        {{I::off, "off"}, {I::daily, "daily"}, {I::threeDays, "threeDays"}, {I::weekly, "weekly"}}};
};
}  // namespace tornivo

namespace tornivo::app {

// Seconds between runs; none for `off`.
std::optional<std::int64_t> period(ScheduleInterval interval);
// "settings.interval." followed by the raw value.
QString titleKey(ScheduleInterval interval);

class ScheduleManager : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by AppState")
    Q_PROPERTY(QString interval READ intervalId WRITE setIntervalId NOTIFY intervalChanged)
    Q_PROPERTY(QVariantList intervals READ intervalList CONSTANT)
    Q_PROPERTY(bool autoClean READ autoClean WRITE setAutoClean NOTIFY autoCleanChanged)
    Q_PROPERTY(QDateTime lastRun READ lastRunValue NOTIFY lastRunChanged)
    // Where its banners, and every other, appear: "window" or "desktop" (BannerCenter.h).
    Q_PROPERTY(
        QString bannerStyle READ bannerStyleId WRITE setBannerStyleId NOTIFY bannerStyleChanged)

  public:
    static constexpr const char* kIntervalKey = setting::scheduleInterval.key;
    static constexpr const char* kAutoCleanKey = setting::scheduleAutoClean.key;
    static constexpr const char* kLastRunKey = setting::scheduleLastRun.key;
    static constexpr int kCheckSeconds = 1800;
    static constexpr ByteCount kReportThreshold = 104'857'600;  // 100 MiB

    using BannerPresenter =
        std::function<void(const QString& icon, const QString& title, const QString& message)>;

    // Reads the three settings; `protection` gives the protected folders as they stand, which an
    // automatic clean leaves alone (and while they cannot be read, it cleans nothing).
    // `junk` is the application's own junk engine, so that a scheduled clean and a manual one
    // never run on the same folders at once.
    ScheduleManager(SerialExecutor<QuickCleanEngine>& junk, PreferencesStore& store,
                    std::function<ProtectedFolders()> protection, QObject* parent = nullptr);

    ScheduleInterval interval() const { return interval_; }
    void setInterval(ScheduleInterval interval);
    QString intervalId() const;
    void setIntervalId(const QString& id);
    QVariantList intervalList() const;
    bool autoClean() const { return autoClean_; }
    void setAutoClean(bool on);
    const std::optional<TimePoint>& lastRun() const { return lastRun_; }
    BannerStyle bannerStyle() const { return bannerStyle_; }
    QString bannerStyleId() const;
    void setBannerStyleId(const QString& id);
    QDateTime lastRunValue() const;

    // The 30-minute check plus one check at once; a second call does nothing.
    void start();
    bool isStarted() const { return timer_.isActive(); }
    // One check: when a run is due, scan, then clean or report.
    void tick();
    // Stops a run under way at its next mark, for good (the application is quitting).
    void cancel() { stop_.request_stop(); }

    // Seams for tests.
    void setClock(std::function<TimePoint()> clock) { now_ = std::move(clock); }
    void setRunningApps(std::function<RunningApps::Map()> provider) {
        runningApps_ = std::move(provider);
    }
    void setBannerPresenter(BannerPresenter presenter) { showBanner_ = std::move(presenter); }
    // The junk the clean screen shows unticked: an automatic clean leaves it, as the user chose.
    void setUntickedJunk(std::function<std::vector<Path>()> unticked) {
        unticked_ = std::move(unticked);
    }

  signals:
    void intervalChanged();
    void autoCleanChanged();
    void lastRunChanged();
    void bannerStyleChanged();
    // Every check ends with this, whatever it did.
    void tickFinished();
    // An automatic clean removed junk: a list of junk shown before is out of date.
    void junkCleaned();

  private:
    void finishWithScan(JunkScan scan);

    PreferencesStore& store_;
    std::function<ProtectedFolders()> protection_;
    ScheduleInterval interval_ = ScheduleInterval::off;
    bool autoClean_ = false;
    BannerStyle bannerStyle_ = BannerStyle::window;
    std::optional<TimePoint> lastRun_;
    SerialExecutor<QuickCleanEngine>& engine_;
    std::stop_source stop_;
    QTimer timer_;
    std::function<TimePoint()> now_;
    std::function<RunningApps::Map()> runningApps_;
    BannerPresenter showBanner_;
    std::function<std::vector<Path>()> unticked_;
};

}  // namespace tornivo::app
