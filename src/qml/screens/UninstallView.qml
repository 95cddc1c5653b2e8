// The uninstall section: pick an installed application from the list (searched by name) or drop
// its desktop entry or AppImage from the file manager, see what it left on the system, and move
// it with the chosen leftovers to the Trash. Everything shown comes from AppState; the states
// take precedence in this order: inspecting, results, picker.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "uninstallView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property bool busy: AppState.isInspecting
    // Confirmed and under way: the plan stays as it is until the answer.
    property bool uninstalling: AppState.isUninstalling
    property var target: AppState.uninstallTarget
    property var apps: AppState.installedApps
    // The search text, and whether a drag hovers over the drop zone.
    property string search: ""
    property bool isTargeted: false

    readonly property string screenState: busy ? "inspecting" : target ? "results" : "picker"

    // A drop: only the first file is looked at; AppState inspects it when it is an application.
    function dropFiles(urls) {
        if (urls.length > 0) AppState.inspectDroppedFile(urls[0])
    }

    // The list is read again whenever the screen is shown.
    Component.onCompleted: AppState.loadInstalledApps()
    Connections {
        target: view.Window.window
        ignoreUnknownSignals: true
        function onVisibleChanged() {
            if (view.Window.window.visible) AppState.loadInstalledApps()
        }
    }

    NameFilterModel {
        id: filtered
        sourceModel: view.apps
        search: view.search
    }

    Loader {
        objectName: "uninstallState"
        anchors.fill: parent
        anchors.margins: 16
        sourceComponent: ({ inspecting: busyState, results: resultsState, picker: pickerState })[view.screenState]
    }

    Component {
        id: busyState
        BusyState {
            text: qsTrId("un.inspecting")
            section: "uninstall"
        }
    }

    Component {
        id: pickerState
        ColumnLayout {
            spacing: 8
            TextField {
                id: searchField
                objectName: "searchField"
                Layout.fillWidth: true
                implicitHeight: 32
                leftPadding: 32
                placeholderText: qsTrId("un.searchApps")
                text: view.search
                font.pixelSize: PanelStyle.body
                color: PanelStyle.text
                onTextChanged: view.search = text
                background: Rectangle {
                    radius: 9
                    color: PanelStyle.surface
                    border.width: searchField.activeFocus ? 2 : 1
                    border.color: searchField.activeFocus ? PanelStyle.accent : PanelStyle.divider
                }
                SymbolIcon {
                    x: searchField.mirrored ? searchField.width - width - 10 : 10
                    anchors.verticalCenter: parent.verticalCenter
                    symbol: "magnifyingglass"
                    size: 15
                    color: PanelStyle.secondaryText
                }
            }
            Rectangle {
                objectName: "dropZone"
                Layout.fillWidth: true
                implicitHeight: Math.max(58, dropRow.implicitHeight + 16)
                radius: 12
                color: view.isTargeted ? Qt.rgba(PanelStyle.accent.r, PanelStyle.accent.g, PanelStyle.accent.b, 0.14)
                                       : "transparent"
                border.width: view.isTargeted ? 2 : 1
                border.color: view.isTargeted ? PanelStyle.accent : PanelStyle.divider
                RowLayout {
                    id: dropRow
                    anchors.fill: parent
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14
                    spacing: 10
                    SymbolIcon {
                        symbol: "tray.and.arrow.down.fill"
                        size: 22
                        color: view.isTargeted ? PanelStyle.accent : PanelStyle.secondaryText
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 1
                        WrappingLabel {
                            text: qsTrId("un.dropTitle")
                            font.pixelSize: PanelStyle.body
                            font.weight: Font.DemiBold
                        }
                        WrappingLabel {
                            text: qsTrId("un.dropHint")
                            font.pixelSize: PanelStyle.caption
                            color: PanelStyle.secondaryText
                        }
                    }
                }
                DropArea {
                    anchors.fill: parent
                    onEntered: (drag) => {
                        drag.accepted = drag.hasUrls
                        view.isTargeted = drag.hasUrls
                    }
                    onExited: view.isTargeted = false
                    onDropped: (drop) => {
                        view.isTargeted = false
                        if (!drop.hasUrls) return
                        drop.acceptProposedAction()
                        view.dropFiles(drop.urls)
                    }
                }
            }
            Card {
                Layout.fillWidth: true
                Layout.fillHeight: true
                ListView {
                    objectName: "appList"
                    anchors.fill: parent
                    anchors.margins: 4
                    clip: true
                    model: filtered
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar {}
                    delegate: AbstractButton {
                        id: appRow
                        objectName: "app-" + index
                        width: ListView.view.width
                        implicitHeight: 40
                        focusPolicy: Qt.StrongFocus
                        Accessible.role: Accessible.Button
                        Accessible.name: model.name
                        Keys.onReturnPressed: clicked()
                        Keys.onEnterPressed: clicked()
                        onClicked: AppState.inspectApp(model.id)
                        background: Rectangle {
                            radius: 8
                            color: appRow.down ? PanelStyle.pressed : appRow.hovered ? PanelStyle.hover : "transparent"
                            border.width: appRow.visualFocus ? 2 : 0
                            border.color: PanelStyle.accent
                        }
                        contentItem: RowLayout {
                            spacing: 10
                            Image {
                                Layout.leftMargin: 6
                                Layout.preferredWidth: 26
                                Layout.preferredHeight: 26
                                asynchronous: true
                                sourceSize: Qt.size(52, 52)
                                fillMode: Image.PreserveAspectFit
                                source: FileImages.appIcon(model.id)
                            }
                            ElidedLabel {
                                Layout.fillWidth: true
                                mayElide: true
                                text: model.name
                                font.pixelSize: PanelStyle.body
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
            OutcomeNote { section: "uninstall"; Layout.fillWidth: true }
        }
    }

    Component {
        id: resultsState
        ColumnLayout {
            spacing: 6
            ElidedLabel {
                objectName: "appName"
                Layout.fillWidth: true
                mayElide: true
                text: view.target.appName
                font.pixelSize: PanelStyle.headline + 3
                font.weight: Font.Bold
            }
            WrappingLabel {
                objectName: "summary"
                text: qsTrId("un.summary", view.target.leftovers.count).arg(Fmt.bytes(view.target.totalSize))
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 5
                SymbolIcon {
                    symbol: "checkmark.shield.fill"
                    size: 13
                    color: view.target.bundleID ? PanelStyle.green : PanelStyle.orange
                }
                WrappingLabel {
                    objectName: "matchLabel"
                    text: view.target.bundleID ? qsTrId("un.matchedSafe") : qsTrId("un.noBundleID")
                    font.pixelSize: PanelStyle.caption
                    color: PanelStyle.secondaryText
                }
            }
            Card {
                Layout.fillWidth: true
                Layout.fillHeight: true
                Flickable {
                    anchors.fill: parent
                    anchors.margins: 4
                    clip: true
                    contentHeight: resultColumn.height
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar {}
                    Column {
                        id: resultColumn
                        width: parent.width
                        // The application itself, as the system keeps it.
                        RowLayout {
                            objectName: "appRow"
                            width: resultColumn.width
                            height: implicitHeight + 14
                            spacing: 10
                            Image {
                                Layout.leftMargin: 8
                                Layout.preferredWidth: 22
                                Layout.preferredHeight: 22
                                asynchronous: true
                                sourceSize: Qt.size(44, 44)
                                source: FileImages.appIcon(view.target.appId)
                            }
                            // A plain column: a wrapped line's height follows the width it
                            // finally gets, where a layout keeps what it measured on the way.
                            Column {
                                id: appTexts
                                Layout.fillWidth: true
                                Layout.preferredWidth: 0
                                spacing: 1
                                ElidedLabel {
                                    width: appTexts.width
                                    mayElide: true
                                    text: view.target.appName
                                    font.pixelSize: PanelStyle.body
                                    font.weight: Font.DemiBold
                                }
                                WrappingLabel {
                                    objectName: "removalNote"
                                    width: appTexts.width
                                    text: view.target.noteKey !== "" ? qsTrId("un.systemManaged")
                                        : view.target.removal.startsWith("flatpak") ? qsTrId("un.flatpak")
                                        : qsTrId("un.appBundle")
                                    font.pixelSize: PanelStyle.caption
                                    color: view.target.noteKey !== "" ? PanelStyle.orange : PanelStyle.secondaryText
                                }
                                ElidedLabel {
                                    width: appTexts.width
                                    mayElide: true
                                    text: "\u202A" + view.target.appPath + "\u202C"
                                    elide: Text.ElideMiddle
                                    font.pixelSize: PanelStyle.caption2
                                    color: PanelStyle.secondaryText
                                }
                            }
                            Label {
                                Layout.rightMargin: 12
                                text: Fmt.bytes(view.target.appSize)
                                font.pixelSize: PanelStyle.body
                                font.weight: Font.DemiBold
                                color: PanelStyle.text
                            }
                        }
                        Repeater {
                            model: view.target.leftovers
                            delegate: CheckRow {
                                objectName: "leftover-" + index
                                width: resultColumn.width
                                checked: model.isSelected
                                title: model.name
                                subtitle: qsTrId("un.kind." + model.kind)
                                detail: model.path
                                badge: model.matchedByName ? qsTrId("un.byName") : ""
                                trailing: Fmt.bytes(model.size)
                                enabled: !view.uninstalling
                                onClicked: AppState.toggleLeftover(model.id)
                            }
                        }
                    }
                }
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                PanelButton {
                    objectName: "cancelButton"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    text: qsTrId("common.cancel")
                    enabled: !view.uninstalling
                    onClicked: AppState.cancelUninstall()
                }
                PanelButton {
                    objectName: "uninstallButton"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    kind: "prominent"
                    symbol: "trash.fill"
                    text: qsTrId("un.uninstall")
                    enabled: !view.uninstalling
                    onClicked: AppState.confirmUninstall(false)
                }
            }
        }
    }

    PanelDialog {
        id: runningAlert
        objectName: "runningAlert"
        title: qsTrId("un.runningTitle")
        message: qsTrId("un.runningMessage")
        buttonText: qsTrId("common.cancel")
        confirmText: qsTrId("un.quitAndRemove")
        destructive: true
        onConfirmed: AppState.confirmUninstall(true)
        onClosed: AppState.showAppRunningAlert = false
    }
    Connections {
        target: AppState
        function onShowAppRunningAlertChanged() {
            if (AppState.showAppRunningAlert) runningAlert.open()
        }
    }
    Component.onDestruction: if (runningAlert.opened) runningAlert.close()
}
