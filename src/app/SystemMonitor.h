#pragma once
// Live figures of the machine for the status widget, the suggestions and the shell: memory in
// use, processor busy share and the fill of the home folder's disk. Samples on a timer once
// started, and on demand right after an engine has freed space or memory. Lives on the main
// thread; AppState owns the one instance.

#include <QtQml/qqmlregistration.h>
#include <QObject>

#include <functional>

#include "models/SystemStats.h"
#include "platform/HostFigures.h"

class QTimer;

namespace tornivo::app {

class SystemMonitor : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by AppState")
    // The fields of the last sample; all change together, with one `statsChanged` per sample.
    Q_PROPERTY(double memoryUsedFraction READ memoryUsedFraction NOTIFY statsChanged)
    Q_PROPERTY(qint64 memoryUsedBytes READ memoryUsedBytes NOTIFY statsChanged)
    Q_PROPERTY(qint64 memoryTotalBytes READ memoryTotalBytes NOTIFY statsChanged)
    Q_PROPERTY(double cpuUsageFraction READ cpuUsageFraction NOTIFY statsChanged)
    Q_PROPERTY(double diskUsedFraction READ diskUsedFraction NOTIFY statsChanged)
    Q_PROPERTY(qint64 diskUsedBytes READ diskUsedBytes NOTIFY statsChanged)
    Q_PROPERTY(qint64 diskTotalBytes READ diskTotalBytes NOTIFY statsChanged)

  public:
    // Where the figures come from. Tests point these at recorded files.
    struct Sources {
        Path procStat = "/proc/stat";
        Path meminfo = "/proc/meminfo";
        Path diskFolder;  // a folder on the volume to measure
    };

    // Measures the host, with the disk of `home`.
    explicit SystemMonitor(const Path& home, QObject* parent = nullptr);
    explicit SystemMonitor(Sources sources, QObject* parent = nullptr);
    ~SystemMonitor() override;

    const SystemStats& stats() const { return stats_; }

    // Samples at once, then every `intervalSeconds` for the life of the monitor. Only the first
    // call does anything. A period that is not a positive number samples as often as the timer
    // allows (every millisecond); one beyond the timer's range is capped to it.
    void start(double intervalSeconds);
    bool isStarted() const { return timer_ != nullptr; }

    // Takes one sample now and publishes it.
    Q_INVOKABLE void refresh();
    // Test seam: where every later sample comes from instead of the host.
    void setSampler(std::function<SystemStats()> sampler) { sampler_ = std::move(sampler); }

    double memoryUsedFraction() const { return stats_.memoryUsedFraction; }
    qint64 memoryUsedBytes() const { return stats_.memoryUsedBytes; }
    qint64 memoryTotalBytes() const { return stats_.memoryTotalBytes; }
    double cpuUsageFraction() const { return stats_.cpuUsageFraction; }
    double diskUsedFraction() const { return stats_.diskUsedFraction; }
    qint64 diskUsedBytes() const { return stats_.diskUsedBytes; }
    qint64 diskTotalBytes() const { return stats_.diskTotalBytes; }

  signals:
    void statsChanged();

  private:
    Sources sources_;
    SystemStats stats_;
    ProcessorLoad load_;
    QTimer* timer_ = nullptr;
    std::function<SystemStats()> sampler_;
};

}  // namespace tornivo::app
