// A line of text that never overflows its row: cut with an ellipsis, the whole text shown as
// help on hover. Only names and paths, which can be any length, are marked `mayElide`; a text of
// the interface has to fit in every language, and the text-fit test holds it to that.
import QtQuick
import QtQuick.Controls
import Tornivo

Label {
    id: label
    property bool mayElide: false
    elide: Text.ElideRight
    // At the start of the line in either direction, whatever the text's own direction.
    horizontalAlignment: Text.AlignLeft
    color: PanelStyle.text
    HoverHandler { id: hover }
    ToolTip.visible: label.truncated && hover.hovered
    ToolTip.text: label.text
    ToolTip.delay: 500
}
