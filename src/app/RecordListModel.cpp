#include "RecordListModel.h"

#include "LocalizationManager.h"

namespace tornivo::app {

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

QHash<int, QByteArray> RecordListModel::roleNames() const {
    return roles_;
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= size() || !roles_.contains(role))
        return {};
    return field(index.row(), role);
}

QVariant RecordListModel::get(int row, const QString& role) const {
    if (row < 0 || row >= size()) return {};
    const int key = roles_.key(role.toUtf8(), -1);
    return key < 0 ? QVariant() : field(row, key);
}

void RecordListModel::followLanguage() {
    connect(LocalizationManager::shared(), &LocalizationManager::codeChanged, this, [this] {
        if (size() > 0) emit dataChanged(index(0), index(size() - 1));
    });
}

}  // namespace tornivo::app
