#include "RecordRoles.h"

#include "Fmt.h"
#include "platform/PathText.h"

namespace tornivo::app {

QString displayPath(const Path& path) {
    return QString::fromStdString(displayText(path));
}

QString displayName(const Path& path) {
    return QString::fromStdString(displayText(path.filename()));
}

QString pathId(const Path& path) {
    return QString::fromStdString(encodePathText(path));
}

QVariant dateValue(const std::optional<TimePoint>& t) {
    if (!t) return {};
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t->time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(ms.count());
}

namespace {
QString raw(std::string_view v) {
    return QString::fromUtf8(v.data(), static_cast<qsizetype>(v.size()));
}
QString id(const Uuid& u) {
    return QString::fromStdString(u.toString());
}

// The first roles of every record that stands for one file or folder: id, name, path and size.
constexpr int kFileRoles = 4;
template <class Record>
QVariant fileRole(const Record& r, int i) {
    switch (i) {
        case 0:
            return id(r.id);
        case 1:
            return displayName(r.url);
        case 2:
            return displayPath(r.url);
        case 3:
            return QVariant::fromValue<qint64>(r.size);
    }
    return {};
}
}  // namespace

QVariant RecordRoles<JunkItem>::value(const JunkItem& r, int i) {
    if (i == 1 && !r.appName.empty()) return QString::fromStdString(r.appName);
    if (i < kFileRoles) return fileRole(r, i);
    switch (i) {
        case 4:
            return raw(rawValue(r.category));
        case 5:
            return r.isSelected;
    }
    return {};
}

QVariant RecordRoles<LargeFile>::value(const LargeFile& r, int i) {
    if (i < kFileRoles) return fileRole(r, i);
    switch (i) {
        case 4:
            return dateValue(r.lastAccess);
        case 5:
            return r.isSelected;
    }
    return {};
}

QVariant RecordRoles<DuplicateGroup>::value(const DuplicateGroup& r, int i) {
    switch (i) {
        case 0:
            return id(r.id);
        case 1:
            return QString::fromStdString(r.hash);
        case 2:
            return QVariant::fromValue<qint64>(r.size);
        case 3:
            return static_cast<int>(r.files.size());
        case 4:
            return QVariant::fromValue<qint64>(r.reclaimable());
        case 5: {
            QStringList files;
            for (const auto& f : r.files) files << displayPath(f);
            return files;
        }
        case 6: {
            QStringList ids;
            for (const auto& f : r.files) ids << pathId(f);
            return ids;
        }
    }
    return {};
}

QVariant RecordRoles<DiskCategory>::value(const DiskCategory& r, int i) {
    switch (i) {
        case 0:
            return raw(rawValue(r.kind));
        case 1:
            return QVariant::fromValue<qint64>(r.size);
        case 2:
            return QVariant::fromValue<qint64>(r.fileCount);
        case 3:
            return static_cast<int>(r.files.size());
        case 4:
            return qtTrId(("kind." + std::string(rawValue(r.kind))).c_str());
    }
    return {};
}

namespace {
QString adviceMessage(const FileAdvice& advice) {
    switch (advice.kind) {
        case FileAdvice::Case::stale:
            return qtTrId("xray.advice.stale")
                .arg(Fmt::date(dateValue(advice.lastUsed).toDateTime()));
        case FileAdvice::Case::cacheJunk:
            return qtTrId("xray.advice.cache");
        case FileAdvice::Case::installer:
            return qtTrId("xray.advice.installer");
        case FileAdvice::Case::buildArtifact:
            return qtTrId("xray.advice.build");
        case FileAdvice::Case::huge:
            return qtTrId("xray.advice.huge");
    }
    return {};
}

QString adviceBadge(const FileAdvice& advice) {
    switch (advice.kind) {
        case FileAdvice::Case::stale:
        case FileAdvice::Case::huge:
            return qtTrId("xray.badge.review");
        case FileAdvice::Case::cacheJunk:
        case FileAdvice::Case::installer:
        case FileAdvice::Case::buildArtifact:
            return qtTrId("xray.badge.safe");
    }
    return {};
}
}  // namespace

QVariant RecordRoles<DiskFile>::value(const DiskFile& r, int i) {
    if (i < kFileRoles) return fileRole(r, i);
    switch (i) {
        case 4:
            return dateValue(r.lastUsed);
        case 5:
            return r.advice ? raw(rawValue(r.advice->kind)) : QString();
        case 6:
            return r.advice ? adviceMessage(*r.advice) : QString();
        case 7:
            return r.advice ? adviceBadge(*r.advice) : QString();
        case 8:
            return pathId(r.url);
    }
    return {};
}

QVariant RecordRoles<InstallerFile>::value(const InstallerFile& r, int i) {
    if (i < kFileRoles) return fileRole(r, i);
    switch (i) {
        case 4:
            return QString::fromStdString(r.kind);
        case 5:
            return r.matchedApp ? QVariant(QString::fromStdString(*r.matchedApp)) : QVariant();
        case 6:
            return r.isSelected;
        case 7:
            return r.matchedApp
                       ? qtTrId("inst.installed").arg(QString::fromStdString(*r.matchedApp))
                       : qtTrId("inst.kind").arg(QString::fromStdString(r.kind));
    }
    return {};
}

QVariant RecordRoles<InstalledApp>::value(const InstalledApp& r, int i) {
    switch (i) {
        case 0:
            return pathId(r.url);
        case 1:
            return QString::fromStdString(r.name);
        case 2:
            return displayPath(r.url);
    }
    return {};
}

QVariant RecordRoles<DeveloperProject>::value(const DeveloperProject& r, int i) {
    switch (i) {
        case 0:
            return id(r.id);
        case 1:
            return QString::fromStdString(r.name);
        case 2:
            return displayPath(r.url);
        case 3:
            return QVariant::fromValue<qint64>(r.size);
        case 4:
            return dateValue(r.lastActivity);
        case 5:
            return r.isActive;
        case 6:
            return r.isSelected;
        case 7: {
            // Where the output lies in its project ("node_modules", "app/__pycache__").
            const std::string& folder = r.projectFolder().native();
            const std::string& url = r.url.native();
            if (url.size() <= folder.size() + 1 || url.compare(0, folder.size(), folder) != 0)
                return QString::fromStdString(r.name);
            return QString::fromStdString(
                displayText(std::string_view(url).substr(folder.size() + 1)));
        }
    }
    return {};
}

QVariant RecordRoles<DeveloperProjectGroup>::value(const DeveloperProjectGroup& r, int i) {
    switch (i) {
        case 0:
            return pathId(r.project);
        case 1:
            return QString::fromStdString(displayText(std::string_view(r.name())));
        case 2:
            return displayPath(r.project);
        case 3:
            return QVariant::fromValue<qint64>(r.size());
        case 4:
            return QVariant::fromValue<qint64>(r.selectedSize());
        case 5:
            return dateValue(r.lastActivity());
        case 6:
            return r.isActive;
        case 7:
            return static_cast<int>(r.outputs.size());
        case 8:
            return static_cast<int>(r.selectedCount());
    }
    return {};
}

QVariant RecordRoles<AppLeftover>::value(const AppLeftover& r, int i) {
    if (i < kFileRoles) return fileRole(r, i);
    switch (i) {
        case 4:
            return raw(rawValue(r.kind));
        case 5:
            return r.matchedByName;
        case 6:
            return r.isSelected;
    }
    return {};
}

QVariant RecordRoles<Path>::value(const Path& r, int i) {
    switch (i) {
        case 0:
            return pathId(r);
        case 1:
            return displayName(r);
        case 2:
            return displayPath(r);
    }
    return {};
}

}  // namespace tornivo::app
