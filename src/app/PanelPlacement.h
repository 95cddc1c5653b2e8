#pragma once
// Where the panel opens: next to the tray icon when the platform says where the icon is (an
// XEmbed tray does), otherwise in the corner of the screen nearest to the tray's edge. Pure
// geometry, in the screens' logical pixels.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tornivo::app {

struct PanelScreen {
    QRect geometry;   // the whole screen
    QRect available;  // without the panels and docks that reserve space on it
};

// The gap between the icon (or the screen's edge) and the panel.
constexpr int kPanelGap = 6;

// The panel's top-left corner.
//
// With an icon geometry, the tray's edge is the screen edge nearest to the icon's centre; the
// panel opens beside the icon on the inner side of that edge, centred on it along the edge.
// Without one (a StatusNotifierItem host keeps it to itself), the tray's edge is the edge where
// the screen reserves space for a panel, the one nearest to the pointer when several or none do,
// and the panel opens in that edge's corner nearest to the pointer. Either way it stays inside
// the available area, kPanelGap away from its edges where it fits, its top-left corner first
// when it is larger.
QPoint panelPosition(QSize panel, const PanelScreen& screen, QRect icon, QPoint pointer);

}  // namespace tornivo::app
