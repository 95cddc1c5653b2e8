#pragma once
// The developer scan result as QML sees it: the outputs, the same grouped by project (idle
// projects, then those in use), each group's outputs as a list of its own, and the totals.
// Showing the same outputs again (a tick changed) updates rows in place, so an open project
// keeps its place.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QStringList>

#include <vector>

#include "RecordListModel.h"
#include "models/DeveloperModels.h"

namespace tornivo::app {

class DeveloperResultView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("published by AppState")
    Q_PROPERTY(tornivo::app::RecordListModel* projects READ projects CONSTANT)
    Q_PROPERTY(tornivo::app::RecordListModel* idleGroups READ idleGroups CONSTANT)
    Q_PROPERTY(tornivo::app::RecordListModel* activeGroups READ activeGroups CONSTANT)
    Q_PROPERTY(qint64 selectedSize READ selectedSize NOTIFY changed)
    Q_PROPERTY(qint64 cleanableSize READ cleanableSize NOTIFY changed)
    Q_PROPERTY(int activeCount READ activeCount NOTIFY changed)
    // The names of the active projects, in list order.
    Q_PROPERTY(QStringList activeNames READ activeNames NOTIFY changed)
  public:
    explicit DeveloperResultView(QObject* parent = nullptr);

    void show(const DeveloperScanResult& result);

    RecordListModel* projects() const { return projects_; }
    RecordListModel* idleGroups() const { return sides_[0].groups; }
    RecordListModel* activeGroups() const { return sides_[1].groups; }
    // The outputs of one row of idleGroups or activeGroups (null past the end).
    Q_INVOKABLE tornivo::app::RecordListModel* outputsIn(bool active, int row) const;
    qint64 selectedSize() const { return selectedSize_; }
    qint64 cleanableSize() const { return cleanableSize_; }
    int activeCount() const { return activeCount_; }
    QStringList activeNames() const { return activeNames_; }

  signals:
    void changed();

  private:
    struct Side {
        RecordList<DeveloperProjectGroup>* groups;
        std::vector<RecordList<DeveloperProject>*> outputs;  // by row; never fewer than groups
    };
    RecordList<DeveloperProject>* projects_;
    Side sides_[2];
    qint64 selectedSize_ = 0, cleanableSize_ = 0;
    int activeCount_ = 0;
    QStringList activeNames_;
};

}  // namespace tornivo::app
