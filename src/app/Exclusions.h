#pragma once
// The protected folders, observable: the settings screen lists, adds and removes them, AppState
// drops every result inside one. Lives on the main thread.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QUrl>

#include <memory>

#include "RecordListModel.h"
#include "platform/Exclusions.h"

namespace tornivo::app {

class Exclusions : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by AppState")
    Q_PROPERTY(tornivo::app::RecordListModel* folders READ foldersModel CONSTANT)
    // Empty while the stored list reads well; otherwise the sentence the panel shows (every
    // removal is refused meanwhile).
    Q_PROPERTY(QString problem READ problemText NOTIFY foldersChanged)
  public:
    // `home` is where the folders are shown from ("~/...").
    Exclusions(PreferencesStore& store, Path home, QObject* parent = nullptr);
    ~Exclusions() override;

    const std::vector<Path>& folders() const { return core_->folders(); }
    const Path& home() const { return home_; }
    bool isProtected(const Path& location) const { return core_->isProtected(location); }
    // The list as it stands, to hand to a worker or a filter.
    const ProtectedFolders& protection() const { return core_->protection(); }
    const std::optional<ProtectionProblem>& problem() const { return core_->problem(); }
    QString problemText() const;
    void add(const Path& folder);
    void remove(const Path& folder);

    // From the folder picker: file URLs carry the path's bytes percent-encoded, so they are
    // decoded straight to bytes, never through text.
    Q_INVOKABLE void addFolders(const QList<QUrl>& urls);
    // The listed folder whose id (lossless path text) is given.
    Q_INVOKABLE void removeFolder(const QString& id);
    // The folder of that id for display, the home written "~".
    Q_INVOKABLE QString shownPath(const QString& id) const;

    RecordListModel* foldersModel() const;

  signals:
    void foldersChanged();

  private:
    void publish();

    std::unique_ptr<tornivo::Exclusions> core_;
    Path home_;
    RecordListModel* model_;
};

// The exact bytes of a local file URL's path; empty for anything but an absolute path on this
// machine.
Path pathFromFileUrl(const QUrl& url);

}  // namespace tornivo::app
