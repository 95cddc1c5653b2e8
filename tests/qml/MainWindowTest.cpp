// QML driven offscreen as a person would: press the scan button and see the rows; switch the
// language and see a running scene follow at once, texts and direction.

#include <gtest/gtest.h>

#include <QQmlApplicationEngine>
#include <QQmlComponent>
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

// English, the shared language and theme managers set, and unset again whatever happened.
class MainWindowTest : public ::testing::Test {
  protected:
    TempHome home;
    std::shared_ptr<PreferencesStore> store = [this] {
        auto s = std::make_shared<PreferencesStore>(home.layout().settingsFile);
        s->set(LocalizationManager::kKey, "en");
        return s;
    }();
    LocalizationManager l10n{*store};
    ThemeManager theme{*store};

    void SetUp() override {
        LocalizationManager::setShared(&l10n);
        ThemeManager::setShared(&theme);
    }
    void TearDown() override {
        AppState::setInstance(nullptr);
        ThemeManager::setShared(nullptr);
        LocalizationManager::setShared(nullptr);
    }
};

TEST_F(MainWindowTest, ScanButtonListsTheJunkLargestFirst) {
    writeFile(home.layout().cacheHome / "org.example.Editor/cache.db", 200000);
    writeFile(home.layout().cacheHome / "thumbnails/normal/a.png", 50000);
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
}

TEST_F(MainWindowTest, ArabicTurnsTheSceneRightToLeftAndEnglishTurnsItBack) {
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQuick
        import Tornivo
        Item {
            LayoutMirroring.enabled: LocalizationManager.layoutDirection === Qt.RightToLeft
            LayoutMirroring.childrenInherit: true
            property bool mirrored: LayoutMirroring.enabled
            property string label: qsTrId("clean.cleanButton")
            property string count: LocalizationManager.code, Fmt.integer(1234567)
        })",
                      QUrl("qrc:/LanguageSwitchTest.qml"));
    std::unique_ptr<QObject> scene(component.create());
    ASSERT_TRUE(scene) << component.errorString().toStdString();
    EXPECT_EQ(scene->property("label").toString(), "Clean");
    EXPECT_FALSE(scene->property("mirrored").toBool());

    l10n.setCode("ar");
    EXPECT_EQ(scene->property("label").toString(), QString::fromUtf8("تنظيف"));
    EXPECT_TRUE(scene->property("mirrored").toBool());
    EXPECT_NE(scene->property("count").toString(), "1,234,567") << "numbers follow the language";

    l10n.setCode("en");
    EXPECT_EQ(scene->property("label").toString(), "Clean");
    EXPECT_FALSE(scene->property("mirrored").toBool());
    EXPECT_EQ(scene->property("count").toString(), "1,234,567");
}

}  // namespace
}  // namespace tornivo::app
