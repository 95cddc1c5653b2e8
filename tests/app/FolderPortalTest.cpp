// The desktop portal's folder chooser as the desktop speaks it: a stand-in portal on a private
// bus answers on the request object the chooser follows, and its file URIs reach the protected
// folders in its order and as bytes; a cancelled request changes nothing; no portal at all hands
// over to Qt's folder dialog.

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>

#include "Exclusions.h"
#include "FolderChooser.h"
#include "PrivateBus.h"
#include "QtWait.h"
#include "TempHome.h"
#include "platform/PreferencesStore.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

// Answers OpenFile as a portal does: the request's object path from the caller's name and token,
// then, later, the Response signal on that object.
class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")
  public:
    explicit StandInPortal(const QDBusConnection& bus) : bus_(bus) {}
    uint response = 0;
    QStringList uris;

  public slots:
    QDBusObjectPath OpenFile(const QString&, const QString&, const QVariantMap& asked,
                             const QDBusMessage& call) {
        const QString request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                    .arg(call.service().mid(1).replace('.', '_'),
                                         asked.value(QStringLiteral("handle_token")).toString());
        QTimer::singleShot(0, this, [this, request] {  // the answer comes later, as a signal
            QDBusMessage answer =
                QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
            answer << response << QVariantMap{{"uris", uris}};
            bus_.send(answer);
        });
        return QDBusObjectPath(request);
    }

  private:
    QDBusConnection bus_;
};

class FolderPortalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!bus.installed()) GTEST_SKIP() << "dbus-daemon is not installed";
        ASSERT_FALSE(bus.address().isEmpty()) << "the bus did not start";
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus("portal");
        QDBusConnection::disconnectFromBus("tornivo");
    }
    QDBusConnection connect(const QString& name) {
        return QDBusConnection::connectToBus(bus.address(), name);
    }

    PrivateBus bus;
    TempDir dir;
    PreferencesStore store{dir / "settings.json"};
    Exclusions exclusions{store, dir / "home"};
};

TEST_F(FolderPortalTest, ThePortalsFoldersAreProtectedInOrderCancellingChangesNothingAndNoPortal) {
    // Without a portal, Qt's folder dialog takes over.
    FolderChooser alone(exclusions, makeDesktopFolderPortal(connect("tornivo")));
    bool handedOver = false;
    QObject::connect(&alone, &FolderChooser::portalUnavailable, [&] { handedOver = true; });
    alone.choose(nullptr);
    EXPECT_TRUE(waitUntil([&] { return handedOver && !alone.busy(); }));

    QDBusConnection portalBus = connect("portal");
    StandInPortal portal(portalBus);
    ASSERT_TRUE(portalBus.registerObject("/org/freedesktop/portal/desktop", &portal,
                                         QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(portalBus.registerService("org.freedesktop.portal.Desktop"));
    FolderChooser chooser(exclusions, makeDesktopFolderPortal(connect("tornivo")));

    portal.uris = {"file:///srv/zeta", "file:///srv/caf%E9"};
    chooser.choose(nullptr);
    ASSERT_TRUE(waitUntil([&] { return !chooser.busy(); }));
    EXPECT_EQ(exclusions.folders(), (std::vector<Path>{"/srv/zeta", "/srv/caf\xe9"}));

    portal.response = 1;  // the person cancelled
    portal.uris = {"file:///srv/other"};
    chooser.choose(nullptr);
    ASSERT_TRUE(waitUntil([&] { return !chooser.busy(); }));
    EXPECT_EQ(exclusions.folders().size(), 2u);
}

}  // namespace
}  // namespace tornivo::app

#include "FolderPortalTest.moc"
