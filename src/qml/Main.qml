// The first window: drives the junk scan until the tray panel arrives.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

ApplicationWindow {
    id: window
    width: 520
    height: 600
    visible: true
    title: "Tornivo"

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Button {
                id: scanButton
                objectName: "scanButton"
                text: AppState.scanResult ? "Scan again" : "Scan for junk"
                enabled: !AppState.isScanning && !AppState.isCleaning
                onClicked: AppState.runQuickScan()
            }
            BusyIndicator {
                running: AppState.isScanning
                visible: running
                implicitHeight: scanButton.implicitHeight
                implicitWidth: implicitHeight
            }
            Label {
                objectName: "summary"
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: AppState.isScanning ? "Scanning caches and logs…"
                    : AppState.scanResult ? Fmt.bytes(AppState.scanResult.totalSize) + " of junk in "
                                            + AppState.scanResult.items.count + " items"
                    : "Find the caches and logs that applications leave behind."
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
                            text: model.category === "appCache" ? "Application cache" : "Log"
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
}
