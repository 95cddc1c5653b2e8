// Whether a row is chosen: a filled check in the accent colour, an empty circle, or for a row
// that stands for several (a project's outputs) a filled minus when only some are chosen.
import QtQuick
import Tornivo

SymbolIcon {
    property bool checked
    property bool partial: false
    symbol: checked ? "checkmark.circle.fill" : partial ? "minus.circle.fill" : "circle"
    size: 20
    color: checked || partial ? PanelStyle.accent : PanelStyle.secondaryText
}
