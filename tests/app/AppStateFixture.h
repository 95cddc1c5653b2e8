#pragma once
// An application state on a temporary home, with its sound cues and banners recorded.

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <algorithm>
#include <filesystem>

#include "AppState.h"
#include "QtWait.h"
#include "TempHome.h"

namespace tornivo::app {

class AppStateFixture : public ::testing::Test {
  protected:
    test::TempHome home;
    std::shared_ptr<PreferencesStore> store =
        std::make_shared<PreferencesStore>(home.layout().settingsFile);
    std::vector<SoundCue> cues;
    QStringList banners;         // "icon|title|message"
    std::function<void()> undo;  // what the last banner's Undo runs; empty when it offers none
    std::unique_ptr<AppState> state;

    void SetUp() override { makeState(home.layout()); }
    Path caches() const { return home.layout().cacheHome; }
    Path trashFiles() const { return home.layout().trashFiles; }
    Path downloads() const { return home.layout().downloads.value(); }
    Path documents() const { return home.layout().documents.value(); }
    Path pictures() const { return home.layout().pictures.value(); }
    Path desktop() const { return home.layout().desktop.value(); }
    // What is left in the folders, as "Folder/name", sorted.
    static std::vector<std::string> left(std::initializer_list<Path> folders) {
        std::vector<std::string> found;
        for (const Path& folder : folders)
            for (const auto& entry : std::filesystem::directory_iterator(folder))
                found.push_back((folder.filename() / entry.path().filename()).string());
        std::ranges::sort(found);
        return found;
    }
    void quickScan() {
        runBusy([&] { state->runQuickScan(); }, &AppState::isScanning,
                &AppState::isScanningChanged);
    }
    void makeState(const Layout& layout) {
        state = std::make_unique<AppState>(layout, store);
        state->setCuePlayer([this](SoundCue cue) { cues.push_back(cue); });
        state->setBannerPresenter([this](const QString& icon, const QString& title,
                                         const QString& message, std::function<void()> offered) {
            banners << icon + "|" + title + "|" + message;
            undo = std::move(offered);
        });
    }

    // Starts an operation and waits for it to finish; the busy flag must have been raised and
    // lowered exactly once. A fast engine may finish before the call returns, so the flag's
    // changes are recorded rather than read back after the start.
    template <class Start, class Getter, class Signal>
    void runBusy(Start start, Getter busy, Signal changed) {
        std::vector<bool> seen;
        auto link =
            QObject::connect(state.get(), changed, [&] { seen.push_back((state.get()->*busy)()); });
        start();
        const bool done = test::waitUntil([&] { return seen.size() >= 2; });
        QObject::disconnect(link);
        ASSERT_TRUE(done) << "the operation never finished";
        EXPECT_EQ(seen, (std::vector{true, false}));
    }
};

}  // namespace tornivo::app
