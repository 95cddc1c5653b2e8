// Banners through the desktop's notification service, against a stand-in server on a bus of the
// test's own: what the server is handed, the Undo button only where it announces actions, one
// notice replacing the last, and the window taking over when no server answers.

#include "DesktopNotices.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>

#include "PrivateBus.h"
#include "QtWait.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

class StandInServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    struct Notice {
        uint replaces;
        QString icon, summary, body;
        QStringList actions;
        int expiry;
    };
    QStringList capabilities;
    std::vector<Notice> notices;

  public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString&, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap&, int expiry) {
        notices.push_back({replaces, icon, summary, body, actions, expiry});
        return replaces ? replaces : static_cast<uint>(notices.size()) + 40;
    }
    void CloseNotification(uint) {}
};

class DesktopNoticesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!bus.installed()) GTEST_SKIP() << "dbus-daemon is not installed";
        ASSERT_FALSE(bus.address().isEmpty()) << "the bus did not start";
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("server"));
        QDBusConnection::disconnectFromBus(QStringLiteral("tornivo"));
    }
    QDBusConnection connect(const QString& name) {
        return QDBusConnection::connectToBus(bus.address(), name);
    }
    void serve(StandInServer& server) {
        QDBusConnection serverBus = connect(QStringLiteral("server"));
        ASSERT_TRUE(serverBus.registerObject(kPath, &server, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(serverBus.registerService(kInterface));
    }

    PrivateBus bus;
};

TEST_F(DesktopNoticesTest, TheServerGetsTheBannerAndUndoOnlyWhenItAnnouncesActions) {
    for (const bool actions : {true, false}) {
        StandInServer server;
        server.capabilities = actions ? QStringList{"body", "actions"} : QStringList{"body"};
        serve(server);
        DesktopNotices notices(connect(QStringLiteral("tornivo")));
        int undone = 0, fellBack = 0;
        notices.send("Junk cleaned", "1.2 GB removed", BannerAction{"Undo", [&] { ++undone; }},
                     [&] { ++fellBack; });
        ASSERT_TRUE(waitUntil([&] { return server.notices.size() == 1; })) << actions;
        const auto& notice = server.notices[0];
        EXPECT_EQ(notice.summary, "Junk cleaned");
        EXPECT_EQ(notice.body, "1.2 GB removed");
        EXPECT_EQ(notice.icon, TORNIVO_APP_ID);
        EXPECT_EQ(notice.expiry, 5500);
        EXPECT_EQ(notice.actions, (actions ? QStringList{"undo", "Undo"} : QStringList{}));

        // The server reports the button; only a notice that offered it runs the action.
        QDBusMessage pressed = QDBusMessage::createSignal(kPath, kInterface, "ActionInvoked");
        pressed << 41u << QStringLiteral("undo");
        connect(QStringLiteral("server")).send(pressed);
        EXPECT_EQ(waitUntil([&] { return undone == 1; }, actions ? 10000 : 500), actions);

        // One notice at a time: the next replaces the one shown.
        notices.send("Scan finished", "Nothing found", std::nullopt, [&] { ++fellBack; });
        ASSERT_TRUE(waitUntil([&] { return server.notices.size() == 2; }));
        EXPECT_EQ(server.notices[1].replaces, 41u);
        EXPECT_EQ(fellBack, 0);
        TearDown();  // the next round starts on fresh connections
    }
}

TEST_F(DesktopNoticesTest, WithoutAServerTheBannerFallsBackToTheWindow) {
    DesktopNotices notices(connect(QStringLiteral("tornivo")));
    bool fellBack = false;
    notices.send("Junk cleaned", "1.2 GB removed", std::nullopt, [&] { fellBack = true; });
    EXPECT_TRUE(waitUntil([&] { return fellBack; }));
}

}  // namespace
}  // namespace tornivo::app

#include "DesktopNoticesTest.moc"
