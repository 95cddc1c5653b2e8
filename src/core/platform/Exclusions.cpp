#include "platform/Exclusions.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>

#include "platform/PathText.h"
#include "platform/PreferencesStore.h"

namespace tornivo {

Exclusions::Exclusions(PreferencesStore& store) : store_(store) {
    if (auto list = store_.stringList(kKey)) {
        for (const auto& text : *list) {
            Path folder = decodePathText(text);
            if (folder.empty()) continue;
            folders_.push_back(folder);
            keys_.push_back(comparisonKey(folder));
        }
    }
}

Path Exclusions::standardize(const Path& location) {
    std::string s = location.lexically_normal().native();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return Path(std::move(s));
}

std::string Exclusions::comparisonKey(const Path& location) {
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

bool Exclusions::isProtected(const Path& location) const {
    if (keys_.empty()) return false;
    const std::string p = comparisonKey(location);
    for (const auto& f : keys_) {
        if (p == f) return true;
        // The root folder protects everything below it.
        if (f == "/" ? p.starts_with('/')
                     : (p.size() > f.size() && p.starts_with(f) && p[f.size()] == '/'))
            return true;
    }
    return false;
}

bool Exclusions::add(const Path& folder) {
    Path standard = standardize(folder);
    std::string key = comparisonKey(standard);
    for (const auto& k : keys_)
        if (k == key) return false;
    folders_.push_back(standard);
    keys_.push_back(std::move(key));
    persist();
    return true;
}

void Exclusions::remove(const Path& folder) {
    const std::string key = comparisonKey(folder);
    std::vector<Path> keptFolders;
    std::vector<std::string> keptKeys;
    for (std::size_t i = 0; i < folders_.size(); ++i) {
        if (keys_[i] == key) continue;
        keptFolders.push_back(folders_[i]);
        keptKeys.push_back(keys_[i]);
    }
    folders_ = std::move(keptFolders);
    keys_ = std::move(keptKeys);
    persist();
}

void Exclusions::persist() {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& f : folders_) list.push_back(encodePathText(f));
    store_.set(kKey, std::move(list));
}

}  // namespace tornivo
