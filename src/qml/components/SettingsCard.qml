// One card of the settings: a header (its symbol in the accent colour, its title) above the
// card's own controls, which start at the leading edge; the card background of the other screens.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Rectangle {
    id: card
    property string symbol
    property string title
    default property alias content: body.data

    implicitHeight: column.implicitHeight + 2 * column.anchors.margins
    radius: 12
    color: PanelStyle.surface
    border.width: 1
    border.color: PanelStyle.border

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 12
        spacing: 10
        RowLayout {
            objectName: "cardHeader"
            Layout.fillWidth: true
            spacing: 6
            SymbolIcon {
                objectName: "cardSymbol"
                symbol: card.symbol
                size: 15
                color: PanelStyle.accent
            }
            ElidedLabel {
                objectName: "cardTitle"
                Layout.fillWidth: true
                text: card.title
                font.pixelSize: PanelStyle.body
                font.weight: Font.DemiBold
            }
        }
        ColumnLayout {
            id: body
            Layout.fillWidth: true
            spacing: 8
        }
    }
}
