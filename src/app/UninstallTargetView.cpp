#include "UninstallTargetView.h"

#include "RecordRoles.h"

namespace tornivo::app {

UninstallTargetView::UninstallTargetView(QObject* parent)
    : QObject(parent), leftovers_(new RecordList<AppLeftover>(this)) {}

void UninstallTargetView::show(const UninstallTarget& target) {
    leftovers_->assign(target.leftovers);
    appName_ = QString::fromStdString(target.appName);
    appPath_ = displayPath(target.appURL);
    bundleID_ = target.bundleID ? QVariant(QString::fromStdString(*target.bundleID)) : QVariant();
    appSize_ = target.appSize;
    totalSize_ = target.totalSize();
    emit changed();
}

}  // namespace tornivo::app
