#include "engines/InstallerScanner.h"

#include <fcntl.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>

#include "engines/LargeFileScanner.h"
#include "platform/DirectoryReader.h"
#include "platform/PathText.h"
#include "platform/RunningApps.h"
#include "platform/TreeWalker.h"

namespace tornivo {

InstallerScanner::InstallerScanner(Layout layout, std::vector<std::string> extensions)
    : layout_(std::move(layout)), extensions_(std::move(extensions)) {}

// --- names ---

std::string InstallerScanner::normalize(std::string_view name) {
    const std::string lower = RunningApps::lowerCased(displayText(name));
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return {};
    icu::UnicodeString text = nfc->normalize(icu::UnicodeString::fromUTF8(icu::StringPiece(
                                                 lower.data(), static_cast<int32_t>(lower.size()))),
                                             status);
    if (U_FAILURE(status)) return {};
    icu::UnicodeString letters;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        if (u_charType(c) == U_LOWERCASE_LETTER) letters.append(c);
    }
    std::string out;
    letters.toUTF8String(out);
    return out;
}

namespace {

// Letters in a normalised name: its code points (UTF-8 lead bytes).
std::size_t letterCount(std::string_view normalized) {
    return static_cast<std::size_t>(std::count_if(normalized.begin(), normalized.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

struct Installed {
    std::string name;        // as listed
    std::string normalized;  // at least 3 letters
};

std::vector<Installed> normalizedNames(const std::vector<std::string>& names) {
    std::vector<Installed> out;
    for (const auto& name : names) {
        std::string n = InstallerScanner::normalize(name);
        if (letterCount(n) >= 3) out.push_back({name, std::move(n)});
    }
    return out;
}

std::optional<std::string> match(std::string_view installerName,
                                 const std::vector<Installed>& installed) {
    const std::string key = InstallerScanner::normalize(installerName);
    if (letterCount(key) < 3) return std::nullopt;
    for (const auto& app : installed)
        if (app.normalized.find(key) != std::string::npos ||
            key.find(app.normalized) != std::string::npos)
            return app.name;
    return std::nullopt;
}

constexpr int kFollowDirectory = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// The *.app bundles of each folder, without the extension (the suffix test is case-sensitive).
std::vector<std::string> bundleNames(const std::vector<Path>& folders) {
    std::vector<std::string> names;
    DirectoryReader reader;
    for (const auto& folder : folders) {
        int fd = ::open(folder.c_str(), kFollowDirectory);
        if (fd < 0) continue;
        reader.reset(fd);
        DirectoryReader::Entry e;
        while (reader.next(e)) {
            std::string_view name(e.name, e.length);
            if (name.ends_with(".app")) names.emplace_back(name.substr(0, name.size() - 4));
        }
        ::close(fd);
    }
    return names;
}

struct AppInfoUnref {
    void operator()(GDesktopAppInfo* info) const { g_object_unref(info); }
};
using AppInfoPtr = std::unique_ptr<GDesktopAppInfo, AppInfoUnref>;

// The desktop entries of each folder, read through GIO. A desktop-file ID is the entry's path
// below its folder with "/" turned into "-"; the first folder that has an ID decides for it (a
// Hidden entry there removes the application, as the user's way of deleting a system entry).
std::vector<std::string> desktopEntryNames(const std::vector<Path>& folders) {
    std::vector<std::string> names;
    std::set<std::string> decided;
    TreeWalker walker;
    for (const auto& folder : folders) {
        // The folder may be a link (a data folder kept elsewhere); links below it to folders
        // are not followed, links to entries are read like the entries themselves.
        int fd = ::open(folder.c_str(), kFollowDirectory);
        if (fd < 0) continue;
        std::vector<std::pair<std::string, Path>> entries;
        walker.walk(fd, folder, [&](const TreeWalker::Entry& e) {
            if (e.status.isDirectory()) return true;
            std::string_view name(e.name, e.length);
            if (!name.ends_with(".desktop") || !(e.status.isRegular() || e.status.isSymlink()))
                return false;
            Path path = walker.pathOf(e);
            std::string_view below(path.native());
            below.remove_prefix(std::min(below.size(), folder.native().size()));
            while (below.starts_with('/')) below.remove_prefix(1);
            std::string id(below);
            std::replace(id.begin(), id.end(), '/', '-');
            entries.emplace_back(std::move(id), std::move(path));
            return false;
        });
        ::close(fd);
        for (const auto& [id, path] : entries) {
            if (decided.contains(id)) continue;
            // Null for anything but a readable entry of Type=Application whose program exists.
            AppInfoPtr info(g_desktop_app_info_new_from_filename(path.c_str()));
            if (!info) continue;
            decided.insert(id);
            if (g_desktop_app_info_get_is_hidden(info.get()) ||
                g_desktop_app_info_get_nodisplay(info.get()))
                continue;
            const char* name = g_app_info_get_name(G_APP_INFO(info.get()));
            if (name && *name) names.emplace_back(name);
        }
    }
    return names;
}

}  // namespace

std::optional<std::string> InstallerScanner::matchInstalledApp(
    std::string_view installerName, const std::vector<std::string>& installed) {
    return match(installerName, normalizedNames(installed));
}

std::vector<std::string> InstallerScanner::installedAppNames() const {
    return layout_.kind == LayoutKind::macos ? bundleNames(layout_.applicationFolders)
                                             : desktopEntryNames(layout_.applicationFolders);
}

// --- scan and removal ---

std::vector<InstallerFile> InstallerScanner::scan() const {
    const PersonalFolders folders(layout_.home,
                                  Layout::present({layout_.downloads, layout_.desktop}));
    const std::vector<Installed> installed = normalizedNames(installedAppNames());
    std::vector<InstallerFile> files;
    DirectoryReader reader;
    for (const auto& folder : folders.folders()) {
        reader.reset(folder.fd);
        DirectoryReader::Entry e;
        while (reader.next(e)) {
            std::string_view name(e.name, e.length);
            if (name.starts_with('.')) continue;
            const auto dot = name.rfind('.');
            if (dot == std::string_view::npos) continue;
            std::string kind = RunningApps::lowerCased(name.substr(dot + 1));
            if (std::find(extensions_.begin(), extensions_.end(), kind) == extensions_.end())
                continue;
            auto st = statEntry(folder.fd, e.name);
            if (!st || !st->isRegular()) continue;
            auto app = match(name.substr(0, dot), installed);
            const bool matched = app.has_value();
            files.push_back({Uuid::random(), folder.path / std::string(name), st->allocatedSize,
                             std::move(kind), std::move(app), matched});
        }
    }
    std::stable_sort(
        files.begin(), files.end(),
        [](const InstallerFile& a, const InstallerFile& b) { return a.size > b.size; });
    return files;
}

ByteCount InstallerScanner::remove(const std::vector<InstallerFile>& files) const {
    return trashSelected(files);
}

}  // namespace tornivo
