// The shred section: the Trash's contents overwritten with random bytes and deleted, after a
// confirmation in the panel. Everything shown comes from AppState; the states take precedence
// in this order: shredding, outcome, empty Trash, the Trash listed.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "shredView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property bool busy: AppState.isShredding
    property var outcome: AppState.lastShredOutcome
    property var items: AppState.trashItems
    property real bytes: AppState.trashBytes

    readonly property string screenState: busy ? "shredding"
                                        : outcome ? "outcome"
                                        : !items || items.count === 0 ? "empty"
                                        : "listed"

    // The Trash is read again whenever the screen is shown.
    Component.onCompleted: AppState.loadTrash()
    Connections {
        target: view.Window.window
        ignoreUnknownSignals: true
        function onVisibleChanged() {
            if (view.Window.window.visible && !view.busy) AppState.loadTrash()
        }
    }

    Loader {
        objectName: "shredState"
        anchors.fill: parent
        anchors.margins: 16
        sourceComponent: ({ shredding: busyState, outcome: outcomeState, empty: emptyState,
                            listed: listedState })[view.screenState]
    }

    Component {
        id: busyState
        BusyState {
            text: qsTrId("shred.erasing")
            section: "shred"
            bytesLine: bytesTotal > 0 ? qsTrId("shred.bytesWritten").arg(Fmt.bytes(bytesDone))
                                                                       .arg(Fmt.bytes(bytesTotal))
                                      : ""
        }
    }

    Component {
        id: outcomeState
        ColumnLayout {
            spacing: 6
            Item { Layout.fillHeight: true }
            SymbolIcon {
                Layout.alignment: Qt.AlignHCenter
                symbol: "checkmark.shield.fill"
                size: 56
                color: PanelStyle.green
            }
            Label {
                objectName: "erasedCount"
                Layout.fillWidth: true
                Layout.topMargin: 6
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTrId("shred.erasedCount", view.outcome.count)
                font.pixelSize: PanelStyle.headline + 5
                font.weight: Font.Bold
                color: PanelStyle.text
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTrId("shred.overwritten").arg(Fmt.bytes(view.outcome.bytes))
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            OutcomeNote { section: "shred"; Layout.fillWidth: true; Layout.topMargin: 10 }
            Item { Layout.fillHeight: true }
            PanelButton {
                objectName: "doneButton"
                Layout.fillWidth: true
                text: qsTrId("common.done")
                onClicked: {
                    AppState.dismissShredOutcome()
                    AppState.loadTrash()
                }
            }
        }
    }

    Component {
        id: emptyState
        ColumnLayout {
            spacing: 8
            EmptyState {
                Layout.fillWidth: true
                Layout.fillHeight: true
                symbol: "trash.slash.fill"
                title: qsTrId("shred.emptyTitle")
                hint: qsTrId("shred.emptyHint")
                buttonText: qsTrId("common.refresh")
                buttonName: "refreshButton"
                onActivated: AppState.loadTrash()
            }
            UnreadNote { section: "shred"; Layout.fillWidth: true }
        }
    }

    Component {
        id: listedState
        ColumnLayout {
            spacing: 8
            Item { Layout.fillHeight: true }
            AccentTile {
                Layout.alignment: Qt.AlignHCenter
                implicitWidth: 64
                implicitHeight: 64
                radius: 18
                tint: PanelStyle.red
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: "flame.fill"
                    size: 32
                    color: "white"
                }
            }
            Label {
                objectName: "itemCount"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: qsTrId("shred.items", view.items.count)
                font.pixelSize: PanelStyle.headline
                font.weight: Font.DemiBold
                color: PanelStyle.text
            }
            Label {
                objectName: "trashBytes"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: Fmt.bytes(view.bytes)
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            RowLayout {
                Layout.fillWidth: true
                Layout.topMargin: 6
                spacing: 6
                SymbolIcon {
                    symbol: "dial.high.fill"
                    size: 14
                    color: PanelStyle.secondaryText
                }
                WrappingLabel {
                    text: qsTrId("shred.overwrite")
                    font.pixelSize: PanelStyle.caption
                    color: PanelStyle.secondaryText
                }
                ComboBox {
                    id: strengthMenu
                    // As wide as the chosen entry's words, which the style's own width may not be.
                    Layout.preferredWidth: Math.max(implicitWidth, chosenText.advanceWidth + leftPadding
                                                    + rightPadding + contentItem.leftPadding
                                                    + contentItem.rightPadding + 2)
                    TextMetrics {
                        id: chosenText
                        font: strengthMenu.font
                        text: strengthMenu.displayText
                    }
                    objectName: "strengthMenu"
                    implicitHeight: 26
                    Layout.maximumWidth: view.width * 0.55
                    model: AppState.shredStrengths
                    textRole: "labelKey"
                    readonly property int chosen: {
                        for (let i = 0; i < AppState.shredStrengths.length; ++i)
                            if (AppState.shredStrengths[i].passes === AppState.shredStrength) return i
                        return 0
                    }
                    currentIndex: chosen
                    displayText: qsTrId(AppState.shredStrengths[chosen].labelKey)
                    font.pixelSize: PanelStyle.caption
                    Accessible.name: qsTrId("shred.overwrite")
                    delegate: ItemDelegate {
                        required property var modelData
                        required property int index
                        width: strengthMenu.width
                        text: qsTrId(modelData.labelKey)
                        font.pixelSize: PanelStyle.caption
                        highlighted: strengthMenu.highlightedIndex === index
                    }
                    onActivated: (index) => AppState.shredStrength = AppState.shredStrengths[index].passes
                }
            }
            Label {
                objectName: "ssdNote"
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                text: qsTrId("shred.ssdNote")
                font.pixelSize: PanelStyle.caption2
                color: PanelStyle.secondaryText
            }
            UnreadNote { section: "shred"; Layout.fillWidth: true }
            Item { Layout.fillHeight: true }
            PanelButton {
                objectName: "shredButton"
                Layout.fillWidth: true
                kind: "destructive"
                symbol: "flame.fill"
                text: qsTrId("shred.button")
                onClicked: confirmation.open()
            }
        }
    }

    // Asked before anything is overwritten; offered only while the Trash holds something.
    PanelDialog {
        id: confirmation
        objectName: "shredConfirmation"
        title: qsTrId("shred.confirmTitle")
        message: qsTrId("shred.confirmMessage")
        buttonText: qsTrId("common.cancel")
        confirmText: qsTrId("shred.eraseCount", view.items ? view.items.count : 0)
        destructive: true
        onConfirmed: AppState.runSecureEmptyTrash()
    }
    Component.onDestruction: if (confirmation.opened) confirmation.close()
}
