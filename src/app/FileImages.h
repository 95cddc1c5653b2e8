#pragma once
// Pictures of listed files for the screens: a small thumbnail of an image, else the icon of the
// file's type from the icon theme, and the icon of an installed application. Everything is read
// off the main thread and from descriptors: only a regular file, opened without following a
// link and without blocking, and nothing larger than a limit is decoded. Views name a file by
// its lossless path text and get back the address of its picture; an image element with
// `asynchronous: true` loads it when it is made, so a list loads the pictures of the rows it
// shows and no others.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QUrl>

class QQmlEngine;

namespace tornivo::app {

class FileImages : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

  public:
    static constexpr qint64 kMaxImageBytes = 64LL << 20;  // a larger image shows its type's icon
    static constexpr qint64 kMaxIconBytes = 1LL << 20;    // an application's own icon file
    static constexpr int kDefaultSize = 64;               // when the view asks for no size

    using QObject::QObject;

    // Adds the provider the addresses below lead to. Every QML engine that shows the screens
    // needs it.
    static void install(QQmlEngine* engine);

    // The picture of a file, by its lossless path text: a thumbnail when it is an image that can
    // be read, else its type's icon, else a generic one.
    Q_INVOKABLE static QUrl thumbnail(const QString& pathId);
    // The icon of an installed application, by its lossless path text: the Icon of a desktop
    // entry (a theme icon, or an absolute file used as it is), else a generic application icon.
    Q_INVOKABLE static QUrl appIcon(const QString& appId);
};

}  // namespace tornivo::app
