// The desktop portal's folder chooser as the desktop speaks it: a stand-in portal on a private
// bus answers on the request object the chooser follows, and its file URIs reach the protected
// folders in its order and as bytes; a cancelled request changes nothing; no portal at all hands
// over to Qt's folder dialog.

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

#include "Exclusions.h"
#include "FolderChooser.h"
#include "PrivateBus.h"
#include "QtWait.h"
#include "TempHome.h"
#include "platform/PreferencesStore.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");

// Answers OpenFile as a portal does: the request's object path from the caller's name and token,
// then, later, the Response signal on that object.
class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")
  public:
    explicit StandInPortal(const QDBusConnection& bus) : bus_(bus) {}
    QVariantMap options;
    uint response = 0;
    QStringList uris;

  public slots:
    QDBusObjectPath OpenFile(const QString&, const QString&, const QVariantMap& asked,
                             const QDBusMessage& call) {
        options = asked;
        const QString request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                    .arg(call.service().mid(1).replace('.', '_'),
                                         asked.value(QStringLiteral("handle_token")).toString());
        QMetaObject::invokeMethod(
            this,
            [this, request] {
                QDBusMessage answer = QDBusMessage::createSignal(
                    request, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"));
                answer << response << QVariantMap{{QStringLiteral("uris"), uris}};
                bus_.send(answer);
            },
            Qt::QueuedConnection);
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
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        QDBusConnection::disconnectFromBus(QStringLiteral("tornivo"));
    }
    QDBusConnection connect(const QString& name) {
        return QDBusConnection::connectToBus(bus.address(), name);
    }

    PrivateBus bus;
    TempDir dir;
    PreferencesStore store{dir / "settings.json"};
    Exclusions exclusions{store, dir / "home"};
};

TEST_F(FolderPortalTest, ThePortalsFoldersAreProtectedInItsOrderAndCancellingChangesNothing) {
    QDBusConnection portalBus = connect(QStringLiteral("portal"));
    StandInPortal portal(portalBus);
    ASSERT_TRUE(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                         QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(portalBus.registerService(kService));
    FolderChooser chooser(exclusions, makeDesktopFolderPortal(connect(QStringLiteral("tornivo"))));

    portal.uris = {QStringLiteral("file:///srv/zeta"), QStringLiteral("file:///srv/caf%E9"),
                   QStringLiteral("file:///srv/alpha")};
    chooser.choose(nullptr);
    ASSERT_TRUE(waitUntil([&] { return !chooser.busy(); }));
    EXPECT_EQ(exclusions.folders(), (std::vector<Path>{"/srv/zeta", "/srv/caf\xe9", "/srv/alpha"}));
    EXPECT_EQ(portal.options.value(QStringLiteral("directory")), true) << "folders only";
    EXPECT_EQ(portal.options.value(QStringLiteral("multiple")), true) << "several at once";

    portal.response = 1;  // the person cancelled
    portal.uris = {QStringLiteral("file:///srv/other")};
    chooser.choose(nullptr);
    ASSERT_TRUE(waitUntil([&] { return !chooser.busy(); }));
    EXPECT_EQ(exclusions.folders().size(), 3u);
}

TEST_F(FolderPortalTest, WithoutAPortalQtsFolderDialogTakesOver) {
    FolderChooser chooser(exclusions, makeDesktopFolderPortal(connect(QStringLiteral("tornivo"))));
    bool handedOver = false;
    QObject::connect(&chooser, &FolderChooser::portalUnavailable, [&] { handedOver = true; });
    chooser.choose(nullptr);
    EXPECT_TRUE(waitUntil([&] { return handedOver && !chooser.busy(); }));
}

}  // namespace
}  // namespace tornivo::app

#include "FolderPortalTest.moc"
