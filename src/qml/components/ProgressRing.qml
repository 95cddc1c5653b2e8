// Work going on whose end is not known: an arc turning on a faint ring.
import QtQuick
import QtQuick.Shapes
import Tornivo

Item {
    id: ring
    property real diameter: 44
    property real lineWidth: Math.max(2, diameter / 14)
    property color color: PanelStyle.accent

    implicitWidth: diameter
    implicitHeight: diameter

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: "transparent"
        border.width: ring.lineWidth
        border.color: PanelStyle.track
    }
    Shape {
        anchors.fill: parent
        ShapePath {
            strokeColor: ring.color
            strokeWidth: ring.lineWidth
            fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            PathAngleArc {
                centerX: ring.diameter / 2
                centerY: ring.diameter / 2
                radiusX: (ring.diameter - ring.lineWidth) / 2
                radiusY: radiusX
                startAngle: -90
                sweepAngle: 100
            }
        }
        RotationAnimation on rotation {
            running: ring.visible
            loops: Animation.Infinite
            from: 0
            to: 360
            duration: 1000
        }
    }
}
