// The tune-up section: the maintenance tasks, one row each, each run by its own button; a task
// that needs the administrator says so. While a task runs its button turns into a small turning
// ring and cannot be pressed again.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "tuneUpView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property var actions: AppState.tuneUpActions
    property var running: AppState.runningTuneUp

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 8
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 1
            WrappingLabel {
                text: qsTrId("tune.title")
                font.pixelSize: PanelStyle.headline
                font.weight: Font.Bold
                color: PanelStyle.text
            }
            WrappingLabel {
                text: qsTrId("tune.subtitle")
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
        }
        Card {
            Layout.fillWidth: true
            Layout.fillHeight: true
            ListView {
                objectName: "actionList"
                anchors.fill: parent
                anchors.margins: 4
                clip: true
                model: view.actions
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}
                delegate: RowLayout {
                    id: actionRow
                    objectName: "action-" + modelData.id
                    readonly property bool isRunning: view.running.indexOf(modelData.id) >= 0
                    width: ListView.view.width
                    height: implicitHeight + 14
                    spacing: 10
                    AccentTile {
                        Layout.leftMargin: 8
                        implicitWidth: 30
                        implicitHeight: 30
                        radius: 8
                        SymbolIcon {
                            anchors.centerIn: parent
                            symbol: modelData.icon
                            size: 16
                            color: "white"
                        }
                    }
                    // A plain column: a wrapped line's height follows the width it finally
                    // gets, where a layout keeps what it measured at a passing width.
                    Column {
                        id: texts
                        Layout.fillWidth: true
                        Layout.preferredWidth: 0
                        spacing: 1
                        WrappingLabel {
                            width: texts.width
                            text: qsTrId("tune." + modelData.id + ".title")
                            font.pixelSize: PanelStyle.body
                            font.weight: Font.DemiBold
                        }
                        WrappingLabel {
                            width: texts.width
                            text: qsTrId("tune." + modelData.id + ".subtitle")
                            font.pixelSize: PanelStyle.caption
                            color: PanelStyle.secondaryText
                        }
                        MarkedNote {
                            objectName: "adminNote"
                            visible: modelData.needsAdmin
                            width: texts.width
                            symbol: "lock.fill"
                            text: qsTrId("tune.adminNote")
                            font.pixelSize: PanelStyle.caption2
                            color: PanelStyle.orange
                        }
                    }
                    Item {
                        Layout.rightMargin: 6
                        implicitWidth: Math.max(runButton.implicitWidth, 56)
                        implicitHeight: runButton.implicitHeight
                        PanelButton {
                            id: runButton
                            objectName: "runButton"
                            anchors.centerIn: parent
                            visible: !actionRow.isRunning
                            enabled: !actionRow.isRunning
                            implicitHeight: 28
                            leftPadding: 12
                            font.pixelSize: PanelStyle.caption
                            text: qsTrId("tune.run")
                            Accessible.description: qsTrId("tune." + modelData.id + ".title")
                            onClicked: AppState.runTuneUp(modelData.id)
                        }
                        ProgressRing {
                            objectName: "runningRing"
                            anchors.centerIn: parent
                            visible: actionRow.isRunning
                            diameter: 18
                        }
                    }
                }
            }
        }
    }
}
