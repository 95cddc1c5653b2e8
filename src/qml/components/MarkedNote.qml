// A wrapped note with a small symbol in its leading margin. One label rather than a symbol and a
// label side by side in a row layout, which would keep the height it measured at a passing width.
import QtQuick
import Tornivo

WrappingLabel {
    id: note
    property string symbol
    property real symbolSize: 11
    property real symbolTop: 2
    property color symbolColor: color
    readonly property real margin: symbolSize + 4

    leftPadding: LayoutMirroring.enabled ? 0 : margin
    rightPadding: LayoutMirroring.enabled ? margin : 0

    SymbolIcon {
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.topMargin: note.symbolTop
        symbol: note.symbol
        size: note.symbolSize
        color: note.symbolColor
    }
}
