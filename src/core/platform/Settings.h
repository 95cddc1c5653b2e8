#pragma once
// Every setting the program keeps, in one table: its key, its type, its default and the values
// it may take. The application and the command line read and write settings only through here,
// so a missing key or one of the wrong type gives the same default everywhere. The protected
// folders are the one exception: an unreadable list must refuse removals rather than fall back
// to "none", so Exclusions reads them itself.

#include <cstdint>
#include <optional>
#include <string>

#include "models/RawEnum.h"
#include "platform/PreferencesStore.h"

namespace tornivo::setting {

struct Integer {
    const char* key;
    std::int64_t fallback;
    std::int64_t min, max;  // below min: the default; above max: max
};

struct Boolean {
    const char* key;
    bool fallback;
};

// A text: one of an enumeration's raw values (checked by the reader with that enumeration's
// table), a language code, a date.
struct Text {
    const char* key;
    const char* fallback;  // null: no default
};

// Days a build output counts as active after it last changed. 0 is not stored: it gives the
// default, as a window of no days protects nothing and was never chosen.
inline constexpr Integer developerProtectionDays{"developerProtectionDays", 10, 1, 100'000};
inline constexpr Boolean soundEnabled{"soundEnabled", true};
inline constexpr Text scheduleInterval{"schedule.interval", "off"};
inline constexpr Boolean scheduleAutoClean{"schedule.autoClean", false};
inline constexpr Text scheduleLastRun{"schedule.lastRun", nullptr};  // ISO 8601
inline constexpr Text bannerStyle{"bannerStyle", "window"};          // "window" or "desktop"
inline constexpr Text appLanguage{"appLanguage", "system"};
inline constexpr Text themeAppearance{"themeAppearance", "system"};
inline constexpr Text themeAccent{"themeAccent", "blue"};
// Read by Exclusions, never through here (see above).
inline constexpr const char* protectedFolders = "protectedFolders";

inline std::int64_t read(const PreferencesStore& store, const Integer& s) {
    const auto value = store.integer(s.key);
    if (!value || *value < s.min) return s.fallback;
    return std::min(*value, s.max);
}

inline bool read(const PreferencesStore& store, const Boolean& s) {
    return store.boolean(s.key).value_or(s.fallback);
}

// The stored text, or the default (nothing when it has none).
inline std::optional<std::string> read(const PreferencesStore& store, const Text& s) {
    if (auto value = store.string(s.key)) return value;
    if (s.fallback) return std::string(s.fallback);
    return std::nullopt;
}

// A text setting read as an enumeration: a raw value it does not know gives the default.
template <class Enum>
Enum readChoice(const PreferencesStore& store, const Text& s) {
    if (auto text = store.string(s.key))
        if (auto value = fromRawValue<Enum>(*text)) return *value;
    return *fromRawValue<Enum>(s.fallback);
}

inline bool write(PreferencesStore& store, const Integer& s, std::int64_t value) {
    return store.set(s.key, value);
}
inline bool write(PreferencesStore& store, const Boolean& s, bool value) {
    return store.set(s.key, value);
}
inline bool write(PreferencesStore& store, const Text& s, const std::string& value) {
    return store.set(s.key, value);
}

}  // namespace tornivo::setting
