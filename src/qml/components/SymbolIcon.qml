// A symbol by its identifier, drawn from the embedded icon font.
import QtQuick
import Tornivo

Text {
    property string symbol
    property real size: 16

    text: Symbols.glyph(symbol)
    font.family: Symbols.fontFamily
    font.pixelSize: size
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    renderType: Text.NativeRendering
}
