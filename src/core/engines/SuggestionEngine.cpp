#include "engines/SuggestionEngine.h"

#include <cmath>

namespace tornivo {

std::string SuggestionEngine::percent(double fraction) {
    return std::to_string(static_cast<long long>(std::round(fraction * 100.0))) + "%";
}

std::vector<Suggestion> SuggestionEngine::suggestions(const std::optional<SystemStats>& stats,
                                                      const std::optional<ScanResult>& lastScan) {
    std::vector<Suggestion> out;
    if (stats && stats->memoryUsedFraction >= 0.85)
        out.push_back({Uuid::random(),
                       "memorychip.fill",
                       "suggest.ramHigh",
                       {percent(stats->memoryUsedFraction)},
                       "suggest.review",
                       SuggestionAction::freeMemory});
    if (stats && stats->diskUsedFraction >= 0.85)
        out.push_back(
            {Uuid::random(),
             "internaldrive.fill",
             "suggest.diskFull",
             {percent(stats->diskUsedFraction),
              ByteAmount{std::max<ByteCount>(0, stats->diskTotalBytes - stats->diskUsedBytes)}},
             "suggest.xray",
             SuggestionAction::openXRay});
    if (lastScan && !lastScan->items.empty()) {
        const ByteCount total = lastScan->totalSize();
        if (total >= 1'000'000'000)
            out.push_back({Uuid::random(),
                           "sparkles",
                           "suggest.junkReady",
                           {ByteAmount{total}},
                           "suggest.clean",
                           SuggestionAction::quickScan});
    }
    if (out.empty())
        out.push_back({Uuid::random(),
                       "checkmark.seal.fill",
                       "suggest.healthy",
                       {},
                       "suggest.scan",
                       SuggestionAction::quickScan});
    return out;
}

std::vector<Suggestion> SuggestionEngine::suggestions(
    const std::optional<SystemStats>& stats, const std::optional<ScanResult>& lastScan,
    const std::optional<DeveloperScanResult>& developer,
    const std::vector<InstallerFile>& installers) {
    std::vector<Suggestion> out = suggestions(stats, lastScan);
    if (developer) {
        const ByteCount total = developer->cleanableSize();
        if (total > 1'999'999'999)
            out.insert(out.begin(), {Uuid::random(),
                                     "hammer.fill",
                                     "suggest.devCaches",
                                     {ByteAmount{total}},
                                     "suggest.clean",
                                     SuggestionAction::openDeveloper});
    }
    std::int64_t matched = 0;
    ByteCount matchedBytes = 0;
    for (const auto& f : installers) {
        if (!f.matchedApp) continue;
        ++matched;
        matchedBytes += f.size;
    }
    if (matched > 0 && matchedBytes >= 200'000'000)
        out.insert(out.begin(), {Uuid::random(),
                                 "opticaldiscdrive.fill",
                                 "suggest.installers",
                                 {Count{matched}, ByteAmount{matchedBytes}},
                                 "suggest.review",
                                 SuggestionAction::openInstallers});
    return out;
}

}  // namespace tornivo
