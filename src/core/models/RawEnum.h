#pragma once
// Enumerations backed by strings: the raw value is the identity and the persisted form.
// Each enumeration specialises RawEnumTable with its cases in their declared order.

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace tornivo {

template <class E>
struct RawEnumTable;  // static constexpr std::array<std::pair<E, std::string_view>, N> cases;

template <class E>
constexpr std::string_view rawValue(E value) {
    for (const auto& [e, raw] : RawEnumTable<E>::cases)
        if (e == value) return raw;
    return {};
}

// The case whose raw value is exactly `raw` (case-sensitive), or nothing.
template <class E>
constexpr std::optional<E> fromRawValue(std::string_view raw) {
    for (const auto& [e, name] : RawEnumTable<E>::cases)
        if (name == raw) return e;
    return std::nullopt;
}

// Every case, in declaration order.
template <class E>
constexpr auto allCases() {
    constexpr auto& table = RawEnumTable<E>::cases;
    std::array<E, table.size()> out{};
    for (std::size_t i = 0; i < table.size(); ++i) out[i] = table[i].first;
    return out;
}

}  // namespace tornivo
