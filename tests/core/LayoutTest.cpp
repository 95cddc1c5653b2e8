#include "platform/Layout.h"

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace test;

TEST(LayoutTest, XdgVariablesMoveTheFoldersButRelativeValuesAreIgnored) {
    TempHome h(LayoutKind::freedesktop, {{"XDG_CACHE_HOME", "/srv/cache"},
                                         {"XDG_DATA_HOME", "/srv/data"},
                                         {"XDG_CONFIG_HOME", "relative/config"}});
    const Layout& l = h.layout();
    EXPECT_EQ(l.junkRoots[0].folder, Path("/srv/cache"));
    EXPECT_EQ(l.trashFiles, Path("/srv/data/Trash/files"));
    EXPECT_EQ(l.trashInfo, Path("/srv/data/Trash/info")) << "restore records where others look";
    EXPECT_EQ(l.configHome, h / ".config");
    EXPECT_EQ(l.leftoverNameFolders, (std::vector<Path>{h / ".config", "/srv/cache", "/srv/data"}));
}

TEST(LayoutTest, PersonalFoldersComeFromUserDirsWithLocalizedNames) {
    TempHome h;
    writeText(h / ".config/user-dirs.dirs",
              "# written by xdg-user-dirs-update\n"
              "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n"
              "XDG_DESKTOP_DIR=\"$HOME/\"\n"
              "XDG_MUSIC_DIR=\"$HOME/My \\\"Music\\\"\"\n"
              "XDG_PICTURES_DIR=relative/not/allowed\n");
    h.reload();
    const Layout& l = h.layout();
    EXPECT_EQ(l.downloads, h / "Téléchargements");
    EXPECT_FALSE(l.desktop.has_value()) << "a folder that is the home itself is skipped";
    EXPECT_EQ(l.music, h / "My \"Music\"");
    EXPECT_EQ(l.pictures, h / "Pictures") << "an invalid entry falls back to the default name";
    EXPECT_EQ(Layout::present({l.downloads, l.desktop, l.music}),
              (std::vector<Path>{h / "Téléchargements", h / "My \"Music\""}));
}

TEST(LayoutTest, ApplicationFoldersPutTheUserFirstAndIncludeFlatpakOnce) {
    TempHome h(
        LayoutKind::freedesktop,
        {{"XDG_DATA_DIRS", "/var/lib/flatpak/exports/share:/usr/share/:relative:/opt/share"}});
    EXPECT_EQ(h.layout().applicationFolders,
              (std::vector<Path>{h / ".local/share/applications",
                                 h / ".local/share/flatpak/exports/share/applications",
                                 "/var/lib/flatpak/exports/share/applications",
                                 "/usr/share/applications", "/opt/share/applications"}));
}

}  // namespace
}  // namespace tornivo
