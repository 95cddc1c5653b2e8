#include "engines/InstallerScanner.h"

#include <fcntl.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "engines/LargeFileScanner.h"
#include "platform/DesktopEntries.h"
#include "platform/DirectoryReader.h"
#include "platform/PathText.h"
#include "platform/RunningApps.h"

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

}  // namespace

std::optional<std::string> InstallerScanner::matchInstalledApp(
    std::string_view installerName, const std::vector<std::string>& installed) {
    return match(installerName, normalizedNames(installed));
}

std::vector<std::string> InstallerScanner::installedAppNames() const {
    std::vector<std::string> names;
    for (auto& app : installedApplications(layout_)) names.push_back(std::move(app.name));
    return names;
}

// --- scan and removal ---

std::vector<InstallerFile> InstallerScanner::scan(ScanReport* report) const {
    const PersonalFolders folders(layout_, Layout::present({layout_.downloads, layout_.desktop}));
    if (report) *report = ScanReport{folders.refused(), {}, 0};
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
                             std::move(kind), std::move(app), matched,
                             identityOf(*st, folder.dev, folder.ino)});
        }
    }
    std::stable_sort(
        files.begin(), files.end(),
        [](const InstallerFile& a, const InstallerFile& b) { return a.size > b.size; });
    return files;
}

RemovalOutcome InstallerScanner::remove(const std::vector<InstallerFile>& files,
                                        std::stop_token stop) const {
    Trash trash(layout_);
    return trashSelected(files, trash, stop);
}

}  // namespace tornivo
