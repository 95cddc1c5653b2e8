// The round scan control of the clean screen. Idle, it is a still accent orb with a magnifying
// glass that starts a scan when pressed; scanning, an arc turns around it and rings widen from
// it. Nothing moves while it is idle.
import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import Tornivo

AbstractButton {
    id: orb
    property bool scanning: false
    property real diameter: 120

    implicitWidth: diameter + 40
    implicitHeight: diameter + 40
    enabled: !scanning
    focusPolicy: scanning ? Qt.NoFocus : Qt.StrongFocus
    Accessible.role: Accessible.Button
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    background: Item {
        // Rings widening from the orb while it scans.
        Repeater {
            model: orb.scanning ? 2 : 0
            delegate: Rectangle {
                id: ring
                property real grow: 0
                anchors.centerIn: parent
                width: orb.diameter * (1 + 0.32 * grow)
                height: width
                radius: width / 2
                color: "transparent"
                border.width: 2
                border.color: PanelStyle.accent
                opacity: 0.45 * (1 - grow)
                SequentialAnimation on grow {
                    loops: Animation.Infinite
                    PauseAnimation { duration: index * 900 }
                    NumberAnimation { from: 0; to: 1; duration: 1800; easing.type: Easing.OutCubic }
                }
            }
        }
        // A soft halo, and the orb itself.
        Rectangle {
            anchors.centerIn: parent
            width: orb.diameter + 18
            height: width
            radius: width / 2
            color: Qt.rgba(PanelStyle.accent.r, PanelStyle.accent.g, PanelStyle.accent.b,
                           orb.hovered || orb.visualFocus ? 0.2 : 0.12)
            border.width: orb.visualFocus ? 2 : 0
            border.color: PanelStyle.accent
            Behavior on color { ColorAnimation { duration: 150 } }
        }
        AccentTile {
            anchors.centerIn: parent
            width: orb.diameter
            height: orb.diameter
            radius: orb.diameter / 2
            scale: orb.down ? 0.97 : 1
            Behavior on scale { NumberAnimation { duration: 120 } }
        }
        // The turning arc.
        Shape {
            anchors.centerIn: parent
            width: orb.diameter + 18
            height: width
            visible: orb.scanning
            ShapePath {
                strokeColor: "white"
                strokeWidth: 3
                fillColor: "transparent"
                capStyle: ShapePath.RoundCap
                PathAngleArc {
                    centerX: (orb.diameter + 18) / 2
                    centerY: centerX
                    radiusX: orb.diameter / 2 - 8
                    radiusY: radiusX
                    startAngle: 0
                    sweepAngle: 80
                }
            }
            RotationAnimation on rotation {
                running: orb.scanning
                loops: Animation.Infinite
                from: 0
                to: 360
                duration: 1200
            }
        }
    }
    contentItem: Item {
        SymbolIcon {
            anchors.centerIn: parent
            symbol: "magnifyingglass"
            size: orb.diameter * 0.36
            color: "white"
        }
    }
}
