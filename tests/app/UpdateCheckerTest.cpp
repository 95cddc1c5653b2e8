// The update check against a real HTTP server on the loopback address; nothing goes further.

#include "UpdateChecker.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "QtWait.h"

namespace tornivo::app {
namespace {

using tornivo::test::waitUntil;

// Answers every request with one canned response, optionally after a delay.
class CannedServer : public QTcpServer {
  public:
    CannedServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n")) return;
                    QTimer::singleShot(delayMs, socket, [this, socket] {
                        socket->write(response);
                        socket->disconnectFromHost();
                    });
                });
        });
    }
    void answer(int status, const QByteArray& body, const char* reason = "OK") {
        response = "HTTP/1.1 " + QByteArray::number(status) + " " + reason +
                   "\r\nContent-Type: application/json\r\nContent-Length: " +
                   QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/version.json").arg(serverPort()));
    }

    QByteArray response;
    int delayMs = 0;
};

class UpdateCheckerTest : public ::testing::Test {
  protected:
    CannedServer server;
    UpdateChecker checker{server.url(), QUrl("https://tornivo.invalid/")};
    QStringList banners;

    void SetUp() override {
        checker.setBannerPresenter(
            [this](const QString&, const QString&, const QString& m) { banners << m; });
    }
    void checkAndWait(bool announce) {
        checker.check(announce);
        ASSERT_TRUE(waitUntil([&] { return checker.state() != UpdateChecker::State::checking; }));
    }
};

TEST_F(UpdateCheckerTest,
       OnlyANewerVersionIsAvailableOnlyAnHttpsLinkIsFollowedAndAnnouncedWhenAsked) {
    server.answer(200, R"({"version": "1.3.1", "notes": "x", "extra": [1, 2]})");
    checkAndWait(true);
    EXPECT_EQ(checker.stateId(), "upToDate");
    server.answer(200, R"({"version": "1.3.2", "url": null})");
    checkAndWait(false);
    EXPECT_EQ(checker.stateId(), "available");
    EXPECT_EQ(checker.downloadAddress(), QUrl("https://tornivo.invalid/")) << "no url: the site";
    EXPECT_TRUE(banners.isEmpty());

    server.answer(200, R"({"version": "2.0", "url": "https://tornivo.invalid/get/2.0"})");
    checkAndWait(true);
    EXPECT_EQ(checker.downloadAddress(), QUrl("https://tornivo.invalid/get/2.0"));
    EXPECT_EQ(banners.size(), 1);
    for (const char* bad : {"javascript:alert(1)", "http://x.invalid/", "https://"}) {
        server.answer(200, QByteArray(R"({"version": "2.0", "url": ")") + bad + "\"}");
        checkAndWait(false);
        EXPECT_EQ(checker.downloadAddress(), QUrl("https://tornivo.invalid/")) << bad;
    }
}

TEST_F(UpdateCheckerTest, AnythingButAGoodManifestInTimeFails) {
    const std::pair<int, QByteArray> cases[] = {
        {304, R"({"version": "9.0"})"},
        {200, "<html>not json</html>"},
        {200, R"({"version": 9})"},
        {200, R"({"version": "2.0", "url": 5})"},
        {200, QByteArray(R"({"version": "9.0", "notes": ")") + QByteArray(2 << 20, 'x') + "\"}"},
    };
    for (const auto& [status, body] : cases) {
        server.answer(status, body, status == 200 ? "OK" : "Nope");
        checkAndWait(true);
        EXPECT_EQ(checker.stateId(), "failed") << status << " " << body.left(40).toStdString();
    }
    server.answer(200, R"({"version": "9.0"})");
    server.delayMs = 2000;
    checker.setTimeoutMs(200);
    checkAndWait(true);
    EXPECT_EQ(checker.stateId(), "failed") << "a slow server times out";
    EXPECT_TRUE(banners.isEmpty());
}

TEST(UpdateVersionTest, VersionsCompareAsDottedNumbers) {
    for (const auto& [newer, older] : {std::pair{"1.10", "1.9"}, {"2", "1.99.99"}})
        EXPECT_TRUE(UpdateChecker::isNewer(newer, older)) << newer;
    // "3-beta" style pieces count 0.
    for (const auto& [same, older] :
         {std::pair{"1.3.1.0", "1.3.1"}, {"beta2.0", "1.3.1"}, {"1.3.1-rc1", "1.3.1"}})
        EXPECT_FALSE(UpdateChecker::isNewer(same, older)) << same;
}

}  // namespace
}  // namespace tornivo::app
