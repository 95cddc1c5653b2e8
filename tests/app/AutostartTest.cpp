// Starting at login: the entry starts this very program whatever its path holds, is never
// written through a link, and only a file or a link of its name is ever removed.

#include "Autostart.h"

#include <gtest/gtest.h>

#include <glib.h>

#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

// The command a session runs for an entry, read as GLib reads it: the string's escapes, then the
// field codes ("%%" is a percent sign), then the quoting of the arguments.
std::vector<std::string> command(const Path& entry) {
    g_autoptr(GKeyFile) keys = g_key_file_new();
    if (!g_key_file_load_from_file(keys, entry.c_str(), G_KEY_FILE_NONE, nullptr) ||
        !g_key_file_get_boolean(keys, "Desktop Entry", "X-GNOME-Autostart-enabled", nullptr))
        return {};
    g_autofree char* exec = g_key_file_get_string(keys, "Desktop Entry", "Exec", nullptr);
    std::string expanded;
    for (const char* p = exec ? exec : ""; *p; ++p) {
        if (p[0] == '%' && p[1] == '%') ++p;
        expanded += *p;
    }
    int argc = 0;
    char** argv = nullptr;
    if (!g_shell_parse_argv(expanded.c_str(), &argc, &argv, nullptr)) return {};
    g_auto(GStrv) owned = argv;
    return std::vector<std::string>(argv, argv + argc);
}

TEST(AutostartTest, TheEntryStartsTheProgramWhateverItsPathHolds) {
    TempDir dir;
    for (const char* name :
         {"with space", "quote\"d", "dollar$HOME", "back\\slash", "per%cent", "caf\u00e9"}) {
        const Path program = writeFile(dir / "bin" / name);
        setMode(program, 0755);
        AutostartFolder folder(dir / "autostart", "org.example.Test", program);
        ASSERT_TRUE(folder.write()) << name;
        EXPECT_EQ(command(folder.entry()), std::vector<std::string>{program.native()}) << name;
    }
    // An entry holds UTF-8 text on lines: a program whose path is neither cannot be named.
    for (const char* program : {"/opt/caf\xe9/tornivo", "/opt/two\nlines/tornivo", "tornivo"})
        EXPECT_EQ(autostartEntryText(program, "org.example.Test"), "") << program;
}

TEST(AutostartTest, ALinkOfItsNameIsReplacedNotWrittenThroughAndAFolderIsLeftAlone) {
    TempDir dir;
    const Path program = writeFile(dir / "tornivo");
    setMode(program, 0755);
    AutostartFolder folder(dir / "autostart", "org.example.Test", program);
    const Path elsewhere = writeText(dir / "elsewhere.desktop", "mine\n");
    makeSymlink(elsewhere, folder.entry());

    ASSERT_TRUE(folder.write());
    EXPECT_EQ(readText(elsewhere), "mine\n");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.entry()));
    ASSERT_TRUE(folder.remove());
    EXPECT_FALSE(test::exists(folder.entry()));

    makeDir(folder.entry() / "inside");
    EXPECT_FALSE(folder.write());
    EXPECT_FALSE(folder.remove());
    EXPECT_TRUE(test::exists(folder.entry() / "inside"));
    EXPECT_EQ(snapshot(dir / "autostart").size(), 2u) << "no temporary file stays behind";
}

}  // namespace
}  // namespace tornivo::app
