// A dialog inside the panel: a title, a message and a button that only dismisses it. With a
// `confirmText` it asks before something is done: the first button then cancels and the second
// confirms, drawn red when what it does cannot be undone (`destructive`). While it is open the
// panel stays open when the focus leaves it.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Dialog {
    id: dialog
    property string message
    property string buttonText: qsTrId("common.ok")
    property string confirmText
    property bool destructive: false
    signal confirmed()
    // A popup lives on the window's overlay, outside the panel's mirrored tree: it follows the
    // language's direction itself.
    readonly property bool rightToLeft: LocalizationManager.layoutDirection === Qt.RightToLeft

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
        LayoutMirroring.enabled: dialog.rightToLeft
        horizontalAlignment: Text.AlignLeft  // stated, so that mirroring turns it
        text: dialog.title
        padding: 18
        bottomPadding: 0
        wrapMode: Text.Wrap
        font.pixelSize: PanelStyle.headline
        font.weight: Font.DemiBold
        color: PanelStyle.text
    }
    contentItem: Label {
        LayoutMirroring.enabled: dialog.rightToLeft
        horizontalAlignment: Text.AlignLeft
        text: dialog.message
        wrapMode: Text.Wrap
        font.pixelSize: PanelStyle.body
        color: PanelStyle.secondaryText
    }
    footer: Item {
        LayoutMirroring.enabled: dialog.rightToLeft
        LayoutMirroring.childrenInherit: true
        implicitHeight: buttons.implicitHeight + 18
        RowLayout {
            id: buttons
            anchors.right: parent.right
            anchors.rightMargin: 18
            anchors.left: parent.left
            anchors.leftMargin: 18
            anchors.top: parent.top
            spacing: 8
            Item { Layout.fillWidth: true }
            PanelButton {
                id: okButton
                objectName: "dialogButton"
                Layout.maximumWidth: dialog.confirmText ? buttons.width / 2 - 4 : buttons.width
                kind: dialog.confirmText ? "plain" : "prominent"
                text: dialog.buttonText
                onClicked: dialog.close()
            }
            PanelButton {
                id: confirmButton
                objectName: "confirmButton"
                visible: dialog.confirmText !== ""
                Layout.maximumWidth: buttons.width / 2 - 4
                kind: dialog.destructive ? "destructive" : "prominent"
                text: dialog.confirmText
                onClicked: {
                    dialog.close()
                    dialog.confirmed()
                }
            }
        }
    }
    // Enter never confirms by itself: the button that only dismisses has the focus.
    onOpened: okButton.forceActiveFocus()
}
