// The developer section: build outputs by project, those used within the protection window kept
// out of reach; each project opens to list its outputs, and the ticked outputs are deleted. Everything shown comes
// from AppState; the states take precedence in this order: busy, result, cleaned, idle.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Item {
    id: view
    objectName: "developerView"

    // What the screen shows, bound to AppState (a test may bind them to anything).
    property bool busy: AppState.isScanningDev
    property var result: AppState.developerResult
    property var freed: AppState.lastDevFreed
    // The windows the protection menu offers, in days.
    readonly property var windows: [3, 7, 10, 14, 30]
    // The project whose outputs are listed ("idle:" or "active:" and its id); view-local.
    property string openProject: ""

    readonly property string screenState: busy ? "busy"
                                        : result ? "result"
                                        : freed !== undefined && freed !== null ? "cleaned"
                                        : "idle"
    readonly property bool hasCleanable: result ? result.projects.count > result.activeCount : false

    // The protected message: the first two active projects by name, and how many more.
    function protectedMessage(names) {
        if (names.length === 1) return qsTrId("dev.protectedOne").arg(names[0])
        let joined = names.slice(0, 2).join(", ")
        if (names.length >= 3) joined += " +" + Fmt.integer(names.length - 2)
        return qsTrId("dev.protectedMany").arg(joined)
    }

    Loader {
        objectName: "developerState"
        anchors.fill: parent
        anchors.margins: 16
        sourceComponent: ({ busy: busyState, result: view.hasCleanable ? resultState : noJunkState,
                            cleaned: cleanedState, idle: idleState })[view.screenState]
    }

    Component {
        id: busyState
        BusyState {
            text: qsTrId("dev.inspecting")
            section: "developer"
        }
    }

    Component {
        id: idleState
        ColumnLayout {
            spacing: 8
            EmptyState {
                Layout.fillWidth: true
                Layout.fillHeight: true
                symbol: "hammer.fill"
                title: qsTrId("dev.title")
                hint: qsTrId("dev.description")
                buttonText: qsTrId("dev.scan")
                buttonSymbol: "magnifyingglass"
                buttonName: "scanButton"
                onActivated: AppState.runDeveloperScan()
            }
        }
    }

    // A result without anything to clean; scanning again is the way on.
    Component {
        id: noJunkState
        ColumnLayout {
            spacing: 8
            EmptyState {
                Layout.fillWidth: true
                Layout.fillHeight: true
                symbol: "checkmark.seal.fill"
                title: qsTrId("dev.noJunkTitle")
                hint: qsTrId("dev.noJunkMessage")
                buttonText: qsTrId("common.scanAgain")
                buttonName: "scanAgainButton"
                onActivated: AppState.runDeveloperScan()
            }
            UnreadNote { section: "developer"; Layout.fillWidth: true }
        }
    }

    Component {
        id: resultState
        ColumnLayout {
            spacing: 8
            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                WrappingLabel {
                    objectName: "reclaimable"
                    text: qsTrId("dev.reclaimable").arg(Fmt.bytes(view.result.cleanableSize))
                    font.pixelSize: PanelStyle.headline
                    font.weight: Font.Bold
                }
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 6
                SymbolIcon {
                    symbol: "shield.lefthalf.filled"
                    size: 14
                    color: PanelStyle.secondaryText
                }
                WrappingLabel {
                    text: qsTrId("dev.protectWindow")
                    font.pixelSize: PanelStyle.caption
                    color: PanelStyle.secondaryText
                }
                ComboBox {
                    id: windowMenu
                    // As wide as the chosen entry's words, which the style's own width may not be.
                    Layout.preferredWidth: Math.max(implicitWidth, chosenText.advanceWidth + leftPadding
                                                    + rightPadding + contentItem.leftPadding
                                                    + contentItem.rightPadding + 2)
                    TextMetrics {
                        id: chosenText
                        font: windowMenu.font
                        text: windowMenu.displayText
                    }
                    objectName: "protectWindow"
                    implicitHeight: 26
                    model: view.windows
                    displayText: qsTrId("dev.days", AppState.developerProtectionDays)
                    currentIndex: view.windows.indexOf(AppState.developerProtectionDays)
                    font.pixelSize: PanelStyle.caption
                    Accessible.name: qsTrId("dev.protectWindow")
                    delegate: ItemDelegate {
                        required property int modelData
                        width: windowMenu.width
                        text: qsTrId("dev.days", modelData)
                        font.pixelSize: PanelStyle.caption
                        highlighted: windowMenu.highlightedIndex === view.windows.indexOf(modelData)
                    }
                    onActivated: (index) => AppState.developerProtectionDays = view.windows[index]
                }
            }
            RowLayout {
                objectName: "protectedBanner"
                visible: view.result.activeNames.length > 0
                Layout.fillWidth: true
                spacing: 6
                SymbolIcon {
                    symbol: "shield.fill"
                    size: 13
                    color: PanelStyle.green
                }
                ElidedLabel {
                    objectName: "protectedText"
                    mayElide: true  // the names of the projects
                    Layout.fillWidth: true
                    text: view.result.activeNames.length > 0 ? view.protectedMessage(view.result.activeNames) : ""
                    font.pixelSize: PanelStyle.caption
                    color: PanelStyle.secondaryText
                }
            }
            Card {
                Layout.fillWidth: true
                Layout.fillHeight: true
                Flickable {
                    objectName: "projectList"
                    anchors.fill: parent
                    anchors.margins: 4
                    clip: true
                    contentHeight: projectColumn.height
                    boundsBehavior: Flickable.StopAtBounds
                    ScrollBar.vertical: ScrollBar {}
                    // The idle projects first, then those in use, each in list order; a project
                    // opens to list its outputs, each with its tick (one project open at a time).
                    Column {
                        id: projectColumn
                        width: parent.width
                        Repeater {
                            model: view.result.idleGroups
                            delegate: Column {
                                id: idleProject
                                readonly property string key: "idle:" + model.id
                                width: projectColumn.width
                                CheckRow {
                                    objectName: "cleanable-" + index
                                    width: parent.width
                                    openable: true
                                    open: view.openProject === idleProject.key
                                    checked: model.selectedCount === model.count
                                    partial: model.selectedCount > 0 && !checked
                                    title: model.name
                                    subtitle: qsTrId("dev.lastOpenedSafe").arg(Fmt.relative(model.lastActivity))
                                    detail: model.path
                                    trailing: Fmt.bytes(model.size)
                                    onClicked: view.openProject = open ? "" : idleProject.key
                                    onTickToggled: AppState.toggleDeveloperGroup(model.id)
                                }
                                Column {
                                    objectName: "outputs-" + index
                                    visible: view.openProject === idleProject.key
                                    anchors.left: parent.left
                                    anchors.right: parent.right
                                    anchors.leftMargin: 24
                                    anchors.rightMargin: 26  // the sizes in line with the project's
                                    Repeater {
                                        model: view.result.outputsIn(false, index)
                                        delegate: CheckRow {
                                            objectName: "output-" + index
                                            width: parent.width
                                            checked: model.isSelected
                                            // A place in the project reads left to right in every language.
                                            title: "\u202A" + model.place + "\u202C"
                                            trailing: Fmt.bytes(model.size)
                                            onClicked: AppState.toggleDeveloperProject(model.id)
                                        }
                                    }
                                }
                            }
                        }
                        Repeater {
                            model: view.result.activeGroups
                            delegate: Column {
                                id: activeProject
                                readonly property string key: "active:" + model.id
                                width: projectColumn.width
                                CheckRow {
                                    objectName: "active-" + index
                                    width: parent.width
                                    selectable: false
                                    openable: true
                                    open: view.openProject === activeProject.key
                                    title: model.name
                                    subtitle: qsTrId("dev.activeLastOpened").arg(Fmt.relative(model.lastActivity))
                                    detail: model.path
                                    trailing: Fmt.bytes(model.size)
                                    onClicked: view.openProject = open ? "" : activeProject.key
                                }
                                Column {
                                    visible: view.openProject === activeProject.key
                                    anchors.left: parent.left
                                    anchors.right: parent.right
                                    anchors.leftMargin: 24
                                    anchors.rightMargin: 26  // the sizes in line with the project's
                                    Repeater {
                                        model: view.result.outputsIn(true, index)
                                        delegate: CheckRow {
                                            width: parent.width
                                            selectable: false
                                            title: "\u202A" + model.place + "\u202C"
                                            trailing: Fmt.bytes(model.size)
                                        }
                                    }
                                }
                            }
                        }
                    }
                }
            }
            UnreadNote { section: "developer"; Layout.fillWidth: true }
            PanelButton {
                objectName: "cleanButton"
                Layout.fillWidth: true
                kind: "prominent"
                text: view.result.selectedSize >= 1
                      ? qsTrId("dev.cleanButton").arg(Fmt.bytes(view.result.selectedSize))
                      : qsTrId("dev.selectPrompt")
                enabled: view.result.selectedSize >= 1
                onClicked: AppState.runDeveloperClean()
            }
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
                    anchors.centerIn: parent
                    symbol: "checkmark.circle.fill"
                    size: 56
                    color: PanelStyle.green
                }
            }
            Label {
                objectName: "reclaimed"
                Layout.fillWidth: true
                Layout.topMargin: 6
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTrId("dev.reclaimed").arg(Fmt.bytes(view.freed !== undefined && view.freed !== null ? view.freed : 0))
                font.pixelSize: PanelStyle.headline + 5
                font.weight: Font.Bold
                color: PanelStyle.text
            }
            Label {
                Layout.fillWidth: true
                Layout.topMargin: 4
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTrId("dev.activeUntouched")
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            OutcomeNote { section: "developer"; Layout.fillWidth: true; Layout.topMargin: 12 }
            Item { Layout.fillHeight: true }
            PanelButton {
                objectName: "scanAgainButton"
                Layout.fillWidth: true
                text: qsTrId("common.scanAgain")
                onClicked: AppState.runDeveloperScan()
            }
        }
    }
}
