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

    LayoutMirroring.enabled: LocalizationManager.layoutDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true

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
                text: AppState.scanResult ? qsTrId("common.scanAgain") : qsTrId("suggest.scan")
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
                text: AppState.isScanning ? qsTrId("clean.scanning")
                    : AppState.scanResult ? Fmt.bytes(AppState.scanResult.totalSize) + " "
                                            + qsTrId("clean.junkFound")
                    : qsTrId("clean.idleHint")
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
}
