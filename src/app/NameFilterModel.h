#pragma once
// The rows of a list whose `name` holds the search text, compared without regard to case in the
// chosen language (the search "saf" finds "Safari" and "SAFE Tool"); every row while the search
// is empty. Filters again when the language changes.

#include <QtQml/qqmlregistration.h>
#include <QSortFilterProxyModel>

namespace tornivo::app {

class NameFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY searchChanged)
    Q_PROPERTY(int count READ rowCountAll NOTIFY countChanged)

  public:
    explicit NameFilterModel(QObject* parent = nullptr);

    QString search() const { return search_; }
    void setSearch(const QString& search);
    int rowCountAll() const { return rowCount(); }

  signals:
    void searchChanged();
    void countChanged();

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    QString search_;
};

}  // namespace tornivo::app
