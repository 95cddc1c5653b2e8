// The clean section: scan the caches and logs, see what was found (each category opens to list
// its items, each with a tick: what is ticked is exactly what the clean removes), clean it, see
// what was freed and which running applications were left alone. Everything shown comes from AppState; the
// five states take precedence in this order: cleaning, scanning, results, cleaned, idle.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "cleanView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property bool cleaning: AppState.isCleaning
    property bool scanning: AppState.isScanning
    property var result: AppState.scanResult
    property var freed: AppState.lastFreed
    property var skipped: AppState.skippedRunningApps
    // The category whose items are listed (one at a time, so that the list has room); view-local.
    property string openCategory: ""

    readonly property string screenState: cleaning ? "cleaning"
                                        : scanning ? "scanning"
                                        : result ? "results"
                                        : freed !== undefined && freed !== null ? "cleaned"
                                        : "idle"

    Loader {
        id: content
        objectName: "cleanState"
        anchors.fill: parent
        anchors.margins: 16
        sourceComponent: ({ cleaning: cleaningState, scanning: scanningState,
                            results: resultsState, cleaned: cleanedState,
                            idle: idleState })[view.screenState]
    }

    Component {
        id: idleState
        ColumnLayout {
            spacing: 8
            Item { Layout.fillHeight: true }
            ScanOrb {
                objectName: "scanOrb"
                Layout.alignment: Qt.AlignHCenter
                Accessible.name: qsTrId("suggest.scan")
                onClicked: AppState.runQuickScan()
            }
            Label {
                objectName: "idleHint"
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTrId("clean.idleHint")
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            Item { Layout.fillHeight: true }
        }
    }

    Component {
        id: scanningState
        ColumnLayout {
            spacing: 8
            Item { Layout.fillHeight: true }
            ScanOrb {
                Layout.alignment: Qt.AlignHCenter
                scanning: true
            }
            ShimmerText {
                objectName: "scanningText"
                Layout.fillWidth: true
                text: qsTrId("clean.scanning")
            }
            Item { Layout.fillHeight: true }
            // A scan of a large cache can take a while; stopping it keeps the earlier result.
            PanelButton {
                objectName: "cancelButton"
                Layout.alignment: Qt.AlignHCenter
                Layout.minimumWidth: 120
                text: qsTrId("common.cancel")
                onClicked: AppState.cancel("clean")
            }
        }
    }

    Component {
        id: resultsState
        ColumnLayout {
            spacing: 0
            // The totals and the categories scroll, an open list with them; the clean button stays.
            Flickable {
                objectName: "resultsScroll"
                Layout.fillWidth: true
                Layout.fillHeight: true
                contentHeight: resultsColumn.implicitHeight
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
                ColumnLayout {
                    id: resultsColumn
                    width: parent.width
                    spacing: 0
                    ByteCountText {
                        objectName: "foundTotal"
                        Layout.fillWidth: true
                        Layout.topMargin: 4
                        bytes: view.result ? view.result.totalSize : 0
                    }
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTrId("clean.junkFound")
                        font.pixelSize: PanelStyle.caption
                        color: PanelStyle.secondaryText
                    }
                    Label {
                        objectName: "selectedTotal"
                        Layout.fillWidth: true
                        Layout.topMargin: 2
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTrId("clean.selectedTotal").arg(
                                  Fmt.bytes(view.result ? view.result.selectedSize : 0))
                        font.pixelSize: PanelStyle.caption
                        font.weight: Font.DemiBold
                        color: PanelStyle.accent
                    }
                    Rectangle {
                        objectName: "categoryRows"
                        Layout.fillWidth: true
                        Layout.topMargin: 16
                        implicitHeight: rows.implicitHeight
                        radius: 12
                        color: PanelStyle.surface
                        border.width: 1
                        border.color: PanelStyle.border
                        ColumnLayout {
                            id: rows
                            anchors.left: parent.left
                            anchors.right: parent.right
                            spacing: 0
                            Repeater {
                                model: AppState.junkFolders
                                delegate: ColumnLayout {
                                    id: category
                                    readonly property bool open: view.openCategory === modelData.category
                                    readonly property var items: view.result && view.result.itemsIn
                                                                 ? view.result.itemsIn(modelData.category)
                                                                 : null
                                    spacing: 0
                                    Layout.fillWidth: true
                                    Rectangle {
                                        visible: index > 0
                                        Layout.fillWidth: true
                                        Layout.leftMargin: 52
                                        implicitHeight: 1
                                        color: PanelStyle.divider
                                    }
                                    AbstractButton {
                                        id: categoryButton
                                        objectName: "row-" + modelData.category
                                        Layout.fillWidth: true
                                        implicitHeight: categoryRow.implicitHeight + 20
                                        hoverEnabled: true
                                        Accessible.role: Accessible.Button
                                        Accessible.name: qsTrId("clean.category." + modelData.category)
                                        onClicked: view.openCategory = category.open ? "" : modelData.category
                                        background: Rectangle {
                                            radius: 12
                                            color: categoryButton.down ? PanelStyle.pressed
                                                 : categoryButton.hovered ? PanelStyle.hover : "transparent"
                                            border.width: categoryButton.visualFocus ? 2 : 0
                                            border.color: PanelStyle.accent
                                        }
                                        RowLayout {
                                            id: categoryRow
                                            anchors.fill: parent
                                            anchors.margins: 10
                                            anchors.leftMargin: 12
                                            anchors.rightMargin: 10
                                            spacing: 12
                                            AccentTile {
                                                implicitWidth: 30
                                                implicitHeight: 30
                                                radius: 8
                                                SymbolIcon {
                                                    anchors.centerIn: parent
                                                    symbol: modelData.category === "appCache" ? "shippingbox.fill"
                                                                                              : "doc.text.fill"
                                                    size: 16
                                                    color: "white"
                                                }
                                            }
                                            ColumnLayout {
                                                Layout.fillWidth: true
                                                spacing: 1
                                                ElidedLabel {
                                                    Layout.fillWidth: true
                                                    text: qsTrId("clean.category." + modelData.category)
                                                    font.pixelSize: PanelStyle.body
                                                    font.weight: Font.DemiBold
                                                }
                                                ElidedLabel {
                                                    objectName: "folder"
                                                    mayElide: true
                                                    Layout.fillWidth: true
                                                    // A path reads left to right in every language.
                                                    text: "\u202A" + modelData.folder + "\u202C"
                                                    elide: Text.ElideMiddle
                                                    font.pixelSize: PanelStyle.caption
                                                    color: PanelStyle.secondaryText
                                                }
                                            }
                                            Label {
                                                objectName: "size"
                                                text: Fmt.bytes(view.result ? view.result.sizeFor(modelData.category) : 0)
                                                font.pixelSize: PanelStyle.body
                                                font.weight: Font.DemiBold
                                                color: PanelStyle.text
                                            }
                                            SymbolIcon {
                                                symbol: category.open ? "chevron.down" : "chevron.right"
                                                size: 16
                                                color: PanelStyle.secondaryText
                                            }
                                        }
                                    }
                                    // Its items, each with its tick; an item of a running application
                                    // names it (the clean leaves such an item alone while it runs).
                                    Column {
                                        objectName: "items-" + modelData.category
                                        visible: category.open
                                        Layout.fillWidth: true
                                        Layout.leftMargin: 6
                                        Layout.rightMargin: 6
                                        Layout.bottomMargin: 6
                                        Repeater {
                                            model: category.items
                                            delegate: CheckRow {
                                                objectName: "item-" + index
                                                width: parent.width
                                                checked: model.isSelected
                                                title: model.name
                                                readonly property string app:
                                                    view.result && view.result.runningApps
                                                    && view.result.runningApps[model.id] !== undefined
                                                    ? view.result.runningApps[model.id] : ""
                                                subtitle: app !== "" ? qsTrId("clean.inUseBy").arg(app) : ""
                                                subtitleColor: PanelStyle.orange
                                                trailing: Fmt.bytes(model.size)
                                                onClicked: AppState.toggleJunkItem(model.id)
                                            }
                                        }
                                    }
                                }
                            }
                        }
                    }
                }
            }
            PanelButton {
                id: cleanButton
                objectName: "cleanButton"
                Layout.fillWidth: true
                Layout.topMargin: 8
                kind: "prominent"
                text: qsTrId("clean.cleanButton")
                enabled: view.result !== null && view.result.selectedSize > 0
                onClicked: AppState.runClean()
                // One pulse when the results arrive: an invitation, not a blinking light.
                SequentialAnimation on scale {
                    running: cleanButton.enabled
                    NumberAnimation { to: 1.04; duration: 220; easing.type: Easing.OutQuad }
                    NumberAnimation { to: 1; duration: 320; easing.type: Easing.InOutQuad }
                }
            }
        }
    }

    Component {
        id: cleaningState
        ColumnLayout {
            spacing: 14
            Item { Layout.fillHeight: true }
            SymbolIcon {
                Layout.alignment: Qt.AlignHCenter
                symbol: "sparkles"
                size: 44
                color: PanelStyle.accent
                RotationAnimation on rotation {
                    loops: Animation.Infinite
                    from: 0
                    to: 360
                    duration: 1600
                }
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: qsTrId("clean.cleaning")
                font.pixelSize: PanelStyle.body
                color: PanelStyle.secondaryText
            }
            Item { Layout.fillHeight: true }
        }
    }

    Component {
        id: cleanedState
        ColumnLayout {
            spacing: 0
            Item { Layout.fillHeight: true }
            Item {
                Layout.alignment: Qt.AlignHCenter
                implicitWidth: 180
                implicitHeight: 72
                SparkleBurst { anchors.fill: parent }
                SymbolIcon {
                    objectName: "cleanedMark"
                    anchors.centerIn: parent
                    symbol: "checkmark.circle.fill"
                    size: 56
                    color: PanelStyle.green
                }
            }
            ByteCountText {
                objectName: "freedTotal"
                Layout.fillWidth: true
                Layout.topMargin: 6
                bytes: view.freed !== undefined && view.freed !== null ? view.freed : 0
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: qsTrId("clean.freed")
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            RowLayout {
                objectName: "skippedLine"
                visible: view.skipped.length > 0
                Layout.fillWidth: true
                Layout.topMargin: 14
                Layout.leftMargin: 8
                Layout.rightMargin: 8
                spacing: 6
                Item { Layout.fillWidth: true }
                SymbolIcon {
                    symbol: "exclamationmark.triangle.fill"
                    size: 13
                    color: PanelStyle.orange
                }
                ElidedLabel {
                    Layout.maximumWidth: view.width - 70
                    mayElide: true  // the names of the applications
                    text: qsTrId("clean.skipped").arg(view.skipped.join(", "))
                    font.pixelSize: PanelStyle.caption
                    color: PanelStyle.orange
                }
                Item { Layout.fillWidth: true }
            }
            OutcomeNote {
                section: "clean"
                Layout.fillWidth: true
                Layout.topMargin: 8
                Layout.leftMargin: 8
                Layout.rightMargin: 8
            }
            Item { Layout.fillHeight: true }
            PanelButton {
                objectName: "scanAgainButton"
                Layout.fillWidth: true
                text: qsTrId("common.scanAgain")
                onClicked: AppState.runQuickScan()
            }
        }
    }

    PanelDialog {
        id: runningAppsAlert
        objectName: "runningAppsAlert"
        title: qsTrId("clean.closeAppsTitle")
        message: qsTrId("clean.closeAppsMessage").arg(view.skipped.join(", "))
        onClosed: AppState.showRunningAppsAlert = false
    }
    Connections {
        target: AppState
        function onShowRunningAppsAlertChanged() {
            if (AppState.showRunningAppsAlert) runningAppsAlert.open()
        }
    }
    Component.onCompleted: if (AppState.showRunningAppsAlert) runningAppsAlert.open()
}
