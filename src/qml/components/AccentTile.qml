// A rounded rectangle filled from the accent colour at the top to the accent at 70 % at the
// bottom. A rectangle rather than a shape: the software renderer leaves shapes unclipped, so a
// tile in a scrolled list would show past the list's edge.
import QtQuick
import Tornivo

Rectangle {
    id: tile
    property color tint: PanelStyle.accent

    radius: 8
    gradient: Gradient {
        GradientStop { position: 0; color: tile.tint }
        GradientStop { position: 1; color: Qt.rgba(tile.tint.r, tile.tint.g, tile.tint.b, 0.7) }
    }
}
