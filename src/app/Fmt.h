#pragma once
// Formatting helpers for QML: byte counts through the program's one byte formatter.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QString>

namespace tornivo::app {

class Fmt : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
  public:
    using QObject::QObject;

    Q_INVOKABLE static QString bytes(qint64 count);
};

}  // namespace tornivo::app
