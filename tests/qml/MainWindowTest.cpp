// The first window, driven as a person would: press the scan button, see the rows.

#include <gtest/gtest.h>

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/QQmlExtensionPlugin>

#include "AppState.h"
#include "Fmt.h"
#include "LocalizationManager.h"
#include "QtWait.h"
#include "TempHome.h"
#include "ThemeManager.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

using namespace tornivo::test;

TEST(MainWindowTest, ScanButtonListsTheJunkLargestFirst) {
    TempHome home;
    writeFile(home.layout().cacheHome / "org.example.Editor/cache.db", 200000);
    writeFile(home.layout().cacheHome / "thumbnails/normal/a.png", 50000);
    auto store = std::make_shared<PreferencesStore>(home.layout().settingsFile);
    store->set(LocalizationManager::kKey, "en");
    LocalizationManager l10n(*store);
    LocalizationManager::setShared(&l10n);
    ThemeManager theme(*store);
    ThemeManager::setShared(&theme);
    AppState state(home.layout(), store);
    AppState::setInstance(&state);

    QQmlApplicationEngine engine;
    QStringList warnings;  // a binding that fails or a missing singleton shows up here
    QObject::connect(&engine, &QQmlEngine::warnings, [&](const QList<QQmlError>& list) {
        for (const auto& w : list) warnings << w.toString();
    });
    engine.load(QUrl(QStringLiteral("qrc:/Tornivo/Main.qml")));
    ASSERT_FALSE(engine.rootObjects().isEmpty());
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    ASSERT_NE(window, nullptr);
    auto* button = window->findChild<QQuickItem*>("scanButton");
    auto* list = window->findChild<QQuickItem*>("junkList");
    ASSERT_TRUE(button && list);

    QPointF centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    ASSERT_TRUE(waitUntil([&] { return list->property("count").toInt() == 2; }));
    EXPECT_FALSE(state.isScanning());
    EXPECT_EQ(state.scanResultView()->items()->get(0, "name").toString(), "org.example.Editor");
    auto* summary = window->findChild<QQuickItem*>("summary");
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->property("text").toString().startsWith(
        Fmt::bytes(state.scanResult()->items[0].size + state.scanResult()->items[1].size)));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    AppState::setInstance(nullptr);
}

}  // namespace
}  // namespace tornivo::app
