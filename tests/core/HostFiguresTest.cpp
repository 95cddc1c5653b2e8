#include "platform/HostFigures.h"

#include <gtest/gtest.h>

#include <limits>

namespace tornivo {
namespace {

constexpr std::uint64_t k2to32 = std::uint64_t{1} << 32;

TEST(HostFiguresTest, CpuLineCountsIowaitAsIdleInterruptsAsSystemAndNothingWhenMalformed) {
    // The aggregate line is found wherever it is, and a per-processor line is never taken for it;
    // steal and guest time are not counted.
    EXPECT_EQ(parseCpuTicks("cpu0 9 9 9 9\ncpu 1 2 3 4 5 6 7 8 9 10\nintr 1 0\n"),
              (CpuTicks{1, 3 + 6 + 7, 4 + 5, 2}));
    // Kernels before 2.6 have only the four classic fields; blanks may be tabs.
    EXPECT_EQ(parseCpuTicks("cpu\t1 2 3 4\n"), (CpuTicks{1, 3, 4, 2}));
    // Malformed or truncated: no ticks.
    for (std::string_view bad : {
             "",
             "cpu0 98618 0 51647 149570 2513 0 31 191 0 0\n",        // no aggregate line
             "cpu  202225 17 114669\n",                              // cut after three fields
             "cpu  202225 17 114669 280549 6266 4x 1578\n",          // not a number
             "cpu  202225 -17 114669 280549\n",                      // signed
             "cpu  202225 17 114669 280549 18446744073709551616\n",  // beyond 64 bits
             "cpu 1 2 18446744073709551615 4 5 1\n",                 // system + irq overflows
             "cpux 1 2 3 4\n",
         })
        EXPECT_FALSE(parseCpuTicks(bad)) << bad;
}

TEST(HostFiguresTest, MemoryUsedIsTotalMinusAvailableWithinZeroAndTheTotalElseNothing) {
    const std::pair<std::string_view, ByteUsage> cases[] = {
        {"MemAvailable: 1 kB\nHugePages_Total: 0\nMemTotal: 3 kB\n", {2048, 3072}},  // any order
        {"MemTotal: 100 kB\nMemAvailable: 250 kB\n", {0, 102400}},
        {"MemTotal: 0 kB\nMemAvailable: 0 kB\n", {0, 0}},
    };
    for (const auto& [text, usage] : cases) EXPECT_EQ(parseMemoryUsage(text), usage) << text;
    // Without both figures, in the kernel's unit and within 64 bits: no reading.
    for (std::string_view bad : {
             "",
             "MemTotal:       24683772 kB\nMemFree:        19052884 kB\n",  // no MemAvailable
             "MemTotal:       24683772 kB\nMemAvailable:   2348",           // cut mid-number
             "MemTotal:       24683772 MB\nMemAvailable:   1 kB\n",         // not the kernel's unit
             "MemTotal: 9007199254740993 kB\nMemAvailable: 1 kB\n",         // bytes beyond 64 bits
             "MemTotal: 18446744073709551616 kB\nMemAvailable: 1 kB\n",
             "MemTotalX: 5 kB\nMemAvailable: 1 kB\n",
         })
        EXPECT_FALSE(parseMemoryUsage(bad)) << bad;
}

TEST(HostFiguresTest, DiskUsedIsNeverNegativeAndProductsSaturate) {
    constexpr auto kMax = std::numeric_limits<ByteCount>::max();
    constexpr auto kHuge = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(diskUsageFromBlocks(1000, 5000, 4096), (ByteUsage{0, 1000 * 4096}));
    EXPECT_EQ(diskUsageFromBlocks(kHuge, 0, 4096), (ByteUsage{kMax, kMax}));
    EXPECT_EQ(diskUsageFromBlocks(kHuge, kHuge, 4096), (ByteUsage{0, kMax}));
}

// --- processor share ---

TEST(HostFiguresTest, FirstReadingGivesZeroLaterOnesTheBusyShareAcross32BitWrapsFailuresTheLast) {
    ProcessorLoad load;
    EXPECT_EQ(load.sample(std::nullopt, 0.3), 0.3);
    EXPECT_EQ(load.sample(CpuTicks{100, 50, 800, 10}, 0.7), 0.0);
    // +30 user, +10 system, +55 idle, +5 nice: 45 busy of 100.
    EXPECT_DOUBLE_EQ(load.sample(CpuTicks{130, 60, 855, 15}, 0.0), 0.45);
    EXPECT_DOUBLE_EQ(load.sample(CpuTicks{230, 60, 855, 15}, 0.0), 1.0);
    EXPECT_EQ(load.sample(std::nullopt, 0.3), 0.3);
    EXPECT_EQ(load.sample(CpuTicks{230, 60, 855, 15}, 0.3), 0.3) << "no motion";
    // The next difference is still taken from the last stored counters.
    EXPECT_DOUBLE_EQ(load.sample(CpuTicks{232, 60, 857, 15}, 0.3), 0.5);

    // Counters crossing a 32-bit boundary give their small difference: user +20, system +2,
    // idle +60 (all three crossed a boundary), nice +18.
    load.sample(CpuTicks{k2to32 - 10, 5 * k2to32 - 1, k2to32 - 30, 7}, 0.0);
    EXPECT_DOUBLE_EQ(load.sample(CpuTicks{k2to32 + 10, 5 * k2to32 + 1, k2to32 + 30, 25}, 0.0), 0.4);
}

TEST(HostFiguresTest, ACounterGoingBackwardsNeverGivesAShareOutsideZeroToOne) {
    for (CpuTicks back : {CpuTicks{999, 1100, 2000, 100}, CpuTicks{1100, 1100, 1999, 100},
                          CpuTicks{1100, 1100, 2100, 0}, CpuTicks{0, 0, 0, 0}}) {
        ProcessorLoad load;
        load.sample(CpuTicks{1000, 1000, 2000, 100}, 0.0);
        load.sample(CpuTicks{1000, 1100, 2100, 100}, 0.0);
        EXPECT_EQ(load.sample(back, 0.5), 0.5) << back.user << ' ' << back.idle << ' ' << back.nice;
        // The backwards reading is the new base: the next share is measured from it.
        const CpuTicks later{back.user + 3, back.system, back.idle + 1, back.nice};
        EXPECT_DOUBLE_EQ(load.sample(later, 0.5), 0.75);
    }
    // A share handed in from outside the range is not passed on.
    ProcessorLoad load;
    EXPECT_EQ(load.sample(std::nullopt, 7.0), 1.0);
    EXPECT_EQ(load.sample(std::nullopt, -1.0), 0.0);
    EXPECT_EQ(load.sample(std::nullopt, std::numeric_limits<double>::quiet_NaN()), 0.0);
}

}  // namespace
}  // namespace tornivo
