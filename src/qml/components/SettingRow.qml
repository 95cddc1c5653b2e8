// A setting that is on or off: its name with an optional hint below it, and its switch at the end
// of the line. `checked` shows the value; a toggle by the user is announced, and the owner of the
// value decides.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

RowLayout {
    id: row
    property string text
    property string hint
    property bool checked
    signal toggled(bool on)

    spacing: 10

    // A plain column: a wrapped line's height follows the width it finally gets, where a layout
    // keeps what it measured on the way.
    Column {
        id: texts
        Layout.fillWidth: true
        Layout.preferredWidth: 0
        spacing: 1
        Label {
            width: texts.width
            text: row.text
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignLeft
            font.pixelSize: PanelStyle.body
            color: PanelStyle.text
        }
        Label {
            width: texts.width
            visible: row.hint.length > 0
            text: row.hint
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignLeft
            font.pixelSize: PanelStyle.caption
            color: PanelStyle.secondaryText
        }
    }
    Switch {
        id: toggle
        objectName: "switch"
        Layout.alignment: Qt.AlignVCenter
        padding: 2
        implicitWidth: indicator.implicitWidth + leftPadding + rightPadding
        implicitHeight: indicator.implicitHeight + topPadding + bottomPadding
        checked: row.checked
        focusPolicy: Qt.StrongFocus
        Accessible.name: row.text
        onToggled: row.toggled(checked)

        // A small rounded switch, filled with the accent when on; its knob sits at the end
        // of the reading direction when on.
        indicator: Rectangle {
            x: toggle.leftPadding
            y: toggle.topPadding + (toggle.availableHeight - height) / 2
            implicitWidth: 34
            implicitHeight: 20
            radius: height / 2
            color: toggle.checked ? PanelStyle.accent
                                  : Qt.rgba(PanelStyle.text.r, PanelStyle.text.g, PanelStyle.text.b, 0.2)
            border.width: toggle.visualFocus ? 2 : 0
            border.color: toggle.checked ? Qt.lighter(PanelStyle.accent, 1.5) : PanelStyle.accent
            Behavior on color { ColorAnimation { duration: 150 } }
            Rectangle {
                readonly property bool atEnd: toggle.checked !== toggle.mirrored
                x: atEnd ? parent.width - width - 2 : 2
                y: 2
                width: parent.height - 4
                height: width
                radius: width / 2
                color: "white"
                border.width: 1
                border.color: Qt.rgba(0, 0, 0, 0.08)
                Behavior on x { NumberAnimation { duration: 150; easing.type: Easing.OutCubic } }
            }
        }
        contentItem: Item {}
    }
}
