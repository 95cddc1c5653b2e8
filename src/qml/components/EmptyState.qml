// What a section shows before it has anything to list: its symbol on an accent tile, a title, a
// hint, and the button that starts its work.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

ColumnLayout {
    id: empty
    property string symbol
    property string title
    property string hint
    property string buttonText
    property string buttonSymbol
    property string buttonName: "startButton"
    // Off for a state that only tells something (nothing to start).
    property bool hasButton: true
    signal activated()

    spacing: 6

    Item { Layout.fillHeight: true }
    AccentTile {
        Layout.alignment: Qt.AlignHCenter
        Layout.bottomMargin: 8
        implicitWidth: 64
        implicitHeight: 64
        radius: 18
        SymbolIcon {
            objectName: "emptySymbol"
            anchors.centerIn: parent
            symbol: empty.symbol
            size: 32
            color: "white"
        }
    }
    Label {
        objectName: "emptyTitle"
        visible: text !== ""
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: empty.title
        font.pixelSize: PanelStyle.headline
        font.weight: Font.DemiBold
        color: PanelStyle.text
    }
    Label {
        objectName: "emptyHint"
        visible: text !== ""
        Layout.fillWidth: true
        Layout.leftMargin: 16
        Layout.rightMargin: 16
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: empty.hint
        font.pixelSize: PanelStyle.caption
        color: PanelStyle.secondaryText
    }
    Item { Layout.fillHeight: true }
    PanelButton {
        objectName: empty.buttonName
        visible: empty.hasButton
        Layout.fillWidth: true
        kind: "prominent"
        symbol: empty.buttonSymbol
        text: empty.buttonText
        onClicked: empty.activated()
    }
}
