// A symbol by its identifier, drawn from the embedded icon font. A symbol that points along the
// line of reading (a chevron) is drawn mirrored in a right-to-left layout.
import QtQuick
import Tornivo

Text {
    id: icon
    property string symbol
    property real size: 16
    readonly property bool mirrored: LayoutMirroring.enabled && Symbols.isDirectional(symbol)

    text: Symbols.glyph(symbol)
    font.family: Symbols.fontFamily
    font.pixelSize: size
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    renderType: Text.NativeRendering
    transform: Scale {
        origin.x: icon.width / 2
        xScale: icon.mirrored ? -1 : 1
    }
}
