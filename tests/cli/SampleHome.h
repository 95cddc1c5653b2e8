#pragma once
// The home most command-line tests run against, the same files in either layout: junk in the
// caches and logs folders, installers (one of an installed application), two identical copies,
// big old files, every date fixed.

#include <vector>

#include "CliHome.h"

namespace tornivo::test {

class SampleHome : public CliHome {
  public:
    static constexpr ByteCount kMiB = 1'048'576;

    explicit SampleHome(LayoutKind kind) : CliHome(kind) {
        const Layout& l = layout();
        const Path caches = l.junkRoots.at(0).folder, logs = l.junkRoots.at(1).folder;
        dated(writeFile(caches / "org.example.Editor/cache.db", 11 * kMiB, 'c'));
        dated(writeFile(caches / "thumbnails.db", 128 * 1024, 't'));
        dated(writeFile(logs / "Xorg.0.log", 64 * 1024, 'l'));
        dated(writeFile(*l.downloads / "Editor-2.0.iso", 11 * kMiB, 'e'));
        dated(writeFile(*l.downloads / "tool.iso", 192 * 1024, 'i'));
        dated(writeFile(*l.downloads / "copy-b.bin", 17 * 64 * 1024, 'd'));
        dated(writeFile(*l.documents / "copy-a.bin", 17 * 64 * 1024, 'd'));
        dated(allocateFile(*l.documents / "old-movie.mkv", 100 * kMiB));
        // The installed application, both ways: a desktop entry and a bundle.
        dated(writeText(home() / ".local/share/applications/org.example.Editor.desktop",
                        "[Desktop Entry]\nType=Application\nName=Editor\nExec=true\n"));
        makeDir(home() / "Applications/Editor.app");
    }

    static TimePoint longAgo() { return utc(2024, 3, 4, 10); }
    // Changed "in the future": active whatever the protection window.
    static TimePoint later() { return utc(2099, 12, 31, 12); }

    // Build outputs of three projects, with their sources: two idle since longAgo(), largest
    // first, and one active. freedesktop finds them by their markers anywhere in the home;
    // macos lists the IDE's DerivedData, the sources lying elsewhere.
    struct BuildOutputs {
        std::vector<Path> inactive;
        Path active;
        std::vector<Path> sources;
    };
    BuildOutputs addBuildOutputs() const {
        BuildOutputs b;
        if (layout().kind == LayoutKind::macos) {
            const Path derived = home() / "Library/Developer/Xcode/DerivedData";
            b.inactive = {derived / "App-abcdefghijklmnopqrstuvwxyzab", derived / "Tool"};
            b.active = derived / "Site-0123456789abcdefghijklmnop";
            writeFile(b.inactive[0] / "Build/app", 256 * 1024, 'a');
            writeFile(b.inactive[1] / "Logs/build.log", 8 * 1024, 't');
            writeFile(b.active / "Index/data", 64 * 1024, 's');
            b.sources = {writeText(home() / "Projects/App/main.swift", "print(1)\n")};
        } else {
            const Path code = home() / "code";
            b.inactive = {code / "app/target", code / "tool/tool/__pycache__"};
            b.active = code / "site/node_modules";
            writeFile(b.inactive[0] / "debug/app", 256 * 1024, 'a');
            writeFile(b.inactive[1] / "core.cpython-312.pyc", 8 * 1024, 't');
            writeFile(b.active / "lib/index.js", 64 * 1024, 's');
            b.sources = {writeText(code / "app/Cargo.toml", "[package]\nname = \"app\"\n"),
                         writeText(code / "app/src/main.rs", "fn main() {}\n"),
                         writeText(code / "tool/pyproject.toml", "[project]\nname = \"tool\"\n"),
                         writeText(code / "tool/tool/__init__.py", ""),
                         writeText(code / "site/package.json", "{}\n")};
        }
        for (const Path& output : b.inactive) setTreeTimes(output, longAgo());
        setTreeTimes(b.active, later());
        return b;
    }

  private:
    static void dated(const Path& file) { setTimes(file, longAgo(), longAgo()); }
};

}  // namespace tornivo::test
