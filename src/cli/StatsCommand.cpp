// stats: one sample of the processor, memory and disk figures the status widget shows.

#include <chrono>
#include <cmath>
#include <iostream>
#include <thread>

#include "Command.h"
#include "JsonRecords.h"
#include "platform/ByteFormatter.h"
#include "platform/HostFigures.h"

namespace tornivo::cli {

namespace {

// The processor share needs two readings of the counters; the application takes them two
// seconds apart, a one-off sample one second apart.
constexpr auto kLoadInterval = std::chrono::seconds(1);

double fraction(const ByteUsage& usage) {
    return usage.total < 1 ? 0.0
                           : static_cast<double>(usage.used) / static_cast<double>(usage.total);
}

std::string percent(double share) {
    return std::to_string(static_cast<int>(std::lround(share * 100))) + " %";
}

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    ProcessorLoad load;
    load.sample(readCpuTicks(), 0);
    std::this_thread::sleep_for(kLoadInterval);
    const double cpu = load.sample(readCpuTicks(), 0);
    const ByteUsage memory = memoryUsage();
    const ByteUsage disk = diskUsage(context.layout().home);

    const SystemStats stats{fraction(memory), memory.used, memory.total, cpu,
                            fraction(disk),   disk.used,   disk.total};
    if (context.json()) {
        writeJson(std::cout, toJson(stats));
        return kSuccess;
    }
    const std::string& locale = context.locale();
    Table table({{"FIGURE"},
                 {"IN USE", Table::Align::right},
                 {"USED", Table::Align::right},
                 {"TOTAL", Table::Align::right}});
    table.add({"processor", percent(stats.cpuUsageFraction), "", ""});
    table.add({"memory", percent(stats.memoryUsedFraction),
               formatBytes(stats.memoryUsedBytes, locale),
               formatBytes(stats.memoryTotalBytes, locale)});
    table.add({"disk", percent(stats.diskUsedFraction), formatBytes(stats.diskUsedBytes, locale),
               formatBytes(stats.diskTotalBytes, locale)});
    table.print(std::cout);
    return kSuccess;
}

}  // namespace

const Command statsCommand = {
    "stats",
    "stats",
    "one sample of the processor, memory and disk figures",
    R"(Measures the processor's busy share over one second, the memory in use (total minus
available) and the fill of the disk that holds the home folder. JSON: the SystemStats object
(memoryUsedFraction, memoryUsedBytes, memoryTotalBytes, cpuUsageFraction, diskUsedFraction,
diskUsedBytes, diskTotalBytes).
)",
    {},
    run,
};

}  // namespace tornivo::cli
