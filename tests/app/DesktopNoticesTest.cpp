// Banners through the desktop's notification service, against a stand-in server on a bus of the
// test's own: what the server is handed, the Undo button only where it announces actions, and
// the window taking over when no server answers.

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
        QString summary, body;
        QStringList actions;
    };
    QStringList capabilities;
    std::vector<Notice> notices;

  public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap&, int) {
        notices.push_back({summary, body, actions});
        return static_cast<uint>(notices.size()) + 40;
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

    PrivateBus bus;
};

TEST_F(DesktopNoticesTest, TheServerGetsTheBannerAndUndoOnlyWhenItAnnouncesActions) {
    for (const bool actions : {true, false}) {
        StandInServer server;
        server.capabilities = actions ? QStringList{"body", "actions"} : QStringList{"body"};
        QDBusConnection serverBus = connect(QStringLiteral("server"));
        ASSERT_TRUE(serverBus.registerObject(kPath, &server, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(serverBus.registerService(kInterface));
        DesktopNotices notices(connect(QStringLiteral("tornivo")));
        int undone = 0;
        notices.send("Junk cleaned", "1.2 GB removed", BannerAction{"Undo", [&] { ++undone; }},
                     [] {});
        ASSERT_TRUE(waitUntil([&] { return server.notices.size() == 1; })) << actions;
        const auto& notice = server.notices[0];
        EXPECT_EQ(notice.summary + "|" + notice.body, "Junk cleaned|1.2 GB removed");
        EXPECT_EQ(notice.actions, (actions ? QStringList{"undo", "Undo"} : QStringList{}));

        // The server reports the button; only a notice that offered it runs the action.
        QDBusMessage pressed = QDBusMessage::createSignal(kPath, kInterface, "ActionInvoked");
        pressed << 41u << QStringLiteral("undo");
        serverBus.send(pressed);
        EXPECT_EQ(waitUntil([&] { return undone == 1; }, actions ? 10000 : 500), actions);
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
