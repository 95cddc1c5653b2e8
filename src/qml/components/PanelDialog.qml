// A dialog inside the panel: a title, a message and one button that only dismisses it. While it
// is open the panel stays open when the focus leaves it.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Dialog {
    id: dialog
    property string message
    property string buttonText: qsTrId("common.ok")

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: parent ? parent.width - 48 : 300
    modal: true
    closePolicy: Popup.CloseOnEscape
    padding: 18
    topPadding: 16
    onVisibleChanged: TrayShell.setDialogOpen(dialog, visible)
    Component.onDestruction: TrayShell.setDialogOpen(dialog, false)

    background: Rectangle {
        radius: 14
        color: PanelStyle.surface
        border.width: 1
        border.color: PanelStyle.divider
    }
    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, PanelStyle.dark ? 0.45 : 0.25) }

    header: Label {
        text: dialog.title
        padding: 18
        bottomPadding: 0
        wrapMode: Text.Wrap
        font.pixelSize: PanelStyle.headline
        font.weight: Font.DemiBold
        color: PanelStyle.text
    }
    contentItem: Label {
        text: dialog.message
        wrapMode: Text.Wrap
        font.pixelSize: PanelStyle.body
        color: PanelStyle.secondaryText
    }
    footer: Item {
        implicitHeight: okButton.implicitHeight + 18
        PanelButton {
            id: okButton
            objectName: "dialogButton"
            anchors.right: parent.right
            anchors.rightMargin: 18
            anchors.top: parent.top
            kind: "prominent"
            text: dialog.buttonText
            onClicked: dialog.close()
        }
    }
    onOpened: okButton.forceActiveFocus()
}
