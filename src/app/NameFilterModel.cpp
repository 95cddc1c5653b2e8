#include "NameFilterModel.h"

#include "LocalizationManager.h"

namespace tornivo::app {

namespace {
QLocale chosenLocale() {
    auto* l10n = LocalizationManager::shared();
    return l10n ? l10n->locale() : QLocale();
}
}  // namespace

NameFilterModel::NameFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(this, signal, this, &NameFilterModel::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &NameFilterModel::countChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &NameFilterModel::countChanged);
    if (auto* l10n = LocalizationManager::shared())
        connect(l10n, &LocalizationManager::codeChanged, this, [this] { invalidateFilter(); });
}

void NameFilterModel::setSearch(const QString& search) {
    if (search_ == search) return;
    search_ = search;
    invalidateFilter();
    emit searchChanged();
    emit countChanged();
}

bool NameFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (search_.isEmpty()) return true;
    const QAbstractItemModel* source = sourceModel();
    const int nameRole = source->roleNames().key("name", -1);
    if (nameRole < 0) return false;
    const QString name =
        source->data(source->index(sourceRow, 0, sourceParent), nameRole).toString();
    const QLocale locale = chosenLocale();
    return locale.toLower(name).contains(locale.toLower(search_));
}

}  // namespace tornivo::app
