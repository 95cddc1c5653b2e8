// Whether a row is chosen: a filled check in the accent colour, or an empty circle.
import QtQuick
import Tornivo

SymbolIcon {
    property bool checked
    symbol: checked ? "checkmark.circle.fill" : "circle"
    size: 20
    color: checked ? PanelStyle.accent : PanelStyle.secondaryText
}
