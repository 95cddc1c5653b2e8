#pragma once
// The sum of one role over the rows of a list model, or over the rows where another role is
// true: the selected size of a list of ticked files, the bytes that a list of duplicate groups
// frees. It follows every change of the model, row by row or whole.

#include <QtQml/qqmlregistration.h>
#include <QAbstractItemModel>
#include <QObject>
#include <QPointer>

namespace tornivo::app {

class ListTotal : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QAbstractItemModel* model READ model WRITE setModel NOTIFY modelChanged)
    // The role summed ("size").
    Q_PROPERTY(QString role READ role WRITE setRole NOTIFY roleChanged)
    // When set, only the rows where this role is true count ("isSelected").
    Q_PROPERTY(QString onlyWhere READ onlyWhere WRITE setOnlyWhere NOTIFY onlyWhereChanged)
    Q_PROPERTY(qint64 total READ total NOTIFY totalChanged)

  public:
    using QObject::QObject;

    QAbstractItemModel* model() const { return model_; }
    void setModel(QAbstractItemModel* model);
    QString role() const { return role_; }
    void setRole(const QString& role);
    QString onlyWhere() const { return onlyWhere_; }
    void setOnlyWhere(const QString& role);
    qint64 total() const { return total_; }

  signals:
    void modelChanged();
    void roleChanged();
    void onlyWhereChanged();
    void totalChanged();

  private:
    void recount();

    QPointer<QAbstractItemModel> model_;
    QList<QMetaObject::Connection> links_;
    QString role_, onlyWhere_;
    qint64 total_ = 0;
};

}  // namespace tornivo::app
