#pragma once
// The junk scan result as QML sees it: the items as a list model and the derived totals.

#include <QtQml/qqmlregistration.h>
#include <QDateTime>
#include <QObject>

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
  public:
    explicit ScanResultView(QObject* parent = nullptr);

    void show(const ScanResult& result);

    RecordListModel* items() const { return items_; }
    QDateTime date() const { return date_; }
    qint64 totalSize() const { return totalSize_; }
    qint64 selectedSize() const { return selectedSize_; }
    // The total of one category, by raw value ("appCache", "systemLogs").
    Q_INVOKABLE qint64 sizeFor(const QString& category) const;

  signals:
    void changed();

  private:
    RecordList<JunkItem>* items_;
    ScanResult result_;
    QDateTime date_;
    qint64 totalSize_ = 0, selectedSize_ = 0;
};

}  // namespace tornivo::app
