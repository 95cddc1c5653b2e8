// What the section's last scan could not read, said quietly: how many folders, the folders
// themselves as help.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

RowLayout {
    id: note
    property string section
    // Bound to AppState (a test may bind it to anything).
    property var report: AppState.unread ? AppState.unread[section] : undefined
    readonly property real unreadCount: report && report.unread ? report.unread : 0
    readonly property var refused: report && report.refused ? report.refused : []
    readonly property var folders: report && report.folders ? report.folders : []

    visible: unreadCount > 0 || refused.length > 0
    spacing: 5
    SymbolIcon {
        Layout.alignment: Qt.AlignTop
        symbol: "info.circle.fill"
        size: 12
        color: PanelStyle.secondaryText
    }
    WrappingLabel {
        objectName: "unreadText"
        text: {
            const parts = []
            if (note.refused.length > 0)
                parts.push(qsTrId("common.refusedFolders", note.refused.length))
            if (note.unreadCount > 0)
                parts.push(qsTrId("common.unreadFolders", note.unreadCount))
            return parts.join(" · ")
        }
        font.pixelSize: PanelStyle.caption2
        color: PanelStyle.secondaryText
        HoverHandler { id: hover }
        ToolTip.visible: hover.hovered
        ToolTip.delay: 300
        ToolTip.text: note.refused.concat(note.folders.slice(0, 12)).join("\n")
    }
}
