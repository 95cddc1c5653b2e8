#include "DeveloperResultView.h"

#include "RecordRoles.h"

namespace tornivo::app {

DeveloperResultView::DeveloperResultView(QObject* parent)
    : QObject(parent),
      projects_(new RecordList<DeveloperProject>(this)),
      sides_{{new RecordList<DeveloperProjectGroup>(this), {}},
             {new RecordList<DeveloperProjectGroup>(this), {}}} {}

void DeveloperResultView::show(const DeveloperScanResult& result) {
    projects_->assign(result.projects);
    std::vector<DeveloperProjectGroup> groups[2];
    for (auto& group : result.groups()) groups[group.isActive ? 1 : 0].push_back(std::move(group));
    for (int s = 0; s < 2; ++s) {
        Side& side = sides_[s];
        while (side.outputs.size() < groups[s].size())
            side.outputs.push_back(new RecordList<DeveloperProject>(this));
        for (std::size_t row = 0; row < side.outputs.size(); ++row)
            side.outputs[row]->assign(row < groups[s].size() ? groups[s][row].outputs
                                                             : std::vector<DeveloperProject>{});
        side.groups->assign(std::move(groups[s]));
    }
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

RecordListModel* DeveloperResultView::outputsIn(bool active, int row) const {
    const auto& outputs = sides_[active ? 1 : 0].outputs;
    return row >= 0 && static_cast<std::size_t>(row) < outputs.size()
               ? outputs[static_cast<std::size_t>(row)]
               : nullptr;
}

}  // namespace tornivo::app
