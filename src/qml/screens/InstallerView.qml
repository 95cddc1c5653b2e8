// The installers section: disk images and installer packages left at the top of Downloads and
// the Desktop, those of installed applications ticked; the ticked ones go to the Trash.
// Everything shown comes from AppState; the states take precedence in this order: busy, empty,
// content.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "installerView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property bool busy: AppState.isScanningInstallers
    property var files: AppState.installerFiles

    readonly property string screenState: busy ? "busy" : !files || files.count === 0 ? "empty"
                                                                                       : "content"
    // The sum of the ticked installers' sizes.
    readonly property real selectedSize: selection.total

    ListTotal {
        id: selection
        model: view.files
        role: "size"
        onlyWhere: "isSelected"
    }

    Loader {
        objectName: "installerState"
        anchors.fill: parent
        anchors.margins: 16
        sourceComponent: ({ busy: busyState, empty: emptyState, content: contentState })[view.screenState]
    }

    Component {
        id: busyState
        BusyState {
            text: qsTrId("inst.searching")
            section: "installers"
        }
    }

    Component {
        id: emptyState
        ColumnLayout {
            spacing: 8
            EmptyState {
                Layout.fillWidth: true
                Layout.fillHeight: true
                symbol: "opticaldiscdrive.fill"
                title: qsTrId("inst.title")
                hint: qsTrId("inst.description")
                buttonText: qsTrId("inst.find")
                buttonName: "findButton"
                onActivated: AppState.runInstallerScan()
            }
            OutcomeNote { section: "installers"; Layout.fillWidth: true }
            UnreadNote { section: "installers"; Layout.fillWidth: true }
        }
    }

    Component {
        id: contentState
        ColumnLayout {
            spacing: 8
            Card {
                Layout.fillWidth: true
                Layout.fillHeight: true
                ListView {
                    objectName: "fileList"
                    anchors.fill: parent
                    anchors.margins: 4
                    clip: true
                    model: view.files
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar {}
                    delegate: CheckRow {
                        objectName: "row-" + index
                        width: ListView.view.width
                        checked: model.isSelected
                        title: model.name
                        subtitle: model.subtitle
                        detail: model.path
                        verified: model.matchedApp !== undefined && model.matchedApp !== null
                        trailing: Fmt.bytes(model.size)
                        onClicked: AppState.toggleInstaller(model.id)
                    }
                }
            }
            OutcomeNote { section: "installers"; Layout.fillWidth: true }
            UnreadNote { section: "installers"; Layout.fillWidth: true }
            PanelButton {
                objectName: "removeButton"
                Layout.fillWidth: true
                kind: "prominent"
                symbol: view.selectedSize > 0 ? "trash.fill" : ""
                text: view.selectedSize > 0 ? qsTrId("inst.move").arg(Fmt.bytes(view.selectedSize))
                                            : qsTrId("inst.select")
                enabled: view.selectedSize > 0
                onClicked: AppState.removeSelectedInstallers()
            }
        }
    }
}
