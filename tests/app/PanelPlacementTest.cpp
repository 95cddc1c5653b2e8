#include "PanelPlacement.h"

#include <gtest/gtest.h>

namespace tornivo::app {
namespace {

// A 1280 x 800 screen; the cases reserve a 30-pixel panel at one edge or none.
const QRect kScreen(0, 0, 1280, 800);
const QRect kTop(0, 30, 1280, 770), kBottom(0, 0, 1280, 770), kTopAndBottom(0, 30, 1280, 740);
const QSize kPanel(380, 560);

TEST(PanelPlacementTest, OpensBesideTheIconOrInTheCornerNearestTheTraysEdgeAndStaysOnScreen) {
    struct Case {
        const char* what;
        QRect available;
        QRect icon;
        QPoint pointer;
        QPoint expected;
    };
    const Case cases[] = {
        // Below the icon, kept off the screen's edge.
        {"top panel, icon by the right", kTop, {1250, 4, 22, 22}, {1261, 15}, {894, 36}},
        {"bottom panel: above the icon", kBottom, {600, 774, 22, 22}, {}, {420, 204}},
        // To the icon's right, centred on it.
        {"left panel", {30, 0, 1250, 800}, {4, 300, 22, 22}, {}, {36, 30}},
        {"right panel: to the icon's left", {0, 0, 1250, 800}, {1254, 700, 22, 22}, {}, {864, 234}},
        // No icon: the corner by the pointer, on the edge of a panel.
        {"top panel, pointer low on the left", kTop, {}, {40, 700}, {6, 36}},
        {"nothing reserved, pointer low on the left", kScreen, {}, {100, 780}, {6, 234}},
        {"top and bottom panels, pointer low", kTopAndBottom, {}, {1000, 790}, {894, 204}}};
    for (const auto& c : cases)
        EXPECT_EQ(panelPosition(kPanel, {kScreen, c.available}, c.icon, c.pointer), c.expected)
            << c.what;

    // A panel larger than the screen keeps its top left corner on it.
    const QRect small(100, 50, 300, 400);
    EXPECT_EQ(panelPosition(kPanel, {small, small}, {380, 60, 16, 16}, {}), QPoint(100, 50));
}

}  // namespace
}  // namespace tornivo::app
