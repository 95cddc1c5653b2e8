#include "platform/HostFigures.h"

#include "platform/Descriptor.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace tornivo {

namespace {

constexpr ByteCount kMaxBytes = std::numeric_limits<ByteCount>::max();

// Both files are a few kilobytes; on a machine with thousands of processors /proc/stat grows
// with one line per processor and the interrupt counts. The lines read here come first, so a
// longer file is cut, not refused.
constexpr std::size_t kMaxHostFileBytes = 4 << 20;

// The whole text of a /proc file. These report a size of 0, so read until the end.
std::optional<std::string> readHostFile(const Path& file) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[16384];
    bool failed = false;
    while (text.size() < kMaxHostFileBytes) {
        const ssize_t got = retryOnInterrupt([&] { return ::read(fd, buffer, sizeof buffer); });
        if (got < 0) failed = true;
        if (got <= 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (failed) return std::nullopt;
    return text;
}

std::optional<std::uint64_t> parseNumber(std::string_view token) {
    std::uint64_t value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || ec != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The blank-separated words of one line.
std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// Calls `visit(line)` for every line until it returns true.
template <class Visit>
void forEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (visit(line)) return;
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

// The value of "<key>: <number> kB" in meminfo, in bytes. The unit is required: a line cut off
// in the middle of its number has none and so is not mistaken for a smaller figure.
std::optional<ByteCount> meminfoBytes(std::string_view meminfo, std::string_view key) {
    std::optional<ByteCount> found;
    forEachLine(meminfo, [&](std::string_view line) {
        if (line.size() <= key.size() || line.substr(0, key.size()) != key ||
            line[key.size()] != ':')
            return false;
        auto parts = words(line.substr(key.size() + 1));
        if (parts.size() != 2 || parts[1] != "kB") return true;
        auto kib = parseNumber(parts[0]);
        if (kib && *kib <= static_cast<std::uint64_t>(kMaxBytes / 1024))
            found = static_cast<ByteCount>(*kib) * 1024;
        return true;  // the first line with the key decides
    });
    return found;
}

ByteCount saturatingProduct(std::uint64_t a, std::uint64_t b) {
    std::uint64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product) || product > static_cast<std::uint64_t>(kMaxBytes))
        return kMaxBytes;
    return static_cast<ByteCount>(product);
}

}  // namespace

// Fields of the line, in order: user nice system idle iowait irq softirq steal guest guest_nice
// (kernels before 2.6 stop after idle). iowait is time with nothing to run, so it counts as
// idle. Time spent serving interrupts (irq, softirq) is work done by this machine and counts as
// system. Stolen time ran someone else's work on the hypervisor's processors: neither busy nor
// idle here, so it is left out. guest and guest_nice are already inside user and nice.
std::optional<CpuTicks> parseCpuTicks(std::string_view procStat) {
    std::optional<CpuTicks> result;
    forEachLine(procStat, [&](std::string_view line) {
        auto parts = words(line);
        if (parts.empty() || parts[0] != "cpu") return false;
        if (parts.size() < 5) return true;
        std::vector<std::uint64_t> fields;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            auto value = parseNumber(parts[i]);
            if (!value) return true;
            fields.push_back(*value);
        }
        fields.resize(std::max<std::size_t>(fields.size(), 7), 0);
        CpuTicks ticks;
        ticks.user = fields[0];
        ticks.nice = fields[1];
        if (__builtin_add_overflow(fields[2], fields[5], &ticks.system) ||
            __builtin_add_overflow(ticks.system, fields[6], &ticks.system) ||
            __builtin_add_overflow(fields[3], fields[4], &ticks.idle))
            return true;
        result = ticks;
        return true;
    });
    return result;
}

std::optional<CpuTicks> readCpuTicks(const Path& procStat) {
    auto text = readHostFile(procStat);
    if (!text) return std::nullopt;
    return parseCpuTicks(*text);
}

std::optional<ByteCount> parseMemoryTotal(std::string_view meminfo) {
    return meminfoBytes(meminfo, "MemTotal");
}

std::optional<ByteUsage> parseMemoryUsage(std::string_view meminfo) {
    auto total = parseMemoryTotal(meminfo);
    auto available = meminfoBytes(meminfo, "MemAvailable");
    if (!total || !available) return std::nullopt;
    // Both are non-negative, so the difference cannot overflow and never exceeds the total.
    return ByteUsage{std::max<ByteCount>(*total - *available, 0), *total};
}

ByteUsage memoryUsage(const Path& meminfo) {
    auto text = readHostFile(meminfo);
    if (!text) return {};
    if (auto usage = parseMemoryUsage(*text)) return *usage;
    return ByteUsage{0, parseMemoryTotal(*text).value_or(0)};
}

ByteUsage diskUsageFromBlocks(std::uint64_t blocks, std::uint64_t availableBlocks,
                              std::uint64_t fragmentSize) {
    ByteCount total = saturatingProduct(blocks, fragmentSize);
    ByteCount available = saturatingProduct(availableBlocks, fragmentSize);
    return ByteUsage{std::max<ByteCount>(total - available, 0), total};
}

ByteUsage diskUsage(const Path& folder) {
    struct statvfs vfs;
    const int rc = retryOnInterrupt([&] { return ::statvfs(folder.c_str(), &vfs); });
    if (rc != 0) return {};
    return diskUsageFromBlocks(vfs.f_blocks, vfs.f_bavail, vfs.f_frsize);
}

double ProcessorLoad::sample(const std::optional<CpuTicks>& reading, double currentShare) {
    const double current = std::isfinite(currentShare) ? std::clamp(currentShare, 0.0, 1.0) : 0.0;
    if (!reading) return current;

    const Counters now{
        static_cast<std::uint32_t>(reading->user), static_cast<std::uint32_t>(reading->system),
        static_cast<std::uint32_t>(reading->idle), static_cast<std::uint32_t>(reading->nice)};
    const std::optional<Counters> before = previous_;
    previous_ = now;
    if (!before) return 0.0;

    // Unsigned subtraction wraps modulo 2^32. No state can gain 2^31 ticks between two samples
    // (that is years of processor time), so a difference at or above 2^31 means the counter
    // went backwards (the kernel's iowait figure can); such a sample measures nothing.
    constexpr std::uint32_t kBackwards = std::uint32_t{1} << 31;
    const std::uint32_t deltas[] = {now.user - before->user, now.system - before->system,
                                    now.idle - before->idle, now.nice - before->nice};
    if (std::any_of(std::begin(deltas), std::end(deltas),
                    [](std::uint32_t d) { return d >= kBackwards; }))
        return current;

    const double user = deltas[0], system = deltas[1], idle = deltas[2], nice = deltas[3];
    const double busy = user + system + nice;
    const double total = busy + idle;
    if (total <= 0) return current;
    return std::clamp(busy / total, 0.0, 1.0);
}

}  // namespace tornivo
