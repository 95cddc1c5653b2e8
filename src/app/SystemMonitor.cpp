#include "SystemMonitor.h"

#include <QTimer>

#include <climits>
#include <cmath>

namespace tornivo::app {

namespace {

double fraction(const ByteUsage& usage) {
    return usage.total < 1 ? 0.0
                           : static_cast<double>(usage.used) / static_cast<double>(usage.total);
}

int timerMilliseconds(double seconds) {
    if (!(seconds > 0)) return 1;  // also NaN
    const double ms = std::ceil(seconds * 1000.0);
    return ms >= double(INT_MAX) ? INT_MAX : std::max(1, static_cast<int>(ms));
}

SystemMonitor::Sources hostSources(const Path& home) {
    SystemMonitor::Sources sources;
    sources.diskFolder = home;
    return sources;
}

}  // namespace

SystemMonitor::SystemMonitor(const Path& home, QObject* parent)
    : SystemMonitor(hostSources(home), parent) {}

SystemMonitor::SystemMonitor(Sources sources, QObject* parent)
    : QObject(parent), sources_(std::move(sources)) {}

SystemMonitor::~SystemMonitor() = default;

void SystemMonitor::start(double intervalSeconds) {
    if (timer_) return;
    refresh();
    // A child of the monitor: it stops and goes away with it, so a firing never outlives it.
    timer_ = new QTimer(this);
    timer_->setInterval(timerMilliseconds(intervalSeconds));
    connect(timer_, &QTimer::timeout, this, &SystemMonitor::refresh);
    timer_->start();
}

void SystemMonitor::refresh() {
    if (sampler_) {
        stats_ = sampler_();
        emit statsChanged();
        return;
    }
    const ByteUsage memory = memoryUsage(sources_.meminfo);
    const ByteUsage disk = diskUsage(sources_.diskFolder);
    const double cpu = load_.sample(readCpuTicks(sources_.procStat), stats_.cpuUsageFraction);

    SystemStats next;
    next.memoryUsedFraction = fraction(memory);
    next.memoryUsedBytes = memory.used;
    next.memoryTotalBytes = memory.total;
    next.cpuUsageFraction = cpu;
    next.diskUsedFraction = fraction(disk);
    next.diskUsedBytes = disk.used;
    next.diskTotalBytes = disk.total;
    stats_ = next;
    emit statsChanged();
}

}  // namespace tornivo::app
