#include "FileBrowser.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QUrl>

#include "platform/PathText.h"

namespace tornivo::app {

namespace {
void openFolderOf(const Path& file) {
    QDesktopServices::openUrl(QUrl(FileBrowser::fileUri(file.parent_path()), QUrl::StrictMode));
}
}  // namespace

QString FileBrowser::fileUri(const Path& path) {
    // QByteArray's own encoder: QUrl's takes text, and a name that is not UTF-8 would change.
    return QStringLiteral("file://") +
           QString::fromLatin1(QByteArray::fromStdString(path.native()).toPercentEncoding("/"));
}

void FileBrowser::reveal(const QString& pathId) {
    const Path file = decodePathText(pathId.toStdString());
    if (!file.is_absolute()) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return openFolderOf(file);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{fileUri(file)} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [file](QDBusPendingCallWatcher* w) {
                         if (QDBusPendingReply<>(*w).isError()) openFolderOf(file);
                         w->deleteLater();
                     });
}

}  // namespace tornivo::app
