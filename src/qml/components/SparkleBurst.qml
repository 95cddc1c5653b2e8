// A one-off burst of sparkles flying out from the centre and fading, when it is shown.
import QtQuick
import Tornivo

Item {
    id: burst
    property real distance: 34
    property real progress: 0

    Repeater {
        model: 10
        delegate: SymbolIcon {
            readonly property real angle: index * 2 * Math.PI / 10 + (index % 2) * 0.25
            readonly property real reach: (index % 2 ? 0.75 : 1) * burst.distance
            x: burst.width / 2 - width / 2 + Math.cos(angle) * (30 + reach * burst.progress)
            y: burst.height / 2 - height / 2 + Math.sin(angle) * (30 + reach * burst.progress)
            symbol: "sparkles"
            size: index % 2 ? 10 : 14
            color: index % 3 ? PanelStyle.accent : PanelStyle.green
            opacity: 1 - burst.progress
            scale: 0.5 + burst.progress
        }
    }
    NumberAnimation on progress {
        from: 0
        to: 1
        duration: 900
        easing.type: Easing.OutCubic
    }
}
