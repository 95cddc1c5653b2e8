#include "JsonRecords.h"

#include "models/RawEnum.h"
#include "platform/PathText.h"

namespace tornivo::cli {

namespace {
Json raw(std::string_view value) {
    return std::string(value);
}
}  // namespace

Json toJson(const Path& path) {
    return encodePathText(path);
}

Json toJson(const std::optional<TimePoint>& date) {
    return date ? Json(isoDate(*date)) : Json(nullptr);
}

Json toJson(const JunkItem& item) {
    Json json = {{"id", item.id.toString()},
                 {"url", toJson(item.url)},
                 {"size", item.size},
                 {"category", raw(rawValue(item.category))},
                 {"isSelected", item.isSelected}};
    // A sandboxed application's cache says whose it is.
    if (!item.app.empty()) {
        json["app"] = item.app;
        json["name"] = item.appName;
    }
    return json;
}

Json toJson(const LargeFile& file) {
    return {{"id", file.id.toString()},
            {"url", toJson(file.url)},
            {"size", file.size},
            {"lastAccess", toJson(file.lastAccess)},
            {"isSelected", file.isSelected}};
}

Json toJson(const DuplicateGroup& group) {
    return {{"id", group.id.toString()},
            {"hash", group.hash},
            {"size", group.size},
            {"files", toJsonArray(group.files)}};
}

Json toJson(const FileAdvice& advice) {
    Json object = {{"case", raw(rawValue(advice.kind))}};
    if (advice.kind == FileAdvice::Case::stale) object["lastUsed"] = toJson(advice.lastUsed);
    return object;
}

Json toJson(const DiskFile& file) {
    return {{"id", file.id.toString()},
            {"url", toJson(file.url)},
            {"size", file.size},
            {"lastUsed", toJson(file.lastUsed)},
            {"advice", file.advice ? toJson(*file.advice) : Json(nullptr)}};
}

Json toJson(const DiskCategory& category) {
    return {{"kind", raw(rawValue(category.kind))},
            {"size", category.size},
            {"fileCount", category.fileCount},
            {"files", toJsonArray(category.files)}};
}

Json toJson(const InstallerFile& file) {
    return {{"id", file.id.toString()},
            {"url", toJson(file.url)},
            {"size", file.size},
            {"kind", file.kind},
            {"matchedApp", file.matchedApp ? Json(*file.matchedApp) : Json(nullptr)},
            {"isSelected", file.isSelected}};
}

Json toJson(const SystemStats& stats) {
    return {{"memoryUsedFraction", stats.memoryUsedFraction},
            {"memoryUsedBytes", stats.memoryUsedBytes},
            {"memoryTotalBytes", stats.memoryTotalBytes},
            {"cpuUsageFraction", stats.cpuUsageFraction},
            {"diskUsedFraction", stats.diskUsedFraction},
            {"diskUsedBytes", stats.diskUsedBytes},
            {"diskTotalBytes", stats.diskTotalBytes}};
}

Json toJson(const DeveloperProject& project) {
    return {{"id", project.id.toString()},  {"name", project.name},
            {"url", toJson(project.url)},   {"project", toJson(project.projectFolder())},
            {"size", project.size},         {"lastActivity", isoDate(project.lastActivity)},
            {"isActive", project.isActive}, {"isSelected", project.isSelected}};
}

Json toJson(const InstalledApp& app) {
    return {{"name", app.name}, {"url", toJson(app.url)}};
}

Json toJson(const AppLeftover& leftover) {
    return {{"id", leftover.id.toString()},
            {"url", toJson(leftover.url)},
            {"size", leftover.size},
            {"kind", raw(rawValue(leftover.kind))},
            {"matchedByName", leftover.matchedByName},
            {"isSelected", leftover.isSelected}};
}

Json toJson(const AppFile& file) {
    return {{"url", toJson(file.url)}, {"size", file.size}};
}

Json toJson(const UninstallTarget& target) {
    return {{"appURL", toJson(target.appURL)},
            {"appName", target.appName},
            {"bundleID", target.bundleID ? Json(*target.bundleID) : Json(nullptr)},
            {"appSize", target.appSize},
            {"leftovers", toJsonArray(target.leftovers)},
            {"removal", raw(rawValue(target.removal))},
            {"appFiles", toJsonArray(target.appFiles)},
            {"flatpakID", target.flatpakID.empty() ? Json(nullptr) : Json(target.flatpakID)}};
}

Json toJson(const ShredOutcome& outcome) {
    return {
        {"count", outcome.count}, {"bytes", outcome.bytes}, {"left", toJsonArray(outcome.left)}};
}

Json toJson(const LeftItem& left) {
    return {{"url", toJson(left.url)}, {"reason", std::string(rawValue(left.reason))}};
}

Json toJson(const RootProblem& problem) {
    return {{"folder", toJson(problem.folder)},
            {"reason", std::string(rawValue(problem.reason))},
            {"other", problem.other.empty() ? Json() : Json(problem.other)}};
}

Json toJson(const UnreadFolder& folder) {
    return {{"url", toJson(folder.url)}, {"reason", std::string(rawValue(folder.reason))}};
}

Json toJson(const ScanReport& report) {
    return {{"refused", toJsonArray(report.refused)},
            {"folders", toJsonArray(report.unread)},
            {"count", report.unreadCount}};
}

}  // namespace tornivo::cli
