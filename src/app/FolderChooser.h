#pragma once
// Choosing folders to protect. The desktop portal's file chooser asks first (folders only,
// several at once); the folders it returns are added in its order, their paths decoded from its
// file URIs straight to bytes. Where no portal answers, the view falls back to Qt's own folder
// dialog. Lives on the main thread; one request at a time.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <memory>

class QDBusConnection;
class QQmlEngine;
class QJSEngine;
class QWindow;

namespace tornivo::app {

class Exclusions;

// One request at a time to a chooser of folders. It answers later, never inside the call, with
// exactly one of its signals.
class FolderPortal : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // `parentWindow` is the portal's handle of the window asking ("x11:XID"), or empty.
    virtual void chooseFolders(const QString& parentWindow, const QString& title,
                               const QString& acceptLabel) = 0;
  signals:
    // The chosen folders as file URIs, in the chooser's order.
    void chosen(const QStringList& uris);
    void cancelled();
    // No portal answered: nothing was shown.
    void unavailable();
};

// org.freedesktop.portal.FileChooser on the session bus, or on `bus`.
std::unique_ptr<FolderPortal> makeDesktopFolderPortal();
std::unique_ptr<FolderPortal> makeDesktopFolderPortal(const QDBusConnection& bus);

class FolderChooser : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // A request is open: the chooser is on screen.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // Where Qt's folder dialog starts: the home, as a file URL.
    Q_PROPERTY(QUrl startFolder READ startFolder CONSTANT)

  public:
    FolderChooser(Exclusions& exclusions, std::unique_ptr<FolderPortal> portal,
                  QObject* parent = nullptr);
    ~FolderChooser() override;

    static void setInstance(FolderChooser* chooser);
    static FolderChooser* create(QQmlEngine*, QJSEngine* engine);

    bool busy() const { return busy_; }
    QUrl startFolder() const;
    // Opens the chooser for `window`; the chosen folders are protected, cancelling changes
    // nothing. Does nothing while a request is open.
    Q_INVOKABLE void choose(QWindow* window);

  signals:
    void busyChanged();
    // No portal: the view shows Qt's folder dialog instead.
    void portalUnavailable();

  private:
    void setBusy(bool busy);
    void add(const QStringList& uris);

    Exclusions& exclusions_;
    std::unique_ptr<FolderPortal> portal_;
    bool busy_ = false;
};

}  // namespace tornivo::app
