#include "SystemMonitor.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTimer>

#include <limits>
#include <string>

#include "QtWait.h"
#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

// `sources()` reads recorded /proc files, which a test rewrites between samples.
class SystemMonitorTest : public ::testing::Test {
  protected:
    TempDir dir;
    SystemMonitor::Sources sources() const { return {dir / "stat", dir / "meminfo", dir.path()}; }
    // Records the processor's times and the memory in KiB, as /proc has them.
    void record(int user, int system, int idle, int nice, long totalKib, long availableKib) {
        writeText(dir / "stat", "cpu  " + std::to_string(user) + " " + std::to_string(nice) + " " +
                                    std::to_string(system) + " " + std::to_string(idle) +
                                    " 0 0 0 0 0 0\ncpu0 1 1 1 1 0 0 0 0 0 0\n");
        writeText(dir / "meminfo", "MemTotal: " + std::to_string(totalKib) +
                                       " kB\nMemFree: 1 kB\nMemAvailable: " +
                                       std::to_string(availableKib) + " kB\n");
    }
};

// How the figures are worked out from /proc is the core's; here, that every refresh publishes
// and that a failed reading keeps the last processor share.
TEST_F(SystemMonitorTest, EveryRefreshPublishesAndAnUnreadableSourceKeepsTheShareNotTheUsage) {
    record(1000, 500, 8000, 100, 1000, 750);
    SystemMonitor monitor(sources());
    QSignalSpy published(&monitor, &SystemMonitor::statsChanged);
    monitor.refresh();
    EXPECT_EQ(monitor.stats().memoryUsedBytes, 250 * 1024);

    // +60 user, +20 system, +100 idle, +20 nice: 100 busy of 200.
    record(1060, 520, 8100, 120, 1000, 400);
    monitor.refresh();
    EXPECT_DOUBLE_EQ(monitor.stats().cpuUsageFraction, 0.5);
    EXPECT_GT(monitor.stats().diskTotalBytes, 0);

    writeText(dir / "stat", "cpu  1030 100 500\n");  // truncated
    writeText(dir / "meminfo", "MemTotal: 1000 kB\n");
    monitor.refresh();
    EXPECT_DOUBLE_EQ(monitor.stats().cpuUsageFraction, 0.5);
    EXPECT_EQ(monitor.stats().memoryUsedBytes, 0);
    EXPECT_EQ(monitor.stats().memoryUsedFraction, 0.0);
    monitor.refresh();  // the same figures: observers still hear of the new sample
    EXPECT_EQ(published.count(), 4);

    SystemMonitor nowhere(SystemMonitor::Sources{dir / "none", dir / "none", dir / "none"});
    nowhere.refresh();
    EXPECT_EQ(nowhere.stats(), SystemStats{});
}

TEST_F(SystemMonitorTest, StartSamplesAtOnceThenByItsOneTimerWhateverThePeriod) {
    record(1, 1, 1, 1, 10, 5);
    for (double period : {0.2, 0.0, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()}) {
        SystemMonitor monitor(sources());
        QSignalSpy spy(&monitor, &SystemMonitor::statsChanged);
        monitor.start(period);
        EXPECT_EQ(spy.count(), 1) << period << ": the first sample is taken at once";
        monitor.start(0.001);
        EXPECT_EQ(spy.count(), 1) << period << ": a second start sampled again";
        const auto timers = monitor.findChildren<QTimer*>();
        ASSERT_EQ(timers.size(), 1) << period;
        if (period == 0.2) {
            EXPECT_TRUE(waitUntil([&] { return spy.count() >= 2; })) << "then the timer samples";
        } else if (!(period > 0)) {
            EXPECT_TRUE(waitUntil([&] { return spy.count() >= 3; })) << period;
        }
    }
}

}  // namespace
}  // namespace tornivo::app
