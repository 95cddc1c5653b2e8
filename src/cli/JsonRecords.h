#pragma once
// The records as JSON objects whose keys are the records' field names: locations as their
// lossless path text, sizes as integers in bytes, dates as ISO 8601 in UTC, enumerations by their
// raw value and an absent optional as null.

#include "Output.h"
#include "models/DeveloperModels.h"
#include "models/DiskModels.h"
#include "models/FinderModels.h"
#include "models/InstallerModels.h"
#include "models/Outcome.h"
#include "models/ScanModels.h"
#include "models/ScanReport.h"
#include "models/ShredModels.h"
#include "models/SystemStats.h"
#include "models/UninstallModels.h"

namespace tornivo::cli {

Json toJson(const Path& path);
Json toJson(const std::optional<TimePoint>& date);
Json toJson(const JunkItem& item);
Json toJson(const LargeFile& file);
Json toJson(const DuplicateGroup& group);
Json toJson(const FileAdvice& advice);
Json toJson(const DiskFile& file);
Json toJson(const DiskCategory& category);
Json toJson(const InstallerFile& file);
Json toJson(const SystemStats& stats);
Json toJson(const DeveloperProject& project);
Json toJson(const InstalledApp& app);
Json toJson(const AppLeftover& leftover);
Json toJson(const AppFile& file);
Json toJson(const UninstallTarget& target);
Json toJson(const ShredOutcome& outcome);
Json toJson(const LeftItem& left);
Json toJson(const RootProblem& problem);
Json toJson(const UnreadFolder& folder);
// {"refused": [...], "folders": [...], "count": N}: what a scan could not read.
Json toJson(const ScanReport& report);

template <class Record>
Json toJsonArray(const std::vector<Record>& records) {
    Json array = Json::array();
    for (const auto& r : records) array.push_back(toJson(r));
    return array;
}

}  // namespace tornivo::cli
