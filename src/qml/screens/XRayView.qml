// The X-Ray section: where the home's space went, by kind of file. The overview splits a bar
// among the kinds and lists them; choosing one lists its largest files with advice, each of
// which can be shown in the file browser or moved to the Trash. Everything shown comes from
// AppState; the states take precedence in this order: busy, empty, detail (while the chosen kind
// still has a category), overview.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "xrayView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property bool busy: AppState.isAnalyzing
    property var categories: AppState.diskCategories
    property real fileCount: AppState.analysisFileCount
    property string folder: AppState.analysisFolder
    // The kind whose files are shown; empty for the overview.
    property string selectedKind: ""
    // The listed files of the selected kind.
    property var detailFiles: AppState.diskFiles(selectedKind)

    // Bumped whenever the categories change, for what reads them row by row.
    property int revision: 0
    Connections {
        target: view.categories
        ignoreUnknownSignals: true
        function onModelReset() { view.revision++ }
        function onRowsRemoved() { view.revision++ }
        function onRowsInserted() { view.revision++ }
        function onDataChanged() { view.revision++ }
    }
    onCategoriesChanged: revision++

    // The row of the category of `kind`, or -1.
    function rowOf(kind) {
        for (let i = 0; categories && i < categories.count; ++i)
            if (categories.get(i, "kind") === kind) return i
        return -1
    }
    readonly property int detailRow: (revision, selectedKind !== "" ? rowOf(selectedKind) : -1)
    readonly property string screenState: busy ? "busy"
                                        : !categories || categories.count === 0 ? "empty"
                                        : detailRow >= 0 ? "detail" : "overview"

    // Each kind's symbol and colour.
    readonly property var kindStyle: ({
        images: { symbol: "photo.fill", color: "#e8b100" },
        videos: { symbol: "film.fill", color: "#e8467c" },
        audio: { symbol: "music.note", color: "#9b5de5" },
        documents: { symbol: "doc.fill", color: "#3a86ff" },
        archives: { symbol: "archivebox.fill", color: "#f3722c" },
        developer: { symbol: "terminal.fill", color: "#e63946" },
        other: { symbol: "questionmark.folder.fill", color: "#8e8e93" }
    })
    function styleOf(kind) {
        return kindStyle[kind] || kindStyle.other
    }

    Loader {
        objectName: "xrayState"
        anchors.fill: parent
        anchors.margins: 16
        sourceComponent: ({ busy: busyState, empty: emptyState, overview: overviewState,
                            detail: detailState })[view.screenState]
    }

    Component {
        id: busyState
        BusyState {
            text: qsTrId("xray.analyzing")
            section: "xray"
            filesLine: view.fileCount >= 1 ? qsTrId("xray.filesScanned", view.fileCount) : ""
            folderLine: view.folder !== "" ? qsTrId("xray.scanningIn").arg(view.folder) : ""
        }
    }

    Component {
        id: emptyState
        ColumnLayout {
            spacing: 8
            EmptyState {
                Layout.fillWidth: true
                Layout.fillHeight: true
                symbol: "chart.pie.fill"
                hint: qsTrId("xray.emptyHint")
                buttonText: qsTrId("xray.scanButton")
                buttonName: "analyzeButton"
                onActivated: AppState.runDiskAnalysis()
            }
            UnreadNote { section: "xray"; Layout.fillWidth: true }
        }
    }

    Component {
        id: overviewState
        ColumnLayout {
            spacing: 10
            // Each kind's share of the bytes counted, in list order, none narrower than 2 points.
            Rectangle {
                id: bar
                objectName: "shareBar"
                Layout.fillWidth: true
                implicitHeight: 14
                radius: 7
                color: PanelStyle.track
                clip: true
                readonly property real sum: sizes.total
                ListTotal {
                    id: sizes
                    model: view.categories
                    role: "size"
                }
                Row {
                    anchors.fill: parent
                    Repeater {
                        model: view.categories
                        delegate: Rectangle {
                            objectName: "share-" + model.kind
                            width: Math.max(2, bar.width * model.size / Math.max(1, bar.sum))
                            height: bar.height
                            color: view.styleOf(model.kind).color
                        }
                    }
                }
            }
            Card {
                Layout.fillWidth: true
                Layout.fillHeight: true
                ListView {
                    objectName: "categoryList"
                    anchors.fill: parent
                    anchors.margins: 4
                    clip: true
                    model: view.categories
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar {}
                    delegate: AbstractButton {
                        id: row
                        objectName: "category-" + model.kind
                        width: ListView.view.width
                        implicitHeight: 46
                        focusPolicy: Qt.StrongFocus
                        Accessible.role: Accessible.Button
                        Accessible.name: model.title
                        Keys.onReturnPressed: clicked()
                        Keys.onEnterPressed: clicked()
                        onClicked: view.selectedKind = model.kind
                        background: Rectangle {
                            radius: 8
                            color: row.down ? PanelStyle.pressed : row.hovered ? PanelStyle.hover : "transparent"
                            border.width: row.visualFocus ? 2 : 0
                            border.color: PanelStyle.accent
                        }
                        contentItem: RowLayout {
                            spacing: 10
                            Rectangle {
                                implicitWidth: 30
                                implicitHeight: 30
                                Layout.leftMargin: 6
                                radius: 8
                                color: view.styleOf(model.kind).color
                                SymbolIcon {
                                    anchors.centerIn: parent
                                    symbol: view.styleOf(model.kind).symbol
                                    size: 16
                                    color: "white"
                                }
                            }
                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 1
                                ElidedLabel {
                                    Layout.fillWidth: true
                                    text: model.title
                                    font.pixelSize: PanelStyle.body
                                    font.weight: Font.DemiBold
                                }
                                ElidedLabel {
                                    Layout.fillWidth: true
                                    text: qsTrId("xray.fileCount", model.fileCount)
                                    font.pixelSize: PanelStyle.caption
                                    color: PanelStyle.secondaryText
                                }
                            }
                            Label {
                                text: Fmt.bytes(model.size)
                                font.pixelSize: PanelStyle.body
                                font.weight: Font.DemiBold
                                color: PanelStyle.text
                            }
                            SymbolIcon {
                                Layout.rightMargin: 4
                                symbol: "chevron.right"
                                size: 16
                                color: PanelStyle.secondaryText
                            }
                        }
                    }
                }
            }
            OutcomeNote { section: "xray"; Layout.fillWidth: true }
            UnreadNote { section: "xray"; Layout.fillWidth: true }
            PanelButton {
                objectName: "rescanButton"
                Layout.fillWidth: true
                symbol: "arrow.triangle.2.circlepath"
                text: qsTrId("xray.rescan")
                onClicked: AppState.runDiskAnalysis()
            }
        }
    }

    Component {
        id: detailState
        ColumnLayout {
            objectName: "xrayDetail"
            spacing: 6
            RowLayout {
                Layout.fillWidth: true
                spacing: 6
                PanelButton {
                    objectName: "backButton"
                    kind: "link"
                    symbol: "chevron.left"
                    text: qsTrId("xray.back")
                    onClicked: view.selectedKind = ""
                }
                ElidedLabel {
                    objectName: "detailTitle"
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignRight
                    text: (view.revision, view.detailRow >= 0 ? view.categories.get(view.detailRow, "title") : "")
                    font.pixelSize: PanelStyle.headline
                    font.weight: Font.DemiBold
                }
            }
            Label {
                Layout.fillWidth: true
                text: qsTrId("xray.detailHint")
                wrapMode: Text.Wrap
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            Card {
                Layout.fillWidth: true
                Layout.fillHeight: true
                ListView {
                    id: fileList
                    objectName: "fileList"
                    anchors.fill: parent
                    anchors.margins: 4
                    clip: true
                    model: view.detailFiles
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar {}
                    delegate: Item {
                        id: fileRow
                        objectName: "file-" + index
                        width: ListView.view.width
                        implicitHeight: fileColumn.implicitHeight + 14
                        RowLayout {
                            anchors.fill: parent
                            anchors.leftMargin: 8
                            anchors.rightMargin: 4
                            spacing: 8
                            FileThumbnail {
                                implicitWidth: 32
                                implicitHeight: 32
                                pathId: model.pathId
                                placeholder: view.styleOf(view.selectedKind).symbol
                            }
                            // A plain column: a wrapped line's height follows the width it
                            // finally gets, where a layout keeps what it measured on the way.
                            Column {
                                id: fileColumn
                                Layout.fillWidth: true
                                Layout.preferredWidth: 0
                                spacing: 1
                                RowLayout {
                                    width: fileColumn.width
                                    spacing: 6
                                    ElidedLabel {
                                        Layout.fillWidth: true
                                        mayElide: true
                                        text: model.name
                                        font.pixelSize: PanelStyle.body
                                        font.weight: Font.DemiBold
                                    }
                                    Label {
                                        text: Fmt.bytes(model.size)
                                        font.pixelSize: PanelStyle.caption
                                        font.weight: Font.DemiBold
                                        color: PanelStyle.text
                                    }
                                }
                                WrappingLabel {
                                    width: fileColumn.width
                                    text: model.lastUsed ? qsTrId("xray.lastOpened").arg(Fmt.relative(model.lastUsed))
                                                         : qsTrId("xray.neverOpened")
                                    font.pixelSize: PanelStyle.caption
                                    color: PanelStyle.secondaryText
                                }
                                RowLayout {
                                    visible: model.advice !== ""
                                    width: fileColumn.width
                                    spacing: 5
                                    Label {
                                        objectName: "badge"
                                        Layout.alignment: Qt.AlignTop
                                        text: model.badge
                                        leftPadding: 5
                                        rightPadding: 5
                                        font.pixelSize: PanelStyle.caption2
                                        font.weight: Font.DemiBold
                                        readonly property color tone: model.advice === "stale" || model.advice === "huge"
                                                                      ? PanelStyle.orange : PanelStyle.green
                                        color: tone
                                        background: Rectangle {
                                            radius: 4
                                            color: Qt.rgba(parent.tone.r, parent.tone.g, parent.tone.b, 0.14)
                                        }
                                    }
                                    WrappingLabel {
                                        text: model.adviceMessage
                                        font.pixelSize: PanelStyle.caption2
                                        color: PanelStyle.secondaryText
                                    }
                                }
                            }
                            IconButton {
                                objectName: "revealButton"
                                symbol: "magnifyingglass"
                                help: qsTrId("xray.reveal")
                                onClicked: FileBrowser.reveal(model.pathId)
                            }
                            IconButton {
                                objectName: "trashButton"
                                symbol: "trash"
                                help: qsTrId("xray.trash")
                                onClicked: AppState.trashDiskFile(model.id, view.selectedKind)
                            }
                        }
                    }
                }
            }
            OutcomeNote { section: "xray"; Layout.fillWidth: true }
        }
    }
}
