// The card of a banner: an icon tile in the accent colour, a title and a message of at most two
// lines, and an optional button at the trailing edge (Undo), on a translucent rounded card with a
// soft shadow, in the panel's own colours and appearance. The window around it is sized to this
// item: 370 wide, as tall as the text needs.
import QtQuick
import Qt5Compat.GraphicalEffects
import Tornivo

Item {
    id: banner

    property string icon
    property string title
    property string message
    // Empty: no button.
    property string actionLabel
    signal tapped()
    signal actionClicked()

    readonly property int outerPadding: 20
    readonly property color accent: ThemeManager.accent

    width: 370
    height: card.height + 2 * outerPadding
    LayoutMirroring.enabled: mirrored
    LayoutMirroring.childrenInherit: true
    // Mirroring moves anchored items only: the card's own places are mirrored by hand.
    readonly property bool mirrored: LocalizationManager.layoutDirection === Qt.RightToLeft

    Rectangle {
        id: card
        objectName: "card"
        x: banner.outerPadding
        y: banner.outerPadding
        width: 330
        height: Math.max(tile.height, texts.height) + 24
        radius: 14
        color: Qt.rgba(PanelStyle.window.r, PanelStyle.window.g, PanelStyle.window.b, 0.94)
        border.width: 1
        border.color: PanelStyle.divider
        // The soft shadow needs shaders; drawn by the processor the card goes without.
        layer.enabled: GraphicsInfo.api !== GraphicsInfo.Software
        layer.effect: DropShadow {
            horizontalOffset: 0
            verticalOffset: 6
            radius: 16
            samples: 33
            color: Qt.rgba(0, 0, 0, 0.25)
        }

        // Laid out with plain bindings rather than layouts, so that the card knows its height
        // (which the window takes) as soon as it is made, before anything is drawn.
        Item {
            id: tile
            x: banner.mirrored ? card.width - 12 - width : 12
            y: (card.height - height) / 2
            width: 34
            height: 34

            AccentTile {
                anchors.fill: parent
                radius: 9
                tint: banner.accent
            }
            SymbolIcon {
                anchors.centerIn: parent
                symbol: banner.icon
                size: 18
                color: "white"
            }
        }

        Item {
            id: texts
            // Between the tile and the button (or the card's edge), on either side.
            readonly property real start: banner.mirrored
                ? (actionButton.visible ? actionButton.x + actionButton.width + 8 : 12)
                : tile.x + tile.width + 10
            readonly property real end: banner.mirrored
                ? tile.x - 10
                : (actionButton.visible ? actionButton.x - 8 : card.width - 12)
            x: start
            y: (card.height - height) / 2
            width: end - start
            height: titleText.height + 2 + messageText.height

            Text {
                id: titleText
                objectName: "title"
                width: parent.width
                text: banner.title
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: PanelStyle.text
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignLeft
            }
            Text {
                id: messageText
                objectName: "message"
                y: titleText.height + 2
                width: parent.width
                text: banner.message
                font.pixelSize: 11
                color: PanelStyle.secondaryText
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignLeft
            }
        }

        MouseArea {
            anchors.fill: parent
            onClicked: banner.tapped()
        }

        // Above the card's own click area, so that a click here acts instead of dismissing.
        Rectangle {
            id: actionButton
            objectName: "action"
            visible: banner.actionLabel !== ""
            width: Math.min(actionText.implicitWidth + 20, 110)
            height: 26
            x: banner.mirrored ? 12 : card.width - 12 - width
            y: (card.height - height) / 2
            radius: 7
            color: Qt.rgba(banner.accent.r, banner.accent.g, banner.accent.b,
                           actionArea.pressed ? 0.28 : actionArea.containsMouse ? 0.2 : 0.13)
            Accessible.role: Accessible.Button
            Accessible.name: banner.actionLabel
            Accessible.onPressAction: banner.actionClicked()

            Text {
                id: actionText
                anchors.centerIn: parent
                width: Math.min(implicitWidth, parent.width - 12)
                text: banner.actionLabel
                font.pixelSize: 12
                font.weight: Font.DemiBold
                color: banner.accent
                elide: Text.ElideRight
            }
            MouseArea {
                id: actionArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: banner.actionClicked()
            }
        }
    }
}
