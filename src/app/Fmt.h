#pragma once
// Formatting helpers for QML: byte counts through the program's one byte formatter.

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

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
