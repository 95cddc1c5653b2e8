// A text button of the panel: "prominent" (filled with the accent), "plain" (on the control
// background) or "link" (accent text alone), with an optional symbol before the text. Reached
// with Tab, pressed with Space or Enter.
import QtQuick
import QtQuick.Controls
import Tornivo

Button {
    id: control
    property string kind: "plain"
    readonly property bool prominent: kind === "prominent"
    property string symbol  // drawn before the text when set

    focusPolicy: Qt.StrongFocus
    implicitHeight: kind === "link" ? 24 : 34
    leftPadding: kind === "link" ? 4 : 16
    rightPadding: leftPadding
    font.pixelSize: kind === "link" ? PanelStyle.caption : PanelStyle.body
    font.weight: Font.DemiBold
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    contentItem: Item {
        id: content
        readonly property real glyphSpace: glyph.visible ? glyph.implicitWidth + line.spacing : 0
        implicitWidth: glyphSpace + label.implicitWidth
        implicitHeight: label.implicitHeight
        opacity: control.enabled ? 1 : 0.5
        Row {
            id: line
            anchors.centerIn: parent
            spacing: 4
            SymbolIcon {
                id: glyph
                anchors.verticalCenter: parent.verticalCenter
                visible: control.symbol.length > 0
                symbol: control.symbol
                size: control.font.pixelSize + 2
                color: label.color
            }
            Text {
                id: label
                width: Math.min(implicitWidth, content.width - content.glyphSpace)
                text: control.text
                font: control.font
                color: control.prominent ? "white" : control.kind === "link" ? PanelStyle.accent
                                                                              : PanelStyle.text
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
        }
    }
    background: Rectangle {
        radius: 9
        color: control.prominent ? Qt.darker(PanelStyle.accent, control.down ? 1.18 : control.hovered ? 1.07 : 1)
               : control.kind === "link" ? (control.down ? PanelStyle.pressed : "transparent")
               : control.down ? PanelStyle.pressed : PanelStyle.surface
        opacity: control.enabled ? 1 : 0.45
        border.width: control.visualFocus ? 2 : control.kind === "plain" ? 1 : 0
        border.color: control.visualFocus ? (control.prominent ? Qt.lighter(PanelStyle.accent, 1.5)
                                                               : PanelStyle.accent)
                                          : PanelStyle.divider
    }
}
