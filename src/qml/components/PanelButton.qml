// A text button of the panel: "prominent" (filled with the accent), "destructive" (filled red:
// it removes something for good), "plain" (on the control background) or "link" (accent text
// alone), with an optional symbol before its text. Reached with Tab, pressed with Space or Enter.
import QtQuick
import QtQuick.Controls
import Tornivo

Button {
    id: control
    property string kind: "plain"
    property string symbol
    readonly property bool prominent: kind === "prominent" || kind === "destructive"
    readonly property color fill: kind === "destructive" ? PanelStyle.red : PanelStyle.accent

    focusPolicy: Qt.StrongFocus
    implicitHeight: kind === "link" ? 24 : 34
    leftPadding: kind === "link" ? 4 : 16
    rightPadding: leftPadding
    font.pixelSize: kind === "link" ? PanelStyle.caption : PanelStyle.body
    font.weight: Font.DemiBold
    Accessible.description: kind === "destructive" ? qsTrId("common.destructive") : ""
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    contentItem: Item {
        implicitWidth: (icon.visible ? icon.implicitWidth + row.spacing : 0) + label.implicitWidth
        implicitHeight: label.implicitHeight
        Row {
            id: row
            anchors.centerIn: parent
            spacing: 6
            SymbolIcon {
                id: icon
                visible: control.symbol !== ""
                anchors.verticalCenter: parent.verticalCenter
                symbol: control.symbol
                size: control.font.pixelSize + 2
                color: label.color
                opacity: label.opacity
            }
            Text {
                id: label
                width: Math.min(implicitWidth,
                                row.parent.width - (icon.visible ? icon.width + row.spacing : 0))
                text: control.text
                font: control.font
                color: control.prominent ? "white" : control.kind === "link" ? PanelStyle.accent
                                                                              : PanelStyle.text
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                opacity: control.enabled ? 1 : 0.5
            }
        }
    }
    background: Rectangle {
        radius: 9
        color: control.prominent ? Qt.darker(control.fill, control.down ? 1.18 : control.hovered ? 1.07 : 1)
               : control.kind === "link" ? (control.down ? PanelStyle.pressed : "transparent")
               : control.down ? PanelStyle.pressed : PanelStyle.surface
        opacity: control.enabled ? 1 : 0.45
        border.width: control.visualFocus ? 2 : control.kind === "plain" ? 1 : 0
        border.color: control.visualFocus ? (control.prominent ? Qt.lighter(control.fill, 1.5)
                                                               : PanelStyle.accent)
                                          : PanelStyle.divider
    }
}
