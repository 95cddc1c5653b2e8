// A borderless button showing only a symbol. Its help text is also its accessible name; it is
// reached with Tab and pressed with Space or Enter.
import QtQuick
import QtQuick.Controls
import Tornivo

AbstractButton {
    id: control
    property string symbol
    property string help
    property color color: PanelStyle.secondaryText
    property real symbolSize: 16

    implicitWidth: 28
    implicitHeight: 28
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: help
    ToolTip.visible: hovered && help.length > 0
    ToolTip.text: help
    ToolTip.delay: 500
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    background: Rectangle {
        radius: 7
        color: control.down ? PanelStyle.pressed : control.hovered ? PanelStyle.hover
                                                                   : "transparent"
        border.width: control.visualFocus ? 2 : 0
        border.color: PanelStyle.accent
    }
    contentItem: SymbolIcon {
        symbol: control.symbol
        size: control.symbolSize
        color: control.color
        Behavior on color { ColorAnimation { duration: 200 } }
    }
}
