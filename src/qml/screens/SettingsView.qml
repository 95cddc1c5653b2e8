// The settings: appearance, language, protected folders, the schedule (with starting at login),
// sounds, updates and the version, one card each. Every control is bound to the object that owns
// its value, which stores it the moment it changes: there is nothing to apply or cancel.
import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import Tornivo

ScrollView {
    id: view
    objectName: "settingsView"

    readonly property var schedule: AppState.schedule
    readonly property var updates: AppState.updates
    readonly property var exclusions: AppState.exclusions
    // Counts the minutes while the screen is shown, so that "5 minutes ago" moves on.
    property int minutes: 0

    // An entry of the language menu: the chosen one carries a check mark at the start of the
    // line. The menu opens above the panel's mirrored content, so it mirrors itself.
    component LanguageItem: MenuItem {
        id: entry
        property string languageCode
        LayoutMirroring.enabled: LocalizationManager.layoutDirection === Qt.RightToLeft
        checkable: true
        checked: LocalizationManager.code === languageCode
        onTriggered: LocalizationManager.code = languageCode
        indicator: SymbolIcon {
            x: entry.mirrored ? entry.width - width - entry.rightPadding : entry.leftPadding
            y: entry.topPadding + (entry.availableHeight - height) / 2
            width: 16
            opacity: entry.checked ? 1 : 0
            symbol: "checkmark"
            size: 14
            color: entry.highlighted ? "white" : PanelStyle.accent
        }
    }

    contentWidth: availableWidth
    contentHeight: cards.implicitHeight + 24
    clip: true

    ColumnLayout {
        id: cards
        x: 12
        y: 12
        width: view.availableWidth - 24
        spacing: 12

        SettingsCard {
            objectName: "card-appearance"
            Layout.fillWidth: true
            symbol: "paintpalette.fill"
            title: qsTrId("settings.appearance")

            Label {
                text: qsTrId("settings.accent")
                horizontalAlignment: Text.AlignLeft
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            Row {
                spacing: 10
                Repeater {
                    model: ThemeManager.presets
                    delegate: AbstractButton {
                        id: swatch
                        objectName: "swatch-" + modelData.id
                        readonly property bool chosen: ThemeManager.accentID === modelData.id
                        width: 20
                        height: 20
                        focusPolicy: Qt.StrongFocus
                        Accessible.role: Accessible.RadioButton
                        Accessible.name: qsTrId(modelData.nameKey)
                        Accessible.checked: chosen
                        ToolTip.visible: hovered
                        ToolTip.text: Accessible.name
                        ToolTip.delay: 500
                        onClicked: ThemeManager.accentID = modelData.id
                        Keys.onReturnPressed: clicked()
                        Keys.onEnterPressed: clicked()

                        background: Rectangle {
                            radius: width / 2
                            color: modelData.color
                            border.width: swatch.visualFocus ? 2 : 0
                            border.color: PanelStyle.text
                        }
                        contentItem: SymbolIcon {
                            visible: swatch.chosen
                            symbol: "checkmark"
                            size: 13
                            font.weight: Font.Bold
                            color: "white"
                        }
                    }
                }
            }
            SegmentedPicker {
                objectName: "appearancePicker"
                Layout.fillWidth: true
                Layout.topMargin: 4
                options: ThemeManager.appearances
                current: ThemeManager.appearance
                onPicked: (id) => ThemeManager.appearance = id
            }
        }

        SettingsCard {
            objectName: "card-language"
            Layout.fillWidth: true
            symbol: "globe"
            title: qsTrId("settings.language")

            PanelButton {
                id: languageButton
                objectName: "languageButton"
                Layout.fillWidth: true
                implicitHeight: 30
                // The chosen language: "system" in words of the language, any other by its own
                // name, and a stored code that names no language as it is.
                text: {
                    const code = LocalizationManager.code
                    if (code === "system") return qsTrId("settings.lang.system")
                    const known = LocalizationManager.languages.find(l => l.code === code)
                    return known ? known.name : code
                }
                Accessible.name: qsTrId("settings.language") + ": " + text
                onClicked: languageMenu.open()
                font.weight: Font.Normal
                leftPadding: 12
                rightPadding: 8
                // The pop-up menu's look: the choice at the start, the arrows at the end.
                contentItem: RowLayout {
                    spacing: 6
                    Label {
                        // A language's own name, or a stored code as it is.
                        readonly property bool mayElide: true
                        Layout.fillWidth: true
                        text: languageButton.text
                        font: languageButton.font
                        color: PanelStyle.text
                        elide: Text.ElideRight
                        horizontalAlignment: Text.AlignLeft
                    }
                    SymbolIcon {
                        symbol: "chevron.up.chevron.down"
                        size: 15
                        color: PanelStyle.secondaryText
                    }
                }

                Menu {
                    id: languageMenu
                    objectName: "languageMenu"
                    y: languageButton.height
                    width: languageButton.width
                    onVisibleChanged: TrayShell.setDialogOpen(languageMenu, visible)

                    LanguageItem {
                        objectName: "language-system"
                        languageCode: "system"
                        text: qsTrId("settings.lang.system")
                    }
                    MenuSeparator {}
                    Instantiator {
                        model: LocalizationManager.languages
                        delegate: LanguageItem {
                            objectName: "language-" + modelData.code
                            languageCode: modelData.code
                            text: modelData.name  // its own name, never translated
                        }
                        onObjectAdded: (index, item) => languageMenu.insertItem(index + 2, item)
                        onObjectRemoved: (index, item) => languageMenu.removeItem(item)
                    }
                }
            }
        }

        SettingsCard {
            objectName: "card-protected"
            Layout.fillWidth: true
            symbol: "lock.shield.fill"
            title: qsTrId("settings.protected")

            Label {
                Layout.fillWidth: true
                text: qsTrId("settings.protectedHint")
                horizontalAlignment: Text.AlignLeft
                wrapMode: Text.Wrap
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            Label {
                objectName: "protectedProblem"
                Layout.fillWidth: true
                visible: view.exclusions.problem.length > 0
                text: view.exclusions.problem
                horizontalAlignment: Text.AlignLeft
                wrapMode: Text.Wrap
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.orange
            }
            Label {
                objectName: "protectedEmpty"
                Layout.fillWidth: true
                visible: folderRows.count === 0
                wrapMode: Text.Wrap
                text: qsTrId("settings.protectedEmpty")
                horizontalAlignment: Text.AlignLeft
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            Repeater {
                id: folderRows
                model: view.exclusions.folders
                delegate: RowLayout {
                    objectName: "protectedRow"
                    Layout.fillWidth: true
                    spacing: 6
                    SymbolIcon {
                        symbol: "folder.fill"
                        size: 14
                        color: PanelStyle.accent
                    }
                    ElidedLabel {
                        objectName: "protectedPath"
                        mayElide: true
                        Layout.fillWidth: true
                        // A path reads left to right in every language.
                        text: "\u202A" + view.exclusions.shownPath(model.id) + "\u202C"
                        elide: Text.ElideMiddle
                        font.pixelSize: PanelStyle.caption
                    }
                    IconButton {
                        objectName: "removeProtected"
                        implicitWidth: 22
                        implicitHeight: 22
                        symbol: "xmark.circle.fill"
                        symbolSize: 14
                        help: qsTrId("settings.protectedRemove")
                        onClicked: view.exclusions.removeFolder(model.id)
                    }
                }
            }
            PanelButton {
                objectName: "addProtected"
                kind: "link"
                leftPadding: 0
                symbol: "plus"
                text: qsTrId("settings.protectedAdd")
                enabled: !FolderChooser.busy && !folderDialog.visible
                onClicked: FolderChooser.choose(view.Window.window)
            }
        }

        SettingsCard {
            objectName: "card-schedule"
            Layout.fillWidth: true
            symbol: "clock.badge.checkmark.fill"
            title: qsTrId("settings.schedule")

            Label {
                Layout.fillWidth: true
                text: qsTrId("settings.scheduleHint")
                horizontalAlignment: Text.AlignLeft
                wrapMode: Text.Wrap
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
            SegmentedPicker {
                objectName: "intervalPicker"
                Layout.fillWidth: true
                options: view.schedule.intervals
                current: view.schedule.interval
                onPicked: (id) => view.schedule.interval = id
            }
            // Hidden, not reset, while nothing runs on a schedule.
            SettingRow {
                objectName: "autoCleanRow"
                Layout.fillWidth: true
                visible: view.schedule.interval !== "off"
                text: qsTrId("settings.autoClean")
                hint: qsTrId("settings.autoCleanHint")
                checked: view.schedule.autoClean
                onToggled: (on) => view.schedule.autoClean = on
            }
            // Shown whatever the interval: every banner follows it, not only the schedule's.
            SettingRow {
                objectName: "desktopBannersRow"
                Layout.fillWidth: true
                text: qsTrId("settings.desktopBanners")
                hint: qsTrId("settings.desktopBannersHint")
                checked: view.schedule.bannerStyle === "desktop"
                onToggled: (on) => view.schedule.bannerStyle = on ? "desktop" : "window"
            }
            // Anchored rather than laid out in a row: a wrapped line's height follows the width
            // it finally gets, where a row layout keeps what it measured on the way.
            Item {
                Layout.fillWidth: true
                implicitHeight: Math.max(lastRunLabel.implicitHeight, testBannerButton.implicitHeight)
                WrappingLabel {
                    id: lastRunLabel
                    objectName: "lastRun"
                    anchors.left: parent.left
                    anchors.right: testBannerButton.left
                    anchors.rightMargin: 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: {
                        void view.minutes
                        const last = view.schedule.lastRun
                        return last && !isNaN(last.getTime())
                               ? qsTrId("settings.lastRun").arg(Fmt.relative(last))
                               : qsTrId("settings.lastRunNever")
                    }
                    font.pixelSize: PanelStyle.caption
                    color: PanelStyle.secondaryText
                }
                PanelButton {
                    id: testBannerButton
                    objectName: "testBanner"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    kind: "link"
                    rightPadding: 0
                    text: qsTrId("settings.testBanner")
                    onClicked: BannerCenter.show("sparkles", qsTrId("banner.testTitle"),
                                                 qsTrId("banner.testMessage"))
                }
            }
            // Scheduled scans run only while Tornivo runs: starting it at login keeps them going.
            SettingRow {
                objectName: "startAtLoginRow"
                Layout.fillWidth: true
                text: qsTrId("settings.startAtLogin")
                hint: qsTrId("settings.startAtLoginHint")
                checked: Autostart.enabled
                onToggled: (on) => Autostart.enabled = on
            }
        }

        SettingsCard {
            objectName: "card-sounds"
            Layout.fillWidth: true
            symbol: "speaker.wave.2.fill"
            title: qsTrId("settings.sounds")

            // No cue here when sounds come on: the header's button plays one.
            SettingRow {
                objectName: "soundsRow"
                Layout.fillWidth: true
                text: qsTrId("settings.sounds")
                checked: AppState.soundEnabled
                onToggled: (on) => AppState.soundEnabled = on
            }
        }

        SettingsCard {
            objectName: "card-updates"
            Layout.fillWidth: true
            symbol: "arrow.triangle.2.circlepath"
            title: qsTrId("settings.updates")

            Label {
                objectName: "updateStatus"
                Layout.fillWidth: true
                text: {
                    switch (view.updates.state) {
                    case "upToDate":
                        return qsTrId("settings.upToDate").arg(view.updates.currentVersion)
                    case "failed":
                        return qsTrId("settings.updateFailed")
                    case "available":
                        return qsTrId("settings.updateAvailable").arg(view.updates.newVersion)
                    default:
                        return qsTrId("settings.currentVersion").arg(view.updates.currentVersion)
                    }
                }
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignLeft
                font.pixelSize: PanelStyle.caption
                color: view.updates.state === "available" ? PanelStyle.orange
                                                          : PanelStyle.secondaryText
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                // Always an https address: the checker gives its own site for anything else.
                PanelButton {
                    objectName: "downloadLink"
                    visible: view.updates.state === "available"
                    kind: "link"
                    text: qsTrId("settings.download")
                    onClicked: Qt.openUrlExternally(view.updates.downloadAddress)
                }
                Item { Layout.fillWidth: true }
                PanelButton {
                    objectName: "checkButton"
                    implicitHeight: 28
                    font.pixelSize: PanelStyle.caption
                    text: view.updates.state === "checking" ? qsTrId("settings.checking")
                                                            : qsTrId("settings.checkUpdate")
                    enabled: view.updates.state !== "checking"
                    onClicked: view.updates.check(false)
                }
            }
        }

        SettingsCard {
            objectName: "card-about"
            Layout.fillWidth: true
            symbol: "info.circle.fill"
            title: qsTrId("settings.about")

            Label {
                objectName: "version"
                text: qsTrId("settings.version").arg(view.updates.currentVersion)
                horizontalAlignment: Text.AlignLeft
                font.pixelSize: PanelStyle.caption
                color: PanelStyle.secondaryText
            }
        }
    }

    // Where no portal answers: Qt's own folder dialog, one folder at a time.
    FolderDialog {
        id: folderDialog
        title: qsTrId("settings.protected")
        acceptLabel: qsTrId("settings.protectedAdd")
        currentFolder: FolderChooser.startFolder
        onAccepted: view.exclusions.addFolders([selectedFolder])
        onVisibleChanged: TrayShell.setDialogOpen(folderDialog, visible)
    }
    Connections {
        target: FolderChooser
        function onPortalUnavailable() { folderDialog.open() }
        // The portal's window takes the focus: the panel stays open meanwhile.
        function onBusyChanged() { TrayShell.setDialogOpen(view, FolderChooser.busy) }
    }
    Timer {
        interval: 60000
        repeat: true
        running: view.visible
        onTriggered: ++view.minutes
    }
    // Another program may have added or removed the entry meanwhile.
    Component.onCompleted: Autostart.refresh()
}
