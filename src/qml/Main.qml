// The first window: live figures and the junk workflow from scan to cleaned, until the tray panel
// arrives.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo
import "components"

ApplicationWindow {
    id: window
    width: 520
    height: 640
    visible: true
    title: "Tornivo"

    LayoutMirroring.enabled: LocalizationManager.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true

    Component.onCompleted: AppState.onAppear()

    // Whole percentages, as the gauges show them.
    function percent(fraction) { return Math.round(fraction * 100) + "%" }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        RowLayout {
            objectName: "gauges"
            Layout.fillWidth: true
            spacing: 24

            Repeater {
                model: [
                    { key: "status.cpu", symbol: "cpu",
                      value: AppState.monitor.cpuUsageFraction },
                    { key: "status.ram", symbol: "memorychip.fill",
                      value: AppState.monitor.memoryUsedFraction },
                    { key: "status.disk", symbol: "internaldrive.fill",
                      value: AppState.monitor.diskUsedFraction }
                ]
                delegate: ColumnLayout {
                    spacing: 4
                    RowLayout {
                        spacing: 4
                        SymbolIcon { symbol: modelData.symbol; size: 12; opacity: 0.7 }
                        Label { text: qsTrId(modelData.key); font.pixelSize: 11; opacity: 0.7 }
                    }
                    Label {
                        objectName: "gauge-" + modelData.key
                        text: window.percent(modelData.value)
                        font.pixelSize: 18
                        font.bold: true
                    }
                }
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "testBannerButton"
                text: qsTrId("settings.testBanner")
                flat: true
                onClicked: BannerCenter.show("sparkles", qsTrId("banner.testTitle"),
                                             qsTrId("banner.testMessage"))
            }
        }

        // The most useful advice, with the section that handles it.
        Rectangle {
            objectName: "suggestionStrip"
            Layout.fillWidth: true
            implicitHeight: strip.implicitHeight + 20
            radius: 12
            color: palette.base
            border.color: Qt.rgba(palette.text.r, palette.text.g, palette.text.b, 0.06)
            readonly property var advice: AppState.suggestions.length > 0
                                          ? AppState.suggestions[0] : null

            RowLayout {
                id: strip
                anchors.fill: parent
                anchors.margins: 10
                spacing: 10
                SymbolIcon {
                    Layout.preferredWidth: 22
                    symbol: parent.parent.advice ? parent.parent.advice.icon : ""
                    size: 16
                    color: ThemeManager.accent
                }
                Label {
                    Layout.fillWidth: true
                    wrapMode: Text.Wrap
                    font.pixelSize: 12
                    text: parent.parent.advice ? parent.parent.advice.message : ""
                }
                Button {
                    flat: true
                    font.pixelSize: 12
                    font.bold: true
                    text: parent.parent.advice ? parent.parent.advice.actionLabel : ""
                    onClicked: AppState.perform(parent.parent.advice.action)
                }
            }
        }

        // The maintenance tasks, one button each; a running task shows a spinner instead.
        RowLayout {
            objectName: "tuneUpRow"
            Layout.fillWidth: true
            spacing: 6
            Repeater {
                model: AppState.tuneUpActions
                delegate: Button {
                    objectName: "tune-" + modelData.id
                    Layout.fillWidth: true
                    enabled: AppState.runningTuneUp.indexOf(modelData.id) < 0
                    contentItem: SymbolIcon {
                        symbol: AppState.runningTuneUp.indexOf(modelData.id) < 0
                                ? modelData.icon : "arrow.triangle.2.circlepath"
                        size: 18
                    }
                    ToolTip.visible: hovered
                    ToolTip.text: qsTrId("tune." + modelData.id + ".title")
                    onClicked: AppState.runTuneUp(modelData.id)
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Button {
                id: scanButton
                objectName: "scanButton"
                text: AppState.scanResult || AppState.lastFreed !== undefined
                      ? qsTrId("common.scanAgain") : qsTrId("suggest.scan")
                enabled: !AppState.isScanning && !AppState.isCleaning
                onClicked: AppState.runQuickScan()
            }
            Button {
                objectName: "cleanButton"
                text: qsTrId("clean.cleanButton")
                visible: AppState.scanResult !== null && !AppState.isCleaning
                enabled: AppState.scanResult !== null && AppState.scanResult.selectedSize > 0
                highlighted: true
                onClicked: AppState.runClean()
            }
            BusyIndicator {
                running: AppState.isScanning || AppState.isCleaning
                visible: running
                implicitHeight: scanButton.implicitHeight
                implicitWidth: implicitHeight
            }
            Label {
                objectName: "summary"
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: AppState.isCleaning ? qsTrId("clean.cleaning")
                    : AppState.isScanning ? qsTrId("clean.scanning")
                    : AppState.scanResult ? Fmt.bytes(AppState.scanResult.totalSize) + " "
                                            + qsTrId("clean.junkFound")
                    : AppState.lastFreed !== undefined ? Fmt.bytes(AppState.lastFreed) + " "
                                                         + qsTrId("clean.freed")
                    : qsTrId("clean.idleHint")
            }
        }

        RowLayout {
            objectName: "skipped"
            Layout.fillWidth: true
            visible: !AppState.scanResult && AppState.lastFreed !== undefined
                     && AppState.skippedRunningApps.length > 0
            SymbolIcon { symbol: "exclamationmark.triangle.fill"; color: "darkorange"; size: 13 }
            Label {
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                color: "darkorange"
                font.pixelSize: 12
                text: qsTrId("clean.skipped").arg(AppState.skippedRunningApps.join(", "))
            }
        }

        ListView {
            id: list
            objectName: "junkList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: AppState.scanResult ? AppState.scanResult.items : null
            ScrollBar.vertical: ScrollBar {}

            delegate: ItemDelegate {
                width: ListView.view.width
                contentItem: RowLayout {
                    spacing: 12
                    SymbolIcon {
                        symbol: model.category === "appCache" ? "shippingbox.fill"
                                                                : "doc.text.fill"
                        size: 18
                        opacity: 0.75
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2
                        Label {
                            Layout.fillWidth: true
                            text: model.name
                            elide: Text.ElideMiddle
                            font.bold: true
                        }
                        Label {
                            text: qsTrId("clean.category." + model.category)
                            opacity: 0.7
                            font.pixelSize: 12
                        }
                    }
                    Label {
                        text: Fmt.bytes(model.size)
                        horizontalAlignment: Text.AlignRight
                    }
                }
            }
        }
    }

    Dialog {
        objectName: "runningAppsAlert"
        anchors.centerIn: parent
        width: Math.min(window.width - 48, 420)
        modal: true
        visible: AppState.showRunningAppsAlert
        title: qsTrId("clean.closeAppsTitle")
        standardButtons: Dialog.Ok
        onClosed: AppState.showRunningAppsAlert = false
        Label {
            width: parent.width
            wrapMode: Text.Wrap
            text: qsTrId("clean.closeAppsMessage").arg(AppState.skippedRunningApps.join(", "))
        }
    }
}
