#include "engines/InstallerScanner.h"

#include <algorithm>

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace test;
using Names = std::vector<std::string>;

TEST(InstallerScannerTest, NormalisingKeepsOnlyLowerCaseLettersOfAnyScript) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Firefox 120.0", "firefox"},
        {"Visual Studio Code", "visualstudiocode"},
        {"zoom.us", "zoomus"},
        {"ÉCRAN Ünïcode-3", "écranünïcode"},
        {"Cafe\xcc\x81", "caf\xc3\xa9"},  // a combining accent: the same as the composed é
        {"İstanbul", "istanbul"},         // no Turkish rules: I is i, the dot above goes
        {"STRASSE Straße", "strassestraße"},
        {"ab\xff\xfe cd", "abcd"},  // bytes that are not UTF-8 are not letters
        {"微信 2", ""},             // letters without case are not lower-case letters
    };
    for (const auto& [name, normalised] : cases)
        EXPECT_EQ(InstallerScanner::normalize(name), normalised) << name;
}

TEST(InstallerScannerTest, TheFirstInstalledNameContainingOrContainedMatchesFromThreeLetters) {
    auto match = InstallerScanner::matchInstalledApp;
    EXPECT_EQ(match("Zoom", {"Notes", "zoom.us", "ZoomIt"}), "zoom.us");
    EXPECT_EQ(match("Zoom", {"ZoomIt", "zoom.us"}), "ZoomIt");
    EXPECT_EQ(match("Firefox Setup 120.0", {"Firefox"}), "Firefox") << "contained";
    EXPECT_EQ(match("code_1.85_amd64", {"Visual Studio Code"}), std::nullopt) << "codeamd";
    EXPECT_EQ(match("code", {"Visual Studio Code"}), "Visual Studio Code") << "contains";
    EXPECT_EQ(match("ab", {"ab", "abc"}), std::nullopt) << "two letters never match";
    EXPECT_EQ(match("xyz-ab", {"ab", "xy", "Xyz 2"}), "Xyz 2") << "short names are passed over";
    EXPECT_EQ(match("12.0", {"Anything"}), std::nullopt);
}

Names names(const std::vector<InstallerFile>& files) {
    return mapped(files, [](const InstallerFile& f) {
        return f.url.filename().native() + " " + f.kind + " " + f.matchedApp.value_or("-") +
               (f.isSelected ? " ticked" : "");
    });
}

TEST(InstallerScannerLayoutTest, MacosTopLevelInstallersAreMatchedToBundles) {
    TempHome home(LayoutKind::macos);
    Layout layout = home.layout();
    const Path downloads = *layout.downloads, desktop = *layout.desktop;
    layout.applicationFolders = {makeDir(home / "System Applications"), home / "Applications"};
    makeDir(layout.applicationFolders[0] / "Firefox.app");
    // The suffix test is case-sensitive: Notes.APP is no bundle.
    for (const char* app : {"ab.app", "Notes.APP"}) makeDir(layout.applicationFolders[1] / app);

    writeFile(downloads / "Firefox 120.0.dmg", 30000);
    writeFile(downloads / "Setup.PKG", 25000);
    writeFile(downloads / "ab.dmg", 10000);
    writeFile(downloads / "Notes.dmg", 5000);
    writeFile(downloads / Path("caf\xe9.iso"), 20000);
    writeFile(desktop / "Other.iso", 20000);
    // Larger than all, but not listed; Bundle.pkg is a package kept as a folder.
    for (const char* name :
         {"sub/Inner.dmg", ".Hidden.dmg", "Tool.xip", "Bundle.pkg/Contents/Archive"})
        writeFile(downloads / name, 50000);
    makeSymlink(downloads / "Firefox 120.0.dmg", desktop / "Link.dmg");

    InstallerScanner scanner(layout, {"dmg", "pkg", "iso"});
    EXPECT_EQ(scanner.installedAppNames(), (Names{"Firefox", "ab"}));
    auto files = scanner.scan();
    // Largest first; an equal size keeps Downloads before Desktop.
    EXPECT_EQ(names(files),
              (Names{"Firefox 120.0.dmg dmg Firefox ticked", "Setup.PKG pkg -", "caf\xe9.iso iso -",
                     "Other.iso iso -", "ab.dmg dmg -", "Notes.dmg dmg -"}));
    EXPECT_EQ(files[0].size, allocatedSize(downloads / "Firefox 120.0.dmg"));
}

TEST(InstallerScannerLayoutTest, FreedesktopNamesComeFromVisibleDesktopEntriesThroughGio) {
    TempDir data;
    TempHome home(LayoutKind::freedesktop, {{"XDG_DATA_HOME", (data / "user").native()},
                                            {"XDG_DATA_DIRS", (data / "system").native()}});
    Layout layout = home.layout();
    std::erase_if(layout.applicationFolders, [&](const Path& p) {
        return !p.native().starts_with(data.path().native());  // the machine's own entries
    });
    auto entry = [&](const char* folder, const Path& file, const std::string& body) {
        writeText(data / folder / "applications" / file,
                  "[Desktop Entry]\nType=Application\nExec=true\n" + body);
    };
    // Hidden, NoDisplay and Link entries are left out as for the uninstaller (one shared list).
    entry("user", "org.mozilla.firefox.desktop", "Name=Firefox\n");
    entry("user", "broken.desktop", "Name=Broken\nExec=no-such-program-here\n");
    entry("system", "kde/okular.desktop", "Name=Okular\n");
    entry("system", "broken.desktop", "Name=Repaired\n");  // the user's copy could not load
    entry("system", "org.mozilla.firefox.desktop", "Name=Old Firefox\n");

    writeFile(*layout.downloads / "firefox_120.0_amd64.DEB", 40000);
    writeFile(*layout.downloads / "okular-23.rpm", 30000);
    writeFile(*layout.downloads / "editor.snap", 20000);
    writeFile(*layout.desktop / "disk.dmg", 10000);  // not an installer here

    InstallerScanner scanner(layout, layout.installerExtensions);
    auto installed = scanner.installedAppNames();
    std::sort(installed.begin() + 1, installed.end());  // inside a folder: listing order
    EXPECT_EQ(installed, (Names{"Firefox", "Okular", "Repaired"}));
    EXPECT_EQ(names(scanner.scan()),
              (Names{"firefox_120.0_amd64.DEB deb Firefox ticked",
                     "okular-23.rpm rpm Okular ticked", "editor.snap snap -"}));
}

}  // namespace
}  // namespace tornivo
