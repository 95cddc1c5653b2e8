#include "SingleInstance.h"

#include <gtest/gtest.h>

#include <QThread>

#include "QtWait.h"
#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

constexpr auto kId = "org.tornivo.Test";
constexpr auto kSocket = SingleInstance::Transport::localSocket;
using Outcome = SingleInstance::Outcome;

// Without a session bus: the socket in the runtime folder. The first instance answers on its
// own thread, as a first process would, while the second waits for the answer.
TEST(SingleInstanceTest, ASecondStartAsksTheFirstToShowItsPanelAndEnds) {
    TempDir runtime;
    const QString folder = QString::fromStdString(runtime.path().native());
    QThread thread;
    thread.start();
    auto* first = new SingleInstance(kId, folder);
    first->moveToThread(&thread);
    Outcome firstOutcome{};
    QMetaObject::invokeMethod(
        first, [&] { firstOutcome = first->claim(kSocket); }, Qt::BlockingQueuedConnection);
    EXPECT_EQ(firstOutcome, Outcome::claimed);
    std::atomic<int> shows = 0;
    QObject::connect(first, &SingleInstance::showRequested, first, [&] { ++shows; });

    SingleInstance second(kId, folder);
    EXPECT_EQ(second.claim(kSocket), Outcome::forwarded);
    EXPECT_TRUE(waitUntil([&] { return shows == 1; }));

    QMetaObject::invokeMethod(
        first, [first] { delete first; }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
    // The first has gone: its name is free again.
    SingleInstance third(kId, folder);
    EXPECT_EQ(third.claim(kSocket), Outcome::claimed);
}

TEST(SingleInstanceTest, ASocketLeftByAProcessThatDiedIsTakenOver) {
    TempDir runtime;
    const QString folder = QString::fromStdString(runtime.path().native());
    SingleInstance probe(kId, folder);
    // What a killed process leaves: its socket's file, with nobody listening.
    writeFile(probe.socketPath().toStdString(), 0);
    EXPECT_EQ(probe.claim(kSocket), Outcome::claimed);
}

}  // namespace
}  // namespace tornivo::app
