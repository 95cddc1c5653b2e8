#include "PanelPlacement.h"

#include <gtest/gtest.h>

namespace tornivo::app {
namespace {

// A 1280 x 800 screen; the cases reserve a 30-pixel panel at one edge or none.
const QRect kScreen(0, 0, 1280, 800);
const QSize kPanel(380, 560);

TEST(PanelPlacementTest, OpensBesideTheIconOrInTheCornerNearestTheTraysEdge) {
    struct Case {
        const char* what;
        QRect available;
        QRect icon;
        QPoint pointer;
        QPoint expected;
    };
    const Case cases[] = {
        {"icon in a top panel, near the right corner: below it, kept off the screen's edge",
         {0, 30, 1280, 770},
         {1250, 4, 22, 22},
         {1261, 15},
         {894, 36}},
        {"icon in a top panel, mid screen: centred below it",
         {0, 30, 1280, 770},
         {600, 4, 22, 22},
         {0, 0},
         {420, 36}},
        {"icon in a bottom panel: above it",
         {0, 0, 1280, 770},
         {600, 774, 22, 22},
         {0, 0},
         {420, 204}},
        {"icon in a left panel: to its right, centred on it",
         {30, 0, 1250, 800},
         {4, 300, 22, 22},
         {0, 0},
         {36, 30}},
        {"icon in a right panel: to its left",
         {0, 0, 1250, 800},
         {1254, 700, 22, 22},
         {0, 0},
         {864, 234}},
        {"no icon, a top panel, pointer at the right: top-right corner",
         {0, 30, 1280, 770},
         {},
         {1200, 10},
         {894, 36}},
        {"no icon, a top panel, pointer at the left: top-left corner",
         {0, 30, 1280, 770},
         {},
         {40, 10},
         {6, 36}},
        {"no icon, nothing reserved, pointer low on the left: bottom-left corner",
         kScreen,
         {},
         {100, 780},
         {6, 234}},
        {"no icon, top and bottom panels, pointer at the bottom: the bottom one",
         {0, 30, 1280, 740},
         {},
         {1000, 790},
         {894, 204}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(panelPosition(kPanel, {kScreen, c.available}, c.icon, c.pointer), c.expected)
            << c.what;
}

TEST(PanelPlacementTest, APanelLargerThanTheScreenKeepsItsTopLeftCornerOnIt) {
    const QRect small(100, 50, 300, 400);
    EXPECT_EQ(panelPosition(kPanel, {small, small}, {380, 60, 16, 16}, {}), QPoint(100, 50));
}

}  // namespace
}  // namespace tornivo::app
