// The duplicates section: files with identical contents in the personal folders, one card per
// group with a card per copy; keeping one copy moves the others to the Trash. Everything shown
// comes from AppState; the states take precedence in this order: busy, empty, content.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "duplicatesView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property bool busy: AppState.isFindingDuplicates
    property var groups: AppState.duplicateGroups

    readonly property string screenState: busy ? "busy" : !groups || groups.count === 0 ? "empty"
                                                                                         : "content"
    // What keeping one copy of every group frees: each group's size times its other copies.
    readonly property real reclaimable: reclaimableTotal.total

    ListTotal {
        id: reclaimableTotal
        model: view.groups
        role: "reclaimable"
    }

    // The name of a file and of the folder that holds it, from its path as shown.
    function nameOf(path) {
        return path.substring(path.lastIndexOf("/") + 1)
    }
    function folderOf(path) {
        const parent = path.substring(0, path.lastIndexOf("/"))
        return parent === "" ? "/" : parent.substring(parent.lastIndexOf("/") + 1)
    }

    Loader {
        objectName: "duplicatesState"
        anchors.fill: parent
        anchors.margins: 16
        sourceComponent: ({ busy: busyState, empty: emptyState, content: contentState })[view.screenState]
    }

    Component {
        id: busyState
        BusyState {
            id: busy
            text: qsTrId("dup.hashing")
            section: "duplicates"
            bytesLine: bytesTotal > 0 ? qsTrId("dup.bytesCompared").arg(Fmt.bytes(bytesDone))
                                                                     .arg(Fmt.bytes(bytesTotal))
                                      : ""
        }
    }

    Component {
        id: emptyState
        ColumnLayout {
            spacing: 8
            EmptyState {
                Layout.fillWidth: true
                Layout.fillHeight: true
                symbol: "doc.on.doc.fill"
                title: qsTrId("dup.title")
                hint: qsTrId("dup.description")
                buttonText: qsTrId("dup.find")
                buttonName: "findButton"
                onActivated: AppState.runDuplicateScan()
            }
            OutcomeNote { section: "duplicates"; Layout.fillWidth: true }
            UnreadNote { section: "duplicates"; Layout.fillWidth: true }
        }
    }

    Component {
        id: contentState
        ColumnLayout {
            spacing: 8
            // A plain column: a wrapped line's height follows the width it finally gets, where a
            // layout keeps what it measured on the way.
            Column {
                id: header
                Layout.fillWidth: true
                spacing: 2
                WrappingLabel {
                    objectName: "reclaimable"
                    width: header.width
                    text: qsTrId("dup.reclaimable").arg(Fmt.bytes(view.reclaimable))
                    font.pixelSize: PanelStyle.headline
                    font.weight: Font.Bold
                }
                MarkedNote {
                    width: header.width
                    symbol: "checkmark.seal.fill"
                    symbolSize: 12
                    symbolTop: 1
                    symbolColor: PanelStyle.green
                    text: qsTrId("dup.contentMatched")
                    font.pixelSize: PanelStyle.caption
                    color: PanelStyle.secondaryText
                }
            }
            ListView {
                id: groupList
                objectName: "groupList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                spacing: 8
                model: view.groups
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}
                delegate: Card {
                    id: group
                    objectName: "group-" + index
                    readonly property string groupId: model.id
                    readonly property var fileIds: model.fileIds
                    readonly property var paths: model.files
                    width: ListView.view.width
                    implicitHeight: groupColumn.implicitHeight + 20
                    ColumnLayout {
                        id: groupColumn
                        anchors.fill: parent
                        anchors.margins: 10
                        spacing: 8
                        RowLayout {
                            Layout.fillWidth: true
                            spacing: 8
                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 1
                                WrappingLabel {
                                    objectName: "copies"
                                    text: qsTrId("dup.copies", model.fileCount)
                                    font.pixelSize: PanelStyle.body
                                    font.weight: Font.DemiBold
                                }
                                WrappingLabel {
                                    objectName: "eachSave"
                                    text: qsTrId("dup.eachSave").arg(Fmt.bytes(model.size))
                                                                .arg(Fmt.bytes(model.reclaimable))
                                    font.pixelSize: PanelStyle.caption
                                    color: PanelStyle.secondaryText
                                }
                            }
                            PanelButton {
                                objectName: "autoResolveButton"
                                kind: "plain"
                                symbol: "sparkles"
                                text: qsTrId("dup.autoResolve")
                                implicitHeight: 28
                                font.pixelSize: PanelStyle.caption
                                onClicked: AppState.autoResolveDuplicates(group.groupId)
                            }
                        }
                        ListView {
                            objectName: "copyList"
                            Layout.fillWidth: true
                            implicitHeight: 132
                            orientation: ListView.Horizontal
                            spacing: 8
                            clip: true
                            boundsBehavior: Flickable.StopAtBounds
                            model: group.fileIds
                            delegate: Rectangle {
                                id: copy
                                objectName: "copy-" + index
                                readonly property string path: group.paths[index]
                                // Three cards side by side; more scroll.
                                width: Math.max(96, (ListView.view.width - 16) / 3)
                                height: 132
                                radius: 9
                                color: PanelStyle.window
                                border.width: 1
                                border.color: PanelStyle.border
                                ColumnLayout {
                                    anchors.fill: parent
                                    anchors.margins: 6
                                    spacing: 2
                                    FileThumbnail {
                                        Layout.alignment: Qt.AlignHCenter
                                        implicitWidth: 64
                                        implicitHeight: 52
                                        pathId: modelData
                                    }
                                    ElidedLabel {
                                        Layout.fillWidth: true
                                        horizontalAlignment: Text.AlignHCenter
                                        elide: Text.ElideMiddle
                                        mayElide: true
                                        text: view.nameOf(copy.path)
                                        font.pixelSize: PanelStyle.caption
                                        font.weight: Font.DemiBold
                                    }
                                    ElidedLabel {
                                        Layout.fillWidth: true
                                        horizontalAlignment: Text.AlignHCenter
                                        mayElide: true
                                        text: view.folderOf(copy.path)
                                        font.pixelSize: PanelStyle.caption2
                                        color: PanelStyle.secondaryText
                                    }
                                    PanelButton {
                                        objectName: "keepButton"
                                        Layout.fillWidth: true
                                        implicitHeight: 24
                                        leftPadding: 2
                                        kind: "link"
                                        text: qsTrId("dup.keepThis")
                                        ToolTip.visible: hovered
                                        ToolTip.text: qsTrId("dup.keepHelp")
                                        ToolTip.delay: 500
                                        onClicked: AppState.removeDuplicates(modelData, group.groupId)
                                    }
                                }
                            }
                        }
                    }
                }
            }
            OutcomeNote { section: "duplicates"; Layout.fillWidth: true }
            UnreadNote { section: "duplicates"; Layout.fillWidth: true }
            PanelButton {
                objectName: "removeAllButton"
                Layout.fillWidth: true
                kind: "prominent"
                symbol: "wand.and.stars"
                text: qsTrId("dup.removeAll")
                onClicked: AppState.removeAllDuplicates()
            }
        }
    }
}
