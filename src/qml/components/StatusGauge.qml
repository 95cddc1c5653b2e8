// One gauge of the status widget: the symbol and title, the value as a whole percentage and a
// bar showing it clamped to 0..1: green below 0.7, orange from 0.7, red from 0.9. Changes ease
// in and out over 0.6 s; a bar that does not move by a whole pixel does not animate.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

ColumnLayout {
    id: gauge
    property string symbol
    property string title
    property real value
    property bool animated: true
    readonly property real fraction: Math.max(0, Math.min(1, value))
    readonly property color levelColor: value >= 0.9 ? PanelStyle.red
                                      : value >= 0.7 ? PanelStyle.orange : PanelStyle.green
    // The curve of a CSS ease-in-out.
    readonly property var easeInOut: [0.42, 0, 0.58, 1, 1, 1]

    spacing: 4

    RowLayout {
        spacing: 4
        Layout.fillWidth: true
        SymbolIcon {
            symbol: gauge.symbol
            size: 12
            color: PanelStyle.secondaryText
        }
        ElidedLabel {
            Layout.fillWidth: true
            text: gauge.title
            font.pixelSize: PanelStyle.caption2
            color: PanelStyle.secondaryText
        }
    }
    Label {
        objectName: "percent"
        text: (LocalizationManager.code, Fmt.percent(gauge.value))
        font.pixelSize: PanelStyle.headline
        font.weight: Font.DemiBold
        color: PanelStyle.text
    }
    Item {
        objectName: "bar"
        Layout.fillWidth: true
        implicitHeight: 4
        Rectangle {
            anchors.fill: parent
            radius: 2
            color: PanelStyle.track
        }
        Rectangle {
            objectName: "fill"
            anchors.left: parent.left
            height: parent.height
            radius: 2
            width: Math.round(parent.width * gauge.fraction)
            color: gauge.levelColor
            Behavior on width {
                enabled: gauge.animated
                NumberAnimation { duration: 600; easing.type: Easing.Bezier; easing.bezierCurve: gauge.easeInOut }
            }
            Behavior on color {
                enabled: gauge.animated
                ColorAnimation { duration: 600; easing.type: Easing.Bezier; easing.bezierCurve: gauge.easeInOut }
            }
        }
    }
}
