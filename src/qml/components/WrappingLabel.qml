// A text of the interface, which has to be read whole in every language: it takes as many lines
// as its words need at the width it is given, and in a row it takes the width the other items
// leave rather than pushing them out.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Label {
    Layout.fillWidth: true
    Layout.preferredWidth: 0
    wrapMode: Text.Wrap
    // At the start of the line in either direction, whatever the text's own direction.
    horizontalAlignment: Text.AlignLeft
    color: PanelStyle.text
}
