// A running QML scene follows a change of language at once: texts and direction.

#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QtQml/QQmlExtensionPlugin>

#include "LocalizationManager.h"
#include "TempHome.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

using namespace tornivo::test;

TEST(LanguageSwitchTest, ArabicTurnsTheSceneRightToLeftAndEnglishTurnsItBack) {
    TempDir dir;
    PreferencesStore store(dir / "settings.json");
    store.set(LocalizationManager::kKey, "en");
    LocalizationManager l10n(store);
    LocalizationManager::setShared(&l10n);

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
    LocalizationManager::setShared(nullptr);
}

}  // namespace
}  // namespace tornivo::app
