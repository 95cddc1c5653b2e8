#include "PanelPlacement.h"

#include <algorithm>
#include <array>

namespace tornivo::app {

namespace {

enum class Edge { top, bottom, left, right };

// Past-the-end coordinates: QRect::right() and bottom() are the last pixel inside.
int endX(const QRect& r) {
    return r.x() + r.width();
}
int endY(const QRect& r) {
    return r.y() + r.height();
}

int distance(const QRect& area, QPoint p, Edge edge) {
    switch (edge) {
        case Edge::top:
            return p.y() - area.y();
        case Edge::bottom:
            return endY(area) - p.y();
        case Edge::left:
            return p.x() - area.x();
        case Edge::right:
            return endX(area) - p.x();
    }
    return 0;
}

// The nearest of `edges` to the point; ties go to the first listed.
template <std::size_t N>
Edge nearest(const QRect& area, QPoint p, const std::array<Edge, N>& edges, std::size_t count) {
    Edge best = edges[0];
    for (std::size_t i = 1; i < count; ++i)
        if (distance(area, p, edges[i]) < distance(area, p, best)) best = edges[i];
    return best;
}

constexpr std::array kAllEdges{Edge::top, Edge::bottom, Edge::left, Edge::right};

// The edge whose space the screen reserves (where a desktop keeps its panel), or the nearest
// to the pointer among several or, when none is reserved, among all.
Edge trayEdge(const PanelScreen& screen, QPoint pointer) {
    const QRect& g = screen.geometry;
    const QRect& a = screen.available;
    std::array<Edge, 4> reserved{};
    std::size_t count = 0;
    if (a.y() > g.y()) reserved[count++] = Edge::top;
    if (endY(a) < endY(g)) reserved[count++] = Edge::bottom;
    if (a.x() > g.x()) reserved[count++] = Edge::left;
    if (endX(a) < endX(g)) reserved[count++] = Edge::right;
    if (count == 0) return nearest(g, pointer, kAllEdges, kAllEdges.size());
    return nearest(g, pointer, reserved, count);
}

// Inside the area, kPanelGap away from its edges where it fits, its top-left corner first where
// it is larger.
QPoint clampInto(const QRect& area, QSize size, QPoint p) {
    auto axis = [](int at, int start, int length, int extent) {
        const int gap = length - extent >= 2 * kPanelGap ? kPanelGap : 0;
        return std::max(start + gap, std::min(at, start + length - gap - extent));
    };
    return {axis(p.x(), area.x(), area.width(), size.width()),
            axis(p.y(), area.y(), area.height(), size.height())};
}

}  // namespace

QPoint panelPosition(QSize panel, const PanelScreen& screen, QRect icon, QPoint pointer) {
    const QRect& a = screen.available;
    const int w = panel.width(), h = panel.height();
    QPoint at;
    if (icon.isValid()) {
        const QPoint c = icon.center();
        switch (nearest(screen.geometry, c, kAllEdges, kAllEdges.size())) {
            case Edge::top:
                at = {c.x() - w / 2, std::max(endY(icon), a.y()) + kPanelGap};
                break;
            case Edge::bottom:
                at = {c.x() - w / 2, std::min(icon.y(), endY(a)) - kPanelGap - h};
                break;
            case Edge::left:
                at = {std::max(endX(icon), a.x()) + kPanelGap, c.y() - h / 2};
                break;
            case Edge::right:
                at = {std::min(icon.x(), endX(a)) - kPanelGap - w, c.y() - h / 2};
                break;
        }
    } else {
        const QPoint mid = a.center();
        const int left = a.x() + kPanelGap, right = endX(a) - kPanelGap - w;
        const int top = a.y() + kPanelGap, bottom = endY(a) - kPanelGap - h;
        const int nearX = pointer.x() < mid.x() ? left : right;
        const int nearY = pointer.y() < mid.y() ? top : bottom;
        switch (trayEdge(screen, pointer)) {
            case Edge::top:
                at = {nearX, top};
                break;
            case Edge::bottom:
                at = {nearX, bottom};
                break;
            case Edge::left:
                at = {left, nearY};
                break;
            case Edge::right:
                at = {right, nearY};
                break;
        }
    }
    return clampInto(a, panel, at);
}

}  // namespace tornivo::app
