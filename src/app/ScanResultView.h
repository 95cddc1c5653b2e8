#pragma once
// The junk scan result as QML sees it: the items as list models (all of them, and those of each
// category), the derived totals, and which running application keeps an item. Showing the same
// items again (a tick changed) updates rows in place, so an open list keeps its place.

#include <QtQml/qqmlregistration.h>
#include <QDateTime>
#include <QObject>
#include <QVariantMap>

#include <map>

#include "RecordListModel.h"
#include "models/ScanModels.h"

namespace tornivo::app {

class ScanResultView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("published by AppState")
    Q_PROPERTY(tornivo::app::RecordListModel* items READ items CONSTANT)
    Q_PROPERTY(QDateTime date READ date NOTIFY changed)
    Q_PROPERTY(qint64 totalSize READ totalSize NOTIFY changed)
    Q_PROPERTY(qint64 selectedSize READ selectedSize NOTIFY changed)
    // Item id -> the display name of the running application that keeps it, as the scan saw
    // them (the clean looks again).
    Q_PROPERTY(QVariantMap runningApps READ runningApps NOTIFY changed)
  public:
    explicit ScanResultView(QObject* parent = nullptr);

    void show(const ScanResult& result);
    void setRunningApps(QVariantMap apps);

    RecordListModel* items() const { return items_; }
    QDateTime date() const { return date_; }
    qint64 totalSize() const { return totalSize_; }
    qint64 selectedSize() const { return selectedSize_; }
    QVariantMap runningApps() const { return runningApps_; }
    // The items of one category, by raw value, in the result's order (null for another value).
    Q_INVOKABLE tornivo::app::RecordListModel* itemsIn(const QString& category) const;
    // The total of one category, by raw value ("appCache", "systemLogs").
    Q_INVOKABLE qint64 sizeFor(const QString& category) const;

  signals:
    void changed();

  private:
    RecordList<JunkItem>* items_;
    std::map<CleanCategory, RecordList<JunkItem>*> byCategory_;
    QVariantMap runningApps_;
    ScanResult result_;
    QDateTime date_;
    qint64 totalSize_ = 0, selectedSize_ = 0;
};

}  // namespace tornivo::app
