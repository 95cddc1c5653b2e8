// A rounded rectangle filled from the accent colour at the top left to the accent at 70 % at
// the bottom right. Drawn as a shape, which every scene-graph backend renders, the software one
// included.
import QtQuick
import QtQuick.Shapes
import Tornivo

Shape {
    id: tile
    property color color: PanelStyle.accent
    property real radius: 8
    readonly property real r: Math.min(radius, width / 2, height / 2)

    ShapePath {
        strokeWidth: -1
        fillGradient: LinearGradient {
            x1: 0; y1: 0
            x2: tile.width; y2: tile.height
            GradientStop { position: 0; color: tile.color }
            GradientStop { position: 1; color: Qt.rgba(tile.color.r, tile.color.g, tile.color.b, 0.7) }
        }
        startX: tile.r; startY: 0
        PathLine { x: tile.width - tile.r; y: 0 }
        PathArc { x: tile.width; y: tile.r; radiusX: tile.r; radiusY: tile.r }
        PathLine { x: tile.width; y: tile.height - tile.r }
        PathArc { x: tile.width - tile.r; y: tile.height; radiusX: tile.r; radiusY: tile.r }
        PathLine { x: tile.r; y: tile.height }
        PathArc { x: 0; y: tile.height - tile.r; radiusX: tile.r; radiusY: tile.r }
        PathLine { x: 0; y: tile.r }
        PathArc { x: tile.r; y: 0; radiusX: tile.r; radiusY: tile.r }
    }
}
