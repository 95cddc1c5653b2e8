#include "DeveloperResultView.h"

#include "RecordRoles.h"

namespace tornivo::app {

DeveloperResultView::DeveloperResultView(QObject* parent)
    : QObject(parent), projects_(new RecordList<DeveloperProject>(this)) {}

void DeveloperResultView::show(const DeveloperScanResult& result) {
    projects_->assign(result.projects);
    selectedSize_ = result.selectedSize();
    cleanableSize_ = 0;
    activeCount_ = 0;
    activeNames_.clear();
    for (const auto& p : result.projects) {
        if (p.isActive) {
            ++activeCount_;
            activeNames_ << QString::fromStdString(p.name);
        } else {
            cleanableSize_ += p.size;
        }
    }
    emit changed();
}

}  // namespace tornivo::app
