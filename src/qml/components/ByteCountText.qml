// A byte count that counts up to its value when it appears and when the value changes.
import QtQuick
import QtQuick.Controls
import Tornivo

Label {
    id: counter
    property real bytes: 0
    property real shown: 0

    text: Fmt.bytes(Math.round(Math.max(0, shown)))
    font.pixelSize: PanelStyle.figure
    font.weight: Font.Bold
    color: PanelStyle.text
    horizontalAlignment: Text.AlignHCenter

    Behavior on shown { NumberAnimation { duration: 900; easing.type: Easing.OutCubic } }
    // Bound only once made, so that the first value counts up from zero too.
    Component.onCompleted: shown = Qt.binding(() => counter.bytes)
}
