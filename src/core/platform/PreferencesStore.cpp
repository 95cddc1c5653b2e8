#include "platform/PreferencesStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

namespace tornivo {

namespace {

using Json = nlohmann::json;

Json parseObject(const std::string& text, std::optional<std::string>& problem) {
    if (nestsDeeperThan(text, PreferencesStore::kMaxDepth)) {
        problem = "nests deeper than " + std::to_string(PreferencesStore::kMaxDepth) + " levels";
        return Json::object();
    }
    Json doc = Json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded()) {
        problem = "is not valid JSON";
        return Json::object();
    }
    if (!doc.is_object()) {
        problem = "does not hold a JSON object";
        return Json::object();
    }
    return doc;
}

}  // namespace

bool nestsDeeperThan(std::string_view json, int limit) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

PreferencesStore::PreferencesStore(Path file) : file_(std::move(file)) {}

PreferencesStore::Contents PreferencesStore::read(const Path& file) {
    Contents contents;
    FileRead contentsRead = readRegularFile(file, kMaxFileSize);
    if (contentsRead.status == FileRead::Status::missing) return contents;
    if (contentsRead.status == FileRead::Status::tooLarge)
        contents.problem = "is larger than " + std::to_string(kMaxFileSize >> 20) + " MiB";
    else if (!contentsRead.ok())
        contents.problem = contentsRead.problem();
    else
        contents.document = parseObject(contentsRead.text, contents.problem);
    return contents;
}

PreferencesStore::Contents PreferencesStore::snapshot() const {
    std::lock_guard lock(mutex_);
    // The bytes decide whether the cache still holds: inode, size and modification time can all
    // repeat (a replaced file's inode is reused at once, and timestamps move only with the clock
    // tick on many kernels), and the file is small enough to read on every call.
    FileRead contentsRead = readRegularFile(file_, kMaxFileSize);
    if (contentsRead.ok() && cachedText_ && *cachedText_ == contentsRead.text) return cache_;
    if (contentsRead.ok()) {
        cache_ = Contents{};
        cache_.document = parseObject(contentsRead.text, cache_.problem);
        cachedText_ = std::move(contentsRead.text);
    } else {
        cache_ = read(file_);
        cachedText_.reset();
    }
    return cache_;
}

std::optional<std::string> PreferencesStore::problem() const {
    return snapshot().problem;
}

std::optional<Json> PreferencesStore::value(std::string_view key) const {
    Contents contents = snapshot();
    auto it = contents.document.find(key);
    if (it == contents.document.end()) return std::nullopt;
    return *it;
}

std::optional<std::int64_t> PreferencesStore::integer(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_number_integer()) return std::nullopt;
    if (v->is_number_unsigned() && v->get<std::uint64_t>() > INT64_MAX) return std::nullopt;
    return v->get<std::int64_t>();
}

std::optional<bool> PreferencesStore::boolean(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_boolean()) return std::nullopt;
    return v->get<bool>();
}

std::optional<double> PreferencesStore::number(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_number()) return std::nullopt;
    return v->get<double>();
}

std::optional<std::string> PreferencesStore::string(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_string()) return std::nullopt;
    return v->get<std::string>();
}

std::optional<std::vector<std::string>> PreferencesStore::stringList(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_array()) return std::nullopt;
    std::vector<std::string> out;
    for (const auto& item : *v) {
        if (!item.is_string()) return std::nullopt;
        out.push_back(item.get<std::string>());
    }
    return out;
}

bool PreferencesStore::set(std::string_view key, Json value) {
    return update(key, &value);
}

bool PreferencesStore::remove(std::string_view key) {
    return update(key, nullptr);
}

bool PreferencesStore::update(std::string_view key, const Json* value) {
    const Path folder = file_.parent_path();
    if (!makeFolders(folder)) return false;

    // One writer at a time, across processes.
    UniqueFd lock = lockExclusively(file_.native() + ".lock");
    if (!lock) return false;

    Contents contents = read(file_);
    if (contents.problem) return false;
    Json& doc = contents.document;
    if (value)
        doc[std::string(key)] = *value;
    else
        doc.erase(std::string(key));
    return replaceFile(file_, doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n");
}

}  // namespace tornivo
