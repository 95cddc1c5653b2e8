// What the section's last removal left behind, when it left something: how many items stayed
// and why, or the sentence saying that nothing was done because the protected folders cannot be
// read. AppState forgets it when the section lists afresh.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

RowLayout {
    id: note
    property string section
    // Bound to AppState (a test may bind it to anything).
    property var outcome: AppState.outcomes ? AppState.outcomes[section] : undefined
    readonly property string message: describe(outcome)

    function describe(o) {
        if (!o) return ""
        if (o.refused) return o.refused
        if (!(o.left > 0)) return ""
        const r = o.reasons || {}
        const why = []
        if (r.changed) why.push(qsTrId("common.left.changed", r.changed))
        if (r["protected"]) why.push(qsTrId("common.left.protected", r["protected"]))
        if (r.permissionDenied)
            why.push(qsTrId("common.left.permissionDenied", r.permissionDenied))
        if (r.busy) why.push(qsTrId("common.left.busy", r.busy))
        if (r.otherFileSystem)
            why.push(qsTrId("common.left.otherFileSystem", r.otherFileSystem))
        if (r.noTrash) why.push(qsTrId("common.left.noTrash", r.noTrash))
        if (r.stopped) why.push(qsTrId("common.left.stopped", r.stopped))
        if (r.systemFolder) why.push(qsTrId("common.left.systemFolder", r.systemFolder))
        if (r.failed) why.push(qsTrId("common.left.failed", r.failed))
        return qsTrId("common.leftBehind", o.left).arg(why.join(", "))
    }

    visible: message !== ""
    spacing: 6
    SymbolIcon {
        Layout.alignment: Qt.AlignTop
        symbol: "exclamationmark.triangle.fill"
        size: 13
        color: PanelStyle.orange
    }
    Label {
        objectName: "outcomeText"
        Layout.fillWidth: true
        text: note.message
        wrapMode: Text.Wrap
        font.pixelSize: PanelStyle.caption
        color: PanelStyle.orange
    }
}
