#include "ScanResultView.h"

#include "RecordRoles.h"

namespace tornivo::app {

ScanResultView::ScanResultView(QObject* parent)
    : QObject(parent), items_(new RecordList<JunkItem>(this)) {}

void ScanResultView::show(const ScanResult& result) {
    result_ = result;
    items_->replace(result.items);
    date_ = dateValue(result.date).toDateTime();
    totalSize_ = 0;
    for (const auto& item : result.items) totalSize_ += item.size;
    selectedSize_ = result.selectedSize();
    emit changed();
}

qint64 ScanResultView::sizeFor(const QString& category) const {
    auto c = fromRawValue<CleanCategory>(category.toStdString());
    return c ? result_.size(*c) : 0;
}

}  // namespace tornivo::app
