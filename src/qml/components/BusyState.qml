// What a section shows while its work runs: a turning ring, what it is doing, how far it has
// come as the work reports it (files seen, the folder being read, bytes compared or written)
// and a button that stops it; the earlier result then stays.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

ColumnLayout {
    id: busy
    property string text
    // The section whose work this is ("large", "duplicates", ...).
    property string section
    // Its latest report, absent before the first (a test may bind it to anything).
    property var progress: AppState.progress ? AppState.progress[section] : undefined
    readonly property real files: progress && progress.files ? progress.files : 0
    readonly property string folder: progress && progress.folder ? progress.folder : ""
    readonly property real bytesDone: progress && progress.bytesDone ? progress.bytesDone : 0
    readonly property real bytesTotal: progress && progress.bytesTotal ? progress.bytesTotal : 0
    // The lines under the text; a screen may word them its own way.
    property string filesLine: files >= 1 ? qsTrId("common.filesSeen", files) : ""
    property string folderLine: folder !== "" ? qsTrId("common.readingFolder").arg(folder) : ""
    property string bytesLine: ""
    // Off where the work cannot be stopped halfway.
    property bool cancellable: true

    spacing: 6

    Item { Layout.fillHeight: true }
    ProgressRing {
        Layout.alignment: Qt.AlignHCenter
        Layout.bottomMargin: 8
    }
    ShimmerText {
        objectName: "busyText"
        Layout.fillWidth: true
        text: busy.text
    }
    Label {
        objectName: "filesLine"
        visible: text !== ""
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        text: busy.filesLine
        font.pixelSize: PanelStyle.caption
        color: PanelStyle.secondaryText
    }
    ElidedLabel {
        objectName: "folderLine"
        mayElide: true
        visible: text !== ""
        Layout.fillWidth: true
        Layout.leftMargin: 24
        Layout.rightMargin: 24
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideMiddle
        text: busy.folderLine
        font.pixelSize: PanelStyle.caption
        color: PanelStyle.secondaryText
    }
    ColumnLayout {
        visible: busy.bytesTotal > 0
        Layout.fillWidth: true
        Layout.leftMargin: 40
        Layout.rightMargin: 40
        Layout.topMargin: 4
        spacing: 4
        Item {
            objectName: "bytesBar"
            Layout.fillWidth: true
            implicitHeight: 4
            Rectangle {
                anchors.fill: parent
                radius: 2
                color: PanelStyle.track
            }
            Rectangle {
                height: parent.height
                radius: 2
                width: parent.width * Math.min(1, busy.bytesDone / Math.max(1, busy.bytesTotal))
                color: PanelStyle.accent
            }
        }
        Label {
            objectName: "bytesLine"
            visible: text !== ""
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: busy.bytesLine
            font.pixelSize: PanelStyle.caption
            color: PanelStyle.secondaryText
        }
    }
    Item { Layout.fillHeight: true }
    PanelButton {
        objectName: "cancelButton"
        visible: busy.cancellable
        Layout.alignment: Qt.AlignHCenter
        Layout.minimumWidth: 120
        text: qsTrId("common.cancel")
        onClicked: AppState.cancel(busy.section)
    }
}
