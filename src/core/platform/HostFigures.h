#pragma once
// Live figures of the host, read the Linux way: processor ticks from /proc/stat, memory from
// /proc/meminfo and a volume's capacity from statvfs. The parsers take the file's text so that
// recorded samples can stand in for the live files; bad text gives no value, never a guess.

#include <cstdint>
#include <optional>
#include <string_view>

#include "models/Types.h"

namespace tornivo {

// Cumulative processor ticks of the whole machine (all processors together), in the four
// states the monitor tells apart.
struct CpuTicks {
    std::uint64_t user = 0;
    std::uint64_t system = 0;
    std::uint64_t idle = 0;
    std::uint64_t nice = 0;

    bool operator==(const CpuTicks&) const = default;
};

// A used and a total byte count; 0 <= used <= total whenever a reader made it.
struct ByteUsage {
    ByteCount used = 0;
    ByteCount total = 0;

    bool operator==(const ByteUsage&) const = default;
};

// The aggregate "cpu" line of /proc/stat. Empty when the line is missing, has fewer than the
// four classic fields, holds anything but decimal numbers or a number beyond 64 bits.
std::optional<CpuTicks> parseCpuTicks(std::string_view procStat);
std::optional<CpuTicks> readCpuTicks(const Path& procStat = "/proc/stat");

// MemTotal of /proc/meminfo in bytes; empty when missing or malformed.
std::optional<ByteCount> parseMemoryTotal(std::string_view meminfo);
// Used memory = MemTotal - MemAvailable (kB in the text, bytes here), clamped to [0, total].
// Empty when either line is missing or malformed.
std::optional<ByteUsage> parseMemoryUsage(std::string_view meminfo);
// The memory figures of a meminfo file: (used, total) when it reads, else (0, MemTotal) when at
// least the total is known, else (0, 0).
ByteUsage memoryUsage(const Path& meminfo = "/proc/meminfo");

// A volume's figures from statvfs counts: total = blocks x fragment size, used = total -
// available (blocks available to unprivileged users), never below 0. Products beyond 64 bits
// saturate.
ByteUsage diskUsageFromBlocks(std::uint64_t blocks, std::uint64_t availableBlocks,
                              std::uint64_t fragmentSize);
// The figures of the volume holding `folder`; (0, 0) when statvfs fails.
ByteUsage diskUsage(const Path& folder);

// The processor's busy share between two readings of the tick counters. Only the low 32 bits of
// each counter are kept, and differences are taken modulo 2^32, so a counter that crossed a
// 2^32 boundary between two readings still gives its small true difference.
class ProcessorLoad {
  public:
    struct Counters {
        std::uint32_t user = 0;
        std::uint32_t system = 0;
        std::uint32_t idle = 0;
        std::uint32_t nice = 0;

        bool operator==(const Counters&) const = default;
    };

    // Takes a reading (empty when the host could not be asked) and gives the busy share since
    // the previous reading, always within [0, 1]:
    // - no reading: `currentShare`, and the previous counters stay as they were;
    // - first reading: 0 (a share needs two);
    // - otherwise (user + system + nice) / (user + system + idle + nice) of the differences, or
    //   `currentShare` when nothing moved or a counter went backwards.
    // Every reading becomes the previous one for the next call.
    double sample(const std::optional<CpuTicks>& reading, double currentShare);

    const std::optional<Counters>& previous() const { return previous_; }

  private:
    std::optional<Counters> previous_;
};

}  // namespace tornivo
