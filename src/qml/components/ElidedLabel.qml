// A line of text that never overflows its row: cut with an ellipsis, the whole text shown as
// help on hover.
import QtQuick
import QtQuick.Controls
import Tornivo

Label {
    id: label
    elide: Text.ElideRight
    // At the start of the line in either direction, whatever the text's own direction.
    horizontalAlignment: Text.AlignLeft
    color: PanelStyle.text
    HoverHandler { id: hover }
    ToolTip.visible: label.truncated && hover.hovered
    ToolTip.text: label.text
    ToolTip.delay: 500
}
