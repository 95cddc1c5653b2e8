#include "platform/Exclusions.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>

#include <fcntl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/FileStatus.h"
#include "platform/PathText.h"
#include "platform/PreferencesStore.h"

namespace tornivo {

namespace {

// The location with every link in it resolved; nothing when it does not exist.
std::optional<std::string> realPath(const Path& location) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(location.c_str(), nullptr),
                                                         &std::free);
    if (!resolved) return std::nullopt;
    return std::string(resolved.get());
}

// `path` is `folder` or lies below it (or, for the root folder, is any absolute path).
bool isWithin(const std::string& path, const std::string& folder) {
    if (path == folder) return true;
    if (folder == "/") return path.starts_with('/');
    return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/';
}

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

}  // namespace

ProtectedFolders::ProtectedFolders(std::vector<Path> folders,
                                   std::optional<ProtectionProblem> problem)
    : folders_(std::move(folders)), problem_(std::move(problem)) {
    for (const Path& folder : folders_) {
        Key key{comparisonKey(folder), std::nullopt};
        if (auto real = realPath(folder)) key.resolved = comparisonKey(*real);
        keys_.push_back(std::move(key));
        bool itself = true;
        climbFolders(::open(folder.c_str(), kFolderFlags), [&](const FileStatus& st) {
            if (itself) protectedIds_.push_back({st.dev, st.ino});
            itself = false;
            holderIds_.push_back({st.dev, st.ino});
            return false;
        });
    }
}

Path ProtectedFolders::standardize(const Path& location) {
    std::string s = location.lexically_normal().native();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return Path(std::move(s));
}

std::string ProtectedFolders::comparisonKey(const Path& location) {
    std::string key = standardize(location).native();
    if (!isValidUtf8(key)) return key;  // bytes that are not text compare as bytes
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return key;
    std::string normalized;
    icu::StringByteSink<std::string> sink(&normalized);
    nfc->normalizeUTF8(0, key, sink, nullptr, status);
    return U_SUCCESS(status) ? normalized : key;
}

bool ProtectedFolders::matches(const Path& location, bool holding) const {
    if (keys_.empty()) return false;
    const Path standard = standardize(location);
    const std::string written = comparisonKey(standard);
    // The entry itself is what a removal acts on (a link is removed as a link): resolve the
    // folder that holds it and keep its own name.
    std::optional<std::string> resolved;
    if (standard.native() == "/") {
        resolved = "/";
    } else if (auto parent = realPath(standard.parent_path())) {
        resolved = comparisonKey(Path(*parent) / standard.filename());
    }
    auto related = [&](const std::string& path, const std::string& folder) {
        return isWithin(path, folder) || (holding && isWithin(folder, path));
    };
    for (const Key& key : keys_) {
        const std::string* forms[] = {&written, resolved ? &*resolved : nullptr};
        for (const std::string* path : forms) {
            if (!path) continue;
            if (related(*path, key.written)) return true;
            if (key.resolved && related(*path, *key.resolved)) return true;
        }
    }
    return matchesIdentity(location, holding);
}

bool ProtectedFolders::matchesIdentity(const Path& location, bool holding) const {
    if (protectedIds_.empty()) return false;
    auto among = [](const std::vector<Identity>& ids, const FileStatus& st) {
        return std::find(ids.begin(), ids.end(), Identity{st.dev, st.ino}) != ids.end();
    };
    // The entry itself, not followed: a link goes as a link.
    if (auto st = statEntry(AT_FDCWD, location.c_str()); st && st->isDirectory())
        if (among(holding ? holderIds_ : protectedIds_, *st)) return true;
    // The folders above it, as the kernel reaches them.
    const Path parent = location.has_relative_path() ? location.parent_path() : location;
    return climbFolders(::open(parent.c_str(), kFolderFlags),
                        [&](const FileStatus& st) { return among(protectedIds_, st); });
}

bool ProtectedFolders::isProtected(const Path& location) const {
    return matches(location, true);
}

bool ProtectedFolders::covers(const Path& location) const {
    return matches(location, false);
}

Exclusions::Exclusions(PreferencesStore& store) : store_(store) {
    std::vector<Path> folders;
    std::optional<ProtectionProblem> problem;
    auto fail = [&](std::string what) {
        if (!problem) problem = ProtectionProblem{store_.file(), std::move(what)};
    };
    if (auto unreadable = store_.problem()) fail(*unreadable);
    if (auto value = store_.value(kKey)) {
        if (!value->is_array()) fail(std::string("holds a \"") + kKey + "\" that is not a list");
        std::size_t position = 0;
        for (const auto& item : value->is_array() ? *value : nlohmann::json::array()) {
            ++position;
            Path folder = item.is_string() ? decodePathText(item.get<std::string>()) : Path();
            if (folder.is_absolute()) {
                folders.push_back(ProtectedFolders::standardize(folder));
            } else {
                fail("holds an entry of \"" + std::string(kKey) + "\" that is not an absolute " +
                     "path (entry " + std::to_string(position) + ")");
            }
        }
    }
    protection_ = ProtectedFolders(std::move(folders), std::move(problem));
}

bool Exclusions::add(const Path& folder) {
    if (problem()) return false;
    const Path standard = ProtectedFolders::standardize(folder);
    const std::string key = ProtectedFolders::comparisonKey(standard);
    for (const Path& listed : folders())
        if (ProtectedFolders::comparisonKey(listed) == key) return false;
    std::vector<Path> folders = this->folders();
    folders.push_back(standard);
    return persist(std::move(folders));
}

bool Exclusions::remove(const Path& folder) {
    if (problem()) return false;
    const std::string key = ProtectedFolders::comparisonKey(folder);
    std::vector<Path> kept;
    for (const Path& listed : folders())
        if (ProtectedFolders::comparisonKey(listed) != key) kept.push_back(listed);
    return persist(std::move(kept));
}

bool Exclusions::persist(std::vector<Path> folders) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& f : folders) list.push_back(encodePathText(f));
    if (!store_.set(kKey, std::move(list))) return false;
    protection_ = ProtectedFolders(std::move(folders));
    return true;
}

}  // namespace tornivo
