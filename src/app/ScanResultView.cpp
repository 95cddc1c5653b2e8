#include "ScanResultView.h"

#include "RecordRoles.h"

namespace tornivo::app {

ScanResultView::ScanResultView(QObject* parent)
    : QObject(parent), items_(new RecordList<JunkItem>(this)) {
    for (CleanCategory c : allCases<CleanCategory>())
        byCategory_[c] = new RecordList<JunkItem>(this);
}

void ScanResultView::show(const ScanResult& result) {
    result_ = result;
    items_->assign(result.items);
    for (auto& [category, list] : byCategory_) {
        std::vector<JunkItem> rows;
        for (const auto& item : result.items)
            if (item.category == category) rows.push_back(item);
        list->assign(std::move(rows));
    }
    date_ = dateValue(result.date).toDateTime();
    totalSize_ = 0;
    for (const auto& item : result.items) totalSize_ += item.size;
    selectedSize_ = result.selectedSize();
    emit changed();
}

void ScanResultView::setRunningApps(QVariantMap apps) {
    runningApps_ = std::move(apps);
    emit changed();
}

RecordListModel* ScanResultView::itemsIn(const QString& category) const {
    auto c = fromRawValue<CleanCategory>(category.toStdString());
    return c ? byCategory_.at(*c) : nullptr;
}

qint64 ScanResultView::sizeFor(const QString& category) const {
    auto c = fromRawValue<CleanCategory>(category.toStdString());
    return c ? result_.size(*c) : 0;
}

}  // namespace tornivo::app
