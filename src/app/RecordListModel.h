#pragma once
// Lists of result records as QML list models, one row per record, roles named after the
// record's fields. The records stay native (paths as bytes); QML gets display text and an `id`
// it hands back to AppState, which finds the record by it.

#include <QtQml/qqmlregistration.h>
#include <QAbstractListModel>

#include <algorithm>
#include <functional>
#include <vector>

namespace tornivo::app {

class RecordListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("record lists are owned by AppState")
    Q_PROPERTY(int count READ count NOTIFY countChanged)
  public:
    using QAbstractListModel::QAbstractListModel;

    int count() const { return size(); }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The value of one role of one row, by role name (for QML and tests).
    Q_INVOKABLE QVariant get(int row, const QString& role) const;

  signals:
    void countChanged();

  protected:
    // Reads every row again when the chosen language changes.
    void followLanguage();
    virtual int size() const = 0;
    virtual QVariant field(int row, int role) const = 0;
    QHash<int, QByteArray> roles_;
};

// How a record shows in a list: its role names and the value of each.
template <class T>
struct RecordRoles;  // static QList<QByteArray> names(); static QVariant value(const T&, int i);

template <class T>
class RecordList final : public RecordListModel {
  public:
    explicit RecordList(QObject* parent = nullptr) : RecordListModel(parent) {
        const auto names = RecordRoles<T>::names();
        for (int i = 0; i < names.size(); ++i) roles_.insert(Qt::UserRole + i, names[i]);
        if constexpr (requires { RecordRoles<T>::kLocalized; }) followLanguage();
    }

    const std::vector<T>& rows() const { return rows_; }

    void replace(std::vector<T> rows) {
        const bool countChanges = rows.size() != rows_.size();
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
        if (countChanges) emit countChanged();
    }

    // Shows `rows`. When they are the records already shown (same identities, role 0, in the same
    // order), only the rows that changed are updated, so views keep their place; otherwise the
    // list is replaced.
    void assign(std::vector<T> rows) {
        bool same = rows.size() == rows_.size();
        for (std::size_t i = 0; same && i < rows.size(); ++i)
            same = RecordRoles<T>::value(rows[i], 0) == RecordRoles<T>::value(rows_[i], 0);
        if (!same) return replace(std::move(rows));
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (!(rows[i] == rows_[i])) update(static_cast<int>(i), std::move(rows[i]));
    }

    // Re-reads one row after the record at `row` changed in place.
    void update(int row, T record) {
        rows_[static_cast<std::size_t>(row)] = std::move(record);
        emit dataChanged(index(row), index(row));
    }

    // Flips the tick of the first row for which `pred` holds; false when none does.
    template <class Pred>
    bool toggleFirst(Pred pred) {
        auto it = std::find_if(rows_.begin(), rows_.end(), pred);
        if (it == rows_.end()) return false;
        T flipped = *it;
        flipped.isSelected = !flipped.isSelected;
        update(static_cast<int>(it - rows_.begin()), std::move(flipped));
        return true;
    }

    void removeAt(int row) {
        beginRemoveRows(QModelIndex(), row, row);
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
        emit countChanged();
    }

    // Removes every row for which `pred` holds, row by row, keeping the order of the rest.
    void removeIf(const std::function<bool(const T&)>& pred) {
        for (int row = static_cast<int>(rows_.size()) - 1; row >= 0; --row)
            if (pred(rows_[static_cast<std::size_t>(row)])) removeAt(row);
    }

  protected:
    int size() const override { return static_cast<int>(rows_.size()); }
    QVariant field(int row, int role) const override {
        return RecordRoles<T>::value(rows_[static_cast<std::size_t>(row)], role - Qt::UserRole);
    }

  private:
    std::vector<T> rows_;
};

}  // namespace tornivo::app
