#pragma once
// The sections of the panel. The raw value is the identity; the shell lists `tabs` and reaches
// `settings` by a control of its own.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "models/RawEnum.h"

namespace tornivo::app {

enum class Section {
    clean,
    tuneup,
    developer,
    xray,
    duplicates,
    large,
    installers,
    uninstall,
    shred,
    settings
};

// The symbol shown for a section.
std::string_view icon(Section section);
// Every section but settings, in order.
const std::vector<Section>& tabs();

}  // namespace tornivo::app

namespace tornivo {
template <>
struct RawEnumTable<app::Section> {
    using S = app::Section;
    static constexpr std::array<std::pair<S, std::string_view>, 10> cases{{
        {S::clean, "clean"},
        {S::tuneup, "tuneup"},
        {S::developer, "developer"},
        {S::xray, "xray"},
        {S::duplicates, "duplicates"},
        {S::large, "large"},
        {S::installers, "installers"},
        {S::uninstall, "uninstall"},
        {S::shred, "shred"},
        {S::settings, "settings"},
    }};
};
}  // namespace tornivo
