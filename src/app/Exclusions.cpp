#include "Exclusions.h"

#include "Fmt.h"
#include "RecordRoles.h"
#include "platform/PathText.h"

namespace tornivo::app {

Path pathFromFileUrl(const QUrl& url) {
    // A file URL naming another machine is no folder of this one.
    if (!url.isValid() || !url.isLocalFile() ||
        !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
        return {};
    QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded);
    // A path cannot hold a NUL byte: "%00" would cut it short at the first system call.
    if (!bytes.startsWith('/') || bytes.contains('\0')) return {};
    return Path(bytes.toStdString());
}

Exclusions::Exclusions(PreferencesStore& store, Path home, QObject* parent)
    : QObject(parent),
      core_(std::make_unique<tornivo::Exclusions>(store)),
      home_(std::move(home)),
      model_(new RecordList<Path>(this)) {
    publish();
}

Exclusions::~Exclusions() = default;

QString Exclusions::problemText() const {
    const auto& problem = core_->problem();
    if (!problem) return {};
    return qtTrId("settings.protectedUnreadable")
        .arg(QString::fromStdString(displayText(problem->file)));
}

RecordListModel* Exclusions::foldersModel() const {
    return model_;
}

void Exclusions::publish() {
    static_cast<RecordList<Path>*>(model_)->replace(core_->folders());
    emit foldersChanged();
}

void Exclusions::add(const Path& folder) {
    if (core_->add(folder)) publish();
}

void Exclusions::remove(const Path& folder) {
    core_->remove(folder);
    publish();
}

void Exclusions::addFolders(const QList<QUrl>& urls) {
    for (const auto& url : urls) {
        Path folder = pathFromFileUrl(url);
        if (!folder.empty()) add(folder);
    }
}

void Exclusions::removeFolder(const QString& id) {
    for (const auto& folder : core_->folders()) {
        if (pathId(folder) == id) {
            Path chosen = folder;  // remove() replaces the list being read
            remove(chosen);
            return;
        }
    }
}

QString Exclusions::shownPath(const QString& id) const {
    return Fmt::homeRelativePath(decodePathText(id.toStdString()), home_);
}

}  // namespace tornivo::app
