#include "FolderChooser.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QJSEngine>
#include <QUrl>
#include <QWindow>

#include "Exclusions.h"

namespace tornivo::app {

namespace {

FolderChooser* g_instance = nullptr;

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The portal answers on a request object whose path it derives from our name on the bus and a
// token of ours. Listening there before asking means an answer cannot come before we listen.
class DesktopFolderPortal : public FolderPortal {
    Q_OBJECT
  public:
    explicit DesktopFolderPortal(const QDBusConnection& bus) : bus_(bus) {}

    void chooseFolders(const QString& parentWindow, const QString& title,
                       const QString& acceptLabel) override {
        if (!bus_.isConnected()) {
            QMetaObject::invokeMethod(this, &FolderPortal::unavailable, Qt::QueuedConnection);
            return;
        }
        const QString token = QStringLiteral("tornivo%1").arg(++requests_);
        listen(QStringLiteral("%1/request/%2/%3")
                   .arg(kPortalPath, bus_.baseService().mid(1).replace('.', '_'), token));

        QDBusMessage call = QDBusMessage::createMethodCall(
            kPortalService, kPortalPath, QStringLiteral("org.freedesktop.portal.FileChooser"),
            QStringLiteral("OpenFile"));
        const QVariantMap options{{QStringLiteral("handle_token"), token},
                                  {QStringLiteral("accept_label"), acceptLabel},
                                  {QStringLiteral("modal"), true},
                                  {QStringLiteral("multiple"), true},
                                  {QStringLiteral("directory"), true}};
        call << parentWindow << title << options;
        auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher* w) {
                    w->deleteLater();
                    QDBusPendingReply<QDBusObjectPath> reply = *w;
                    if (reply.isError()) {
                        listen(QString());
                        return emit unavailable();
                    }
                    // Older portals choose the path themselves.
                    if (reply.value().path() != listening_) listen(reply.value().path());
                });
    }

  private slots:
    void onResponse(uint response, const QVariantMap& results) {
        listen(QString());
        // 0: chosen; 1: cancelled by the user; 2: ended some other way, which is no choice
        // either.
        if (response != 0) return emit cancelled();
        emit chosen(qdbus_cast<QStringList>(results.value(QStringLiteral("uris"))));
    }

  private:
    // Follows the request at `path` alone (none when empty).
    void listen(const QString& path) {
        if (!listening_.isEmpty())
            bus_.disconnect(kPortalService, listening_, kRequestInterface,
                            QStringLiteral("Response"), this, SLOT(onResponse(uint, QVariantMap)));
        listening_ = path;
        if (!path.isEmpty())
            bus_.connect(kPortalService, path, kRequestInterface, QStringLiteral("Response"), this,
                         SLOT(onResponse(uint, QVariantMap)));
    }

    QDBusConnection bus_;
    QString listening_;
    int requests_ = 0;
};

// The portal's handle of a window: its X11 id, where there is one.
QString windowHandle(QWindow* window) {
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb")) return {};
    return QStringLiteral("x11:%1").arg(window->winId(), 0, 16);
}

}  // namespace

std::unique_ptr<FolderPortal> makeDesktopFolderPortal() {
    return makeDesktopFolderPortal(QDBusConnection::sessionBus());
}

std::unique_ptr<FolderPortal> makeDesktopFolderPortal(const QDBusConnection& bus) {
    return std::make_unique<DesktopFolderPortal>(bus);
}

FolderChooser::FolderChooser(Exclusions& exclusions, std::unique_ptr<FolderPortal> portal,
                             QObject* parent)
    : QObject(parent), exclusions_(exclusions), portal_(std::move(portal)) {
    connect(portal_.get(), &FolderPortal::chosen, this, [this](const QStringList& uris) {
        setBusy(false);
        add(uris);
    });
    connect(portal_.get(), &FolderPortal::cancelled, this, [this] { setBusy(false); });
    connect(portal_.get(), &FolderPortal::unavailable, this, [this] {
        setBusy(false);
        emit portalUnavailable();
    });
}

FolderChooser::~FolderChooser() {
    if (g_instance == this) g_instance = nullptr;
}

void FolderChooser::setInstance(FolderChooser* chooser) {
    g_instance = chooser;
}

FolderChooser* FolderChooser::create(QQmlEngine*, QJSEngine* engine) {
    Q_ASSERT(g_instance && engine->thread() == g_instance->thread());
    QJSEngine::setObjectOwnership(g_instance, QJSEngine::CppOwnership);
    return g_instance;
}

void FolderChooser::choose(QWindow* window) {
    if (busy_) return;
    setBusy(true);
    portal_->chooseFolders(windowHandle(window), qtTrId("settings.protected"),
                           qtTrId("settings.protectedAdd"));
}

QUrl FolderChooser::startFolder() const {
    return QUrl::fromLocalFile(QString::fromStdString(exclusions_.home().native()));
}

void FolderChooser::add(const QStringList& uris) {
    // A URI keeps the bytes of a name that is not UTF-8 percent-encoded; QUrl keeps them so,
    // and pathFromFileUrl decodes them to bytes.
    QList<QUrl> urls;
    for (const QString& uri : uris) urls << QUrl(uri, QUrl::StrictMode);
    exclusions_.addFolders(urls);
}

void FolderChooser::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    emit busyChanged();
}

}  // namespace tornivo::app

#include "FolderChooser.moc"
