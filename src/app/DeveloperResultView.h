#pragma once
// The developer scan result as QML sees it: the projects and the selected total.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QStringList>

#include "RecordListModel.h"
#include "models/DeveloperModels.h"

namespace tornivo::app {

class DeveloperResultView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("published by AppState")
    Q_PROPERTY(tornivo::app::RecordListModel* projects READ projects CONSTANT)
    Q_PROPERTY(qint64 selectedSize READ selectedSize NOTIFY changed)
    Q_PROPERTY(qint64 cleanableSize READ cleanableSize NOTIFY changed)
    Q_PROPERTY(int activeCount READ activeCount NOTIFY changed)
    // The names of the active projects, in list order.
    Q_PROPERTY(QStringList activeNames READ activeNames NOTIFY changed)
  public:
    explicit DeveloperResultView(QObject* parent = nullptr);

    void show(const DeveloperScanResult& result);

    RecordListModel* projects() const { return projects_; }
    qint64 selectedSize() const { return selectedSize_; }
    qint64 cleanableSize() const { return cleanableSize_; }
    int activeCount() const { return activeCount_; }
    QStringList activeNames() const { return activeNames_; }

  signals:
    void changed();

  private:
    RecordList<DeveloperProject>* projects_;
    qint64 selectedSize_ = 0, cleanableSize_ = 0;
    int activeCount_ = 0;
    QStringList activeNames_;
};

}  // namespace tornivo::app
