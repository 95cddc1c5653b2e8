#include "ListTotal.h"

namespace tornivo::app {

void ListTotal::setModel(QAbstractItemModel* model) {
    if (model_ == model) return;
    for (const auto& link : links_) disconnect(link);
    links_.clear();
    model_ = model;
    if (model_) {
        const auto changed = [this] { recount(); };
        links_ = {connect(model_, &QAbstractItemModel::modelReset, this, changed),
                  connect(model_, &QAbstractItemModel::rowsInserted, this, changed),
                  connect(model_, &QAbstractItemModel::rowsRemoved, this, changed),
                  connect(model_, &QAbstractItemModel::dataChanged, this, changed),
                  connect(model_, &QAbstractItemModel::layoutChanged, this, changed),
                  connect(model_, &QObject::destroyed, this, changed)};
    }
    emit modelChanged();
    recount();
}

void ListTotal::setRole(const QString& role) {
    if (role_ == role) return;
    role_ = role;
    emit roleChanged();
    recount();
}

void ListTotal::setOnlyWhere(const QString& role) {
    if (onlyWhere_ == role) return;
    onlyWhere_ = role;
    emit onlyWhereChanged();
    recount();
}

void ListTotal::recount() {
    qint64 total = 0;
    if (model_) {
        const auto names = model_->roleNames();
        const int summed = names.key(role_.toUtf8(), -1);
        const int filter = onlyWhere_.isEmpty() ? -1 : names.key(onlyWhere_.toUtf8(), -1);
        const bool filtered = !onlyWhere_.isEmpty();
        for (int row = 0; summed >= 0 && row < model_->rowCount(); ++row) {
            const QModelIndex index = model_->index(row, 0);
            if (filtered && (filter < 0 || !model_->data(index, filter).toBool())) continue;
            total += model_->data(index, summed).toLongLong();
        }
    }
    if (total == total_) return;
    total_ = total;
    emit totalChanged();
}

}  // namespace tornivo::app
