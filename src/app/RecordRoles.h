#pragma once
// The roles each result record shows in a list model. Records with texts in the chosen language
// say so (`kLocalized`): their lists read them again when the language changes.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "RecordListModel.h"
#include "models/DeveloperModels.h"
#include "models/DiskModels.h"
#include "models/FinderModels.h"
#include "models/InstallerModels.h"
#include "models/ScanModels.h"
#include "models/UninstallModels.h"

namespace tornivo::app {

// Display text of a path (never used to find a file again).
QString displayPath(const Path& path);
QString displayName(const Path& path);
// The lossless text of a path: the id of records whose identity is their location.
QString pathId(const Path& path);
QVariant dateValue(const std::optional<TimePoint>& t);

template <>
struct RecordRoles<JunkItem> {
    static QList<QByteArray> names() {
        return {"id", "name", "path", "size", "category", "isSelected"};
    }
    static QVariant value(const JunkItem& r, int i);
};
template <>
struct RecordRoles<LargeFile> {
    static QList<QByteArray> names() {
        return {"id", "name", "path", "size", "lastAccess", "isSelected"};
    }
    static QVariant value(const LargeFile& r, int i);
};
template <>
struct RecordRoles<DuplicateGroup> {
    static QList<QByteArray> names() {
        return {"id", "hash", "size", "fileCount", "reclaimable", "files", "fileIds"};
    }
    static QVariant value(const DuplicateGroup& r, int i);
};
// One X-Ray kind: `title` is the kind's name in the chosen language.
template <>
struct RecordRoles<DiskCategory> {
    static constexpr bool kLocalized = true;
    static QList<QByteArray> names() {
        return {"kind", "size", "fileCount", "listedCount", "title"};
    }
    static QVariant value(const DiskCategory& r, int i);
};
// One listed X-Ray file: `advice` is the advice's raw value (empty for none), `adviceMessage`
// and `badge` its texts in the chosen language, `pathId` the lossless text of its path (to show
// it in the file browser, or its picture).
template <>
struct RecordRoles<DiskFile> {
    static constexpr bool kLocalized = true;
    static QList<QByteArray> names() {
        return {"id",     "name",          "path",  "size",  "lastUsed",
                "advice", "adviceMessage", "badge", "pathId"};
    }
    static QVariant value(const DiskFile& r, int i);
};
// One installer: `subtitle` says, in the chosen language, which application it installed or
// else what kind of installer it is.
template <>
struct RecordRoles<InstallerFile> {
    static constexpr bool kLocalized = true;
    static QList<QByteArray> names() {
        return {"id", "name", "path", "size", "kind", "matchedApp", "isSelected", "subtitle"};
    }
    static QVariant value(const InstallerFile& r, int i);
};
template <>
struct RecordRoles<InstalledApp> {
    static QList<QByteArray> names() { return {"id", "name", "path"}; }
    static QVariant value(const InstalledApp& r, int i);
};
template <>
struct RecordRoles<DeveloperProject> {
    static QList<QByteArray> names() {
        return {"id", "name", "path", "size", "lastActivity", "isActive", "isSelected", "place"};
    }
    static QVariant value(const DeveloperProject& r, int i);
};
// A project's outputs on one side of the protection window; `id` is the project folder's.
template <>
struct RecordRoles<DeveloperProjectGroup> {
    static QList<QByteArray> names() {
        return {"id",           "name",     "path",  "size",         "selectedSize",
                "lastActivity", "isActive", "count", "selectedCount"};
    }
    static QVariant value(const DeveloperProjectGroup& r, int i);
};
template <>
struct RecordRoles<AppLeftover> {
    static QList<QByteArray> names() {
        return {"id", "name", "path", "size", "kind", "matchedByName", "isSelected"};
    }
    static QVariant value(const AppLeftover& r, int i);
};
// Plain locations (the Trash's items, the protected folders).
template <>
struct RecordRoles<Path> {
    static QList<QByteArray> names() { return {"id", "name", "path"}; }
    static QVariant value(const Path& r, int i);
};

}  // namespace tornivo::app
