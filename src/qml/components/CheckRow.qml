// One row of a list the user picks from: the tick (or a lock where the row cannot be picked),
// a title with an optional mark and badge, up to two lines under it, and a figure at the end.
// Pressing it (a click, Space or Enter) flips the tick through `clicked`. A row that opens to
// list rows of its own (`openable`) ends in a chevron and opens through `clicked`; its tick is
// then a button of its own, which says `tickToggled`.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

AbstractButton {
    id: row
    property bool selectable: true
    property string title
    property string subtitle
    property string detail
    property string trailing
    property string badge
    // A green seal after the title (an installer of an installed application).
    property bool verified: false
    property color subtitleColor: PanelStyle.secondaryText
    property bool openable: false
    property bool open: false
    // Some of what the row stands for is ticked, not all.
    property bool partial: false
    signal tickToggled()

    checked: false
    focusPolicy: selectable || openable ? Qt.StrongFocus : Qt.NoFocus
    hoverEnabled: selectable || openable
    implicitHeight: content.implicitHeight + 14
    leftPadding: 10
    rightPadding: 12
    Accessible.role: openable ? Accessible.Button : selectable ? Accessible.CheckBox : Accessible.StaticText
    Accessible.name: title
    Accessible.description: subtitle
    Accessible.checked: checked
    Keys.onReturnPressed: if (selectable || openable) clicked()
    Keys.onEnterPressed: if (selectable || openable) clicked()

    background: Rectangle {
        radius: 8
        color: row.down ? PanelStyle.pressed : row.hovered ? PanelStyle.hover : "transparent"
        border.width: row.visualFocus ? 2 : 0
        border.color: PanelStyle.accent
    }
    contentItem: RowLayout {
        id: content
        spacing: 10
        // Disabled unless the row opens: then a press anywhere reaches the row.
        AbstractButton {
            objectName: "tickButton"
            visible: row.selectable
            enabled: row.openable
            padding: 0
            focusPolicy: Qt.StrongFocus
            Accessible.role: Accessible.CheckBox
            Accessible.name: row.title
            Accessible.checked: row.checked
            onClicked: row.tickToggled()
            // A finger's width around the mark, without widening the row's first column.
            containmentMask: Item { x: -8; y: -8; width: 36; height: 36 }
            contentItem: TickMark {
                objectName: "tick"
                checked: row.checked
                partial: row.partial
            }
            background: Rectangle {
                radius: width / 2
                color: "transparent"
                border.width: parent.visualFocus ? 2 : 0
                border.color: PanelStyle.accent
            }
        }
        SymbolIcon {
            objectName: "lock"
            visible: !row.selectable
            Layout.preferredWidth: 20
            symbol: "lock.shield"
            size: 18
            color: PanelStyle.secondaryText
        }
        // A plain column rather than a layout: a wrapped line's height follows the width it
        // finally gets, where a layout keeps the height it measured at a passing width.
        Column {
            id: texts
            Layout.fillWidth: true
            Layout.preferredWidth: 0
            spacing: 1
            // The title as wide as its text, short of what the mark and the badge after it need.
            Item {
                id: titleRow
                width: texts.width
                implicitHeight: titleLabel.implicitHeight
                readonly property real extras: (mark.visible ? mark.implicitWidth + 5 : 0)
                                               + (badgeLabel.visible ? badgeLabel.implicitWidth + 5 : 0)
                ElidedLabel {
                    id: titleLabel
                    objectName: "title"
                    mayElide: true
                    anchors.left: parent.left
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.max(0, Math.min(Math.ceil(implicitWidth), titleRow.width - titleRow.extras))
                    text: row.title
                    font.pixelSize: PanelStyle.body
                    font.weight: Font.DemiBold
                }
                Row {
                    anchors.left: titleLabel.right
                    anchors.leftMargin: 5
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 5
                    SymbolIcon {
                        id: mark
                        objectName: "verified"
                        visible: row.verified
                        anchors.verticalCenter: parent.verticalCenter
                        symbol: "checkmark.seal.fill"
                        size: 13
                        color: PanelStyle.green
                    }
                    Label {
                        id: badgeLabel
                        objectName: "badge"
                        visible: row.badge !== ""
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.badge
                        leftPadding: 5
                        rightPadding: 5
                        topPadding: 1
                        bottomPadding: 1
                        font.pixelSize: PanelStyle.caption2
                        font.weight: Font.DemiBold
                        color: PanelStyle.orange
                        background: Rectangle {
                            radius: 4
                            color: Qt.rgba(PanelStyle.orange.r, PanelStyle.orange.g, PanelStyle.orange.b, 0.14)
                        }
                    }
                }
            }
            WrappingLabel {
                objectName: "subtitle"
                visible: text !== ""
                width: texts.width
                text: row.subtitle
                font.pixelSize: PanelStyle.caption
                color: row.subtitleColor
            }
            ElidedLabel {
                objectName: "detail"
                mayElide: true
                visible: row.detail !== ""
                width: texts.width
                // A path reads left to right in every language.
                text: "\u202A" + row.detail + "\u202C"
                elide: Text.ElideMiddle
                font.pixelSize: PanelStyle.caption2
                color: PanelStyle.secondaryText
            }
        }
        Label {
            objectName: "trailing"
            text: row.trailing
            font.pixelSize: PanelStyle.body
            font.weight: Font.DemiBold
            color: PanelStyle.text
        }
        SymbolIcon {
            visible: row.openable
            symbol: row.open ? "chevron.down" : "chevron.right"
            size: 16
            color: PanelStyle.secondaryText
        }
    }
}
