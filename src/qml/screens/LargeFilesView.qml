// The large-files section: big files in the personal folders that have not been opened for
// months; the ticked ones go to the Trash. Everything shown comes from AppState; the states take
// precedence in this order: busy, empty, content.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "largeFilesView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property bool busy: AppState.isFindingLarge
    property var files: AppState.largeFiles

    readonly property string screenState: busy ? "busy" : !files || files.count === 0 ? "empty"
                                                                                       : "content"
    // The sum of the ticked files' sizes.
    readonly property real selectedSize: selection.total

    ListTotal {
        id: selection
        model: view.files
        role: "size"
        onlyWhere: "isSelected"
    }

    Loader {
        objectName: "largeState"
        anchors.fill: parent
        anchors.margins: 16
        sourceComponent: ({ busy: busyState, empty: emptyState, content: contentState })[view.screenState]
    }

    Component {
        id: busyState
        BusyState {
            text: qsTrId("large.searching")
            section: "large"
        }
    }

    Component {
        id: emptyState
        ColumnLayout {
            spacing: 8
            EmptyState {
                Layout.fillWidth: true
                Layout.fillHeight: true
                symbol: "externaldrive.fill"
                hint: qsTrId("large.emptyHint")
                buttonText: qsTrId("large.find")
                buttonName: "findButton"
                onActivated: AppState.runLargeFileScan()
            }
            OutcomeNote { section: "large"; Layout.fillWidth: true }
            UnreadNote { section: "large"; Layout.fillWidth: true }
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
                    id: list
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
                        subtitle: model.lastAccess
                                  ? qsTrId("large.lastOpened").arg(Fmt.relative(model.lastAccess))
                                  : qsTrId("large.neverOpened")
                        detail: model.path
                        trailing: Fmt.bytes(model.size)
                        onClicked: AppState.toggleSelection(model.id)
                    }
                }
            }
            OutcomeNote { section: "large"; Layout.fillWidth: true }
            UnreadNote { section: "large"; Layout.fillWidth: true }
            PanelButton {
                objectName: "removeButton"
                Layout.fillWidth: true
                kind: "prominent"
                symbol: view.selectedSize > 0 ? "trash.fill" : ""
                text: view.selectedSize > 0 ? qsTrId("large.move").arg(Fmt.bytes(view.selectedSize))
                                            : qsTrId("large.select")
                enabled: view.selectedSize > 0
                onClicked: AppState.removeSelectedLargeFiles()
            }
        }
    }
}
