#pragma once
// Where banners appear, as the "bannerStyle" setting stores it.

#include "models/RawEnum.h"

namespace tornivo::app {

// Where banners appear: the program's own window, or the desktop's notification service.
enum class BannerStyle { window, desktop };

}  // namespace tornivo::app

namespace tornivo {
template <>
struct RawEnumTable<app::BannerStyle> {
    static constexpr std::array<std::pair<app::BannerStyle, std::string_view>, 2> cases{
        {{app::BannerStyle::window, "window"}, {app::BannerStyle::desktop, "desktop"}}};
};
}  // namespace tornivo
