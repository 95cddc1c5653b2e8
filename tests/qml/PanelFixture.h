#pragma once
// The panel's views driven offscreen: every shared object they use, on a temporary home, in
// English; the panel loaded as the application loads it, or one view made from QML text. Every
// QML warning fails the test.

#include <gtest/gtest.h>

#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include "AppState.h"
#include "Autostart.h"
#include "FileImages.h"
#include "Fmt.h"
#include "FolderChooser.h"
#include "LocalizationManager.h"
#include "QtWait.h"
#include "RecordRoles.h"
#include "SoundManager.h"
#include "TempHome.h"
#include "ThemeManager.h"
#include "TrayDetector.h"
#include "TrayShell.h"

namespace tornivo::app {

using namespace tornivo::test;

class RecordingPlayer : public SoundPlayer {
  public:
    explicit RecordingPlayer(std::vector<SoundCue>& played) : played_(played) {}
    void play(SoundCue cue, const char*) override { played_.push_back(cue); }
    void cancel(SoundCue) override {}

  private:
    std::vector<SoundCue>& played_;
};

// Stands in for the desktop portal: counts the requests, answers when the test says.
class ScriptedPortal : public FolderPortal {
  public:
    void chooseFolders(const QString&, const QString&, const QString&) override { ++requests; }
    int requests = 0;
};

// Every shared object the views use, on a temporary home, in English; the panel loaded as the
// application loads it, every QML warning recorded.
class PanelTest : public ::testing::Test {
  protected:
    TempHome home;
    std::shared_ptr<PreferencesStore> store = [this] {
        auto s = std::make_shared<PreferencesStore>(home.layout().settingsFile);
        s->set(LocalizationManager::kKey, "en");
        return s;
    }();
    LocalizationManager l10n{*store};
    ThemeManager theme{*store};
    std::vector<SoundCue> played;
    AppState state{home.layout(), store};
    SoundManager sound{[this] { return state.soundEnabled(); },
                       std::make_unique<RecordingPlayer>(played)};
    TrayDetector noTray{[] { return false; }};
    TrayShell shell{state, noTray};
    ScriptedPortal* portal = new ScriptedPortal;
    FolderChooser chooser{*state.exclusions(), std::unique_ptr<FolderPortal>(portal)};
    Autostart autostart{AutostartFolder(home.layout().configHome / "autostart", TORNIVO_APP_ID,
                                        runningExecutable())};
    QQmlApplicationEngine engine;
    QStringList warnings;
    QObject owner;  // of the lists and views made by the tests

    template <class T>
    RecordList<T>* list(std::vector<T> rows) {
        auto* model = new RecordList<T>(&owner);
        model->replace(std::move(rows));
        return model;
    }
    static void set(QQuickItem* view, const char* name, QObject* value) {
        view->setProperty(name, QVariant::fromValue(value));
    }

    void SetUp() override {
        LocalizationManager::setShared(&l10n);
        ThemeManager::setShared(&theme);
        SoundManager::setShared(&sound);
        AppState::setInstance(&state);
        TrayShell::setInstance(&shell);
        FolderChooser::setInstance(&chooser);
        Autostart::setInstance(&autostart);
        state.setCuePlayer(sound.cuePlayer());
        l10n.attach(&engine);
        FileImages::install(&engine);
        engine.addImportPath(QStringLiteral("qrc:/"));
        QObject::connect(&engine, &QQmlEngine::warnings, [this](const QList<QQmlError>& list) {
            for (const auto& w : list) warnings << w.toString();
        });
    }
    void TearDown() override {
        EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
        Autostart::setInstance(nullptr);
        FolderChooser::setInstance(nullptr);
        TrayShell::setInstance(nullptr);
        AppState::setInstance(nullptr);
        SoundManager::setShared(nullptr);
        ThemeManager::setShared(nullptr);
        LocalizationManager::setShared(nullptr);
    }

    // The panel, shown offscreen.
    QQuickWindow* openPanel() {
        engine.load(QUrl(QStringLiteral("qrc:/Tornivo/PopoverRootView.qml")));
        auto* panel = engine.rootObjects().isEmpty()
                          ? nullptr
                          : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
        if (!panel) return nullptr;
        panel->show();
        return QTest::qWaitForWindowExposed(panel) ? panel : nullptr;
    }
    // One view made from QML text.
    std::unique_ptr<QQuickItem> make(const QByteArray& qml) {
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport Tornivo\n" + qml, QUrl("qrc:/PanelTestView.qml"));
        std::unique_ptr<QQuickItem> item(qobject_cast<QQuickItem*>(component.create()));
        EXPECT_TRUE(item) << component.errorString().toStdString();
        return item;
    }
    // The item of that name below `root`, along the visual tree (items made by a Repeater have
    // no QObject parent to be found by).
    static QQuickItem* find(QObject* root, const char* name) {
        auto* window = qobject_cast<QQuickWindow*>(root);
        QQuickItem* item = window ? window->contentItem() : qobject_cast<QQuickItem*>(root);
        if (!item) return nullptr;
        for (QQuickItem* child : item->childItems()) {
            if (child->objectName() == QLatin1String(name)) return child;
            if (QQuickItem* found = find(child, name)) return found;
        }
        return nullptr;
    }
    // Every item of that name below `root`, in the order of the visual tree.
    static QList<QQuickItem*> findAll(QQuickItem* root, const char* name) {
        QList<QQuickItem*> found;
        for (QQuickItem* child : root->childItems()) {
            if (child->objectName() == QLatin1String(name)) found << child;
            found << findAll(child, name);
        }
        return found;
    }
    // The panel on the settings, once they are laid out.
    QQuickWindow* openSettings() {
        state.setSection(Section::settings);
        QQuickWindow* panel = openPanel();
        return panel && waitUntil([&] { return find(panel, "card-about") != nullptr; }) ? panel
                                                                                        : nullptr;
    }
    // Scrolls the settings until `item` is in sight, as a person would before clicking it.
    static QQuickItem* reveal(QQuickWindow* panel, QQuickItem* item) {
        auto* flickable = find(panel, "settingsView")->property("contentItem").value<QQuickItem*>();
        if (!item || !flickable) return item;
        const qreal y =
            item->mapToItem(flickable->property("contentItem").value<QQuickItem*>(), QPointF(0, 0))
                .y();
        flickable->setProperty("contentY", std::max(0.0, y - 100));
        QTest::qWait(20);
        return item;
    }
    static void click(QQuickWindow* window, QQuickItem* item) {
        ASSERT_TRUE(item && item->isVisible());
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          item->mapToScene({item->width() / 2, item->height() / 2}).toPoint());
    }
};

}  // namespace tornivo::app
