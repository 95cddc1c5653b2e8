// The panel: header, live figures, the most useful advice, the section tabs and the selected
// section's screen. The tray shell shows it next to the tray icon, or as an ordinary window when
// there is no tray; it lays out right to left for Arabic and Hebrew, at once.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

ApplicationWindow {
    id: panel
    objectName: "panel"
    width: 380
    height: 560
    visible: false
    title: "Tornivo"
    color: PanelStyle.window

    palette {
        window: PanelStyle.window
        windowText: PanelStyle.text
        base: PanelStyle.surface
        alternateBase: PanelStyle.window
        text: PanelStyle.text
        button: PanelStyle.surface
        buttonText: PanelStyle.text
        highlight: PanelStyle.accent
        highlightedText: "white"
        toolTipBase: PanelStyle.surface
        toolTipText: PanelStyle.text
        placeholderText: PanelStyle.secondaryText
        mid: PanelStyle.divider
    }

    // Closing only hides: the application lives on in the tray.
    onClosing: (close) => {
        close.accepted = false
        TrayShell.closePanel()
    }
    Shortcut {
        sequences: [StandardKey.Cancel]
        enabled: !TrayShell.dialogOpen
        onActivated: TrayShell.closePanel()
    }

    // The screen of each section, and the settings.
    readonly property var screens: ({
        clean: cleanScreen, tuneup: tuneUpScreen, developer: developerScreen, xray: xrayScreen,
        duplicates: duplicatesScreen, large: largeScreen, installers: installerScreen,
        uninstall: uninstallScreen, shred: shredScreen, settings: settingsScreen
    })
    Component { id: cleanScreen; CleanView {} }
    Component { id: tuneUpScreen; TuneUpView {} }
    Component { id: developerScreen; DeveloperView {} }
    Component { id: xrayScreen; XRayView {} }
    Component { id: duplicatesScreen; DuplicatesView {} }
    Component { id: largeScreen; LargeFilesView {} }
    Component { id: installerScreen; InstallerView {} }
    Component { id: uninstallScreen; UninstallView {} }
    Component { id: shredScreen; ShredView {} }
    Component { id: settingsScreen; SettingsView {} }
    Component { id: emptyScreen; Item {} }

    Item {
        id: content
        objectName: "content"
        anchors.fill: parent
        LayoutMirroring.enabled: LocalizationManager.layoutDirection === Qt.RightToLeft
        LayoutMirroring.childrenInherit: true

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            RowLayout {
                objectName: "header"
                Layout.fillWidth: true
                Layout.topMargin: 12
                Layout.leftMargin: 14
                Layout.rightMargin: 10
                spacing: 8
                Image {
                    objectName: "logo"
                    source: "qrc:/icons/logo.svg"
                    sourceSize: Qt.size(22, 22)
                    Layout.preferredWidth: 22
                    Layout.preferredHeight: 22
                }
                Label {
                    text: "Tornivo"
                    font.pixelSize: PanelStyle.headline
                    font.weight: Font.DemiBold
                    color: PanelStyle.text
                }
                Item { Layout.fillWidth: true }
                IconButton {
                    objectName: "soundButton"
                    symbol: AppState.soundEnabled ? "speaker.wave.2.fill" : "speaker.slash.fill"
                    help: AppState.soundEnabled ? qsTrId("header.mute") : qsTrId("header.unmute")
                    onClicked: {
                        AppState.soundEnabled = !AppState.soundEnabled
                        if (AppState.soundEnabled) SoundManager.playSoundOn()
                    }
                }
                IconButton {
                    objectName: "settingsButton"
                    symbol: "gearshape.fill"
                    help: qsTrId("header.settings")
                    color: AppState.section === "settings" ? PanelStyle.accent
                                                           : PanelStyle.secondaryText
                    onClicked: AppState.section = "settings"
                }
                IconButton {
                    objectName: "quitButton"
                    symbol: "power"
                    help: qsTrId("header.quit")
                    onClicked: TrayShell.quit()
                }
            }

            StatusWidgetView {
                objectName: "statusWidget"
                Layout.fillWidth: true
                Layout.topMargin: 12
                Layout.leftMargin: 16
                Layout.rightMargin: 16
                animated: panel.visible
            }

            SuggestionBanner {
                objectName: "suggestionStrip"
                Layout.fillWidth: true
                Layout.topMargin: 12
                Layout.leftMargin: 12
                Layout.rightMargin: 12
            }

            SectionTabs {
                objectName: "sectionTabs"
                Layout.fillWidth: true
                Layout.topMargin: 10
                Layout.leftMargin: 12
                Layout.rightMargin: 12
            }

            Rectangle {
                objectName: "divider"
                Layout.fillWidth: true
                Layout.topMargin: 10
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                implicitHeight: 1
                color: PanelStyle.divider
            }

            Loader {
                objectName: "sectionScreen"
                Layout.fillWidth: true
                Layout.fillHeight: true
                sourceComponent: panel.screens[AppState.section] || emptyScreen
            }
        }

        // The edge of the frameless panel; a window has the frame of its window manager.
        Rectangle {
            anchors.fill: parent
            visible: !TrayShell.windowed
            color: "transparent"
            border.width: 1
            border.color: PanelStyle.divider
        }
    }
}
