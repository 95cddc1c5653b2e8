#pragma once
// Shows a listed file in the desktop's file browser: selected in its folder through the
// org.freedesktop.FileManager1 service on the session bus, or, where no file manager offers it,
// by opening the folder that holds it with the default handler. The file's address is
// percent-encoded from its bytes, so a name that is not valid UTF-8 reaches the file browser as
// it is on disk.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QString>

#include "models/Types.h"

namespace tornivo::app {

class FileBrowser : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

  public:
    using QObject::QObject;

    // Shows the file with this lossless path text; returns at once.
    Q_INVOKABLE static void reveal(const QString& pathId);

    // The file URI of a path, every byte outside the unreserved characters and "/" written %XX.
    static QString fileUri(const Path& path);
};

}  // namespace tornivo::app
