#pragma once
// The uninstall plan as QML sees it: the application and its leftovers.

#include <QtQml/qqmlregistration.h>
#include <QObject>

#include "RecordListModel.h"
#include "models/UninstallModels.h"

namespace tornivo::app {

class UninstallTargetView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("published by AppState")
    Q_PROPERTY(QString appName READ appName NOTIFY changed)
    Q_PROPERTY(QString appPath READ appPath NOTIFY changed)
    // The lossless text of the application's path (for its icon).
    Q_PROPERTY(QString appId READ appId NOTIFY changed)
    Q_PROPERTY(QVariant bundleID READ bundleID NOTIFY changed)
    Q_PROPERTY(qint64 appSize READ appSize NOTIFY changed)
    Q_PROPERTY(qint64 totalSize READ totalSize NOTIFY changed)
    Q_PROPERTY(tornivo::app::RecordListModel* leftovers READ leftovers CONSTANT)
    // How the application itself goes ("trash", "flatpakUser", "flatpakSystem",
    // "systemManaged"), and the key of the note the screen shows about it (empty for none).
    Q_PROPERTY(QString removal READ removal NOTIFY changed)
    Q_PROPERTY(QString noteKey READ noteKey NOTIFY changed)
  public:
    explicit UninstallTargetView(QObject* parent = nullptr);

    void show(const UninstallTarget& target);

    QString appName() const { return appName_; }
    QString appPath() const { return appPath_; }
    QString appId() const { return appId_; }
    QVariant bundleID() const { return bundleID_; }
    qint64 appSize() const { return appSize_; }
    qint64 totalSize() const { return totalSize_; }
    RecordListModel* leftovers() const { return leftovers_; }
    QString removal() const { return removal_; }
    QString noteKey() const { return noteKey_; }

  signals:
    void changed();

  private:
    RecordList<AppLeftover>* leftovers_;
    QString appName_, appPath_, appId_, removal_, noteKey_;
    QVariant bundleID_;
    qint64 appSize_ = 0, totalSize_ = 0;
};

}  // namespace tornivo::app
