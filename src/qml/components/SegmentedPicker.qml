// A choice of one among a few, as equal segments in a row; the chosen one stands on the accent.
// `options` are {id, titleKey}, each labelled with the text of its key; `current` is the chosen
// id. The arrow keys move the choice, in the reading direction of the language.
import QtQuick
import QtQuick.Controls
import Tornivo

Rectangle {
    id: picker
    property var options: []
    property string current
    signal picked(string id)

    readonly property real segmentWidth: (width - 4) / Math.max(1, options.length)

    function pick(i) {
        if (i < 0 || i >= options.length) return
        picker.picked(options[i].id)
        segments.itemAt(i).forceActiveFocus(Qt.TabFocusReason)
    }

    implicitHeight: 28
    radius: 8
    color: PanelStyle.track

    Row {
        x: 2
        y: 2
        width: picker.width - 4
        Repeater {
            id: segments
            model: picker.options
            delegate: AbstractButton {
                id: segment
                objectName: "segment-" + modelData.id
                readonly property bool selected: modelData.id === picker.current
                width: picker.segmentWidth
                height: picker.height - 4
                text: qsTrId(modelData.titleKey)
                focusPolicy: Qt.StrongFocus
                Accessible.role: Accessible.RadioButton
                Accessible.name: text
                Accessible.checked: selected
                onClicked: picker.picked(modelData.id)
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()
                Keys.onLeftPressed: picker.pick(index + (segment.LayoutMirroring.enabled ? 1 : -1))
                Keys.onRightPressed: picker.pick(index + (segment.LayoutMirroring.enabled ? -1 : 1))

                background: Rectangle {
                    radius: 6
                    color: segment.selected ? PanelStyle.accent
                                            : segment.down ? PanelStyle.pressed
                                            : segment.hovered ? PanelStyle.hover : "transparent"
                    border.width: segment.visualFocus ? 2 : 0
                    border.color: segment.selected ? "white" : PanelStyle.accent
                    Behavior on color { ColorAnimation { duration: 150 } }
                }
                contentItem: Text {
                    text: segment.text
                    font.pixelSize: PanelStyle.caption
                    font.weight: segment.selected ? Font.DemiBold : Font.Normal
                    color: segment.selected ? "white" : PanelStyle.text
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    // A long word in a narrow segment is set a little smaller rather than cut.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: PanelStyle.caption2 - 1
                    leftPadding: 4
                    rightPadding: 4
                }
            }
        }
    }
}
