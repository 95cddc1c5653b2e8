// The first suggestion in one strip: its symbol in the accent colour, the advice in at most two
// lines (the whole text as help when cut), and the button that switches to the section that
// handles it. Always the same height, so the panel does not jump when the advice changes.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tornivo

Rectangle {
    id: strip
    // Read again when the language changes, so that the advice is worded in the new one at
    // once (a test may bind it to anything).
    property var advice: firstAdvice(LocalizationManager.code)
    function firstAdvice(language) {
        return AppState.suggestions.length > 0 ? AppState.suggestions[0] : null
    }

    implicitHeight: 50
    radius: 12
    color: PanelStyle.surface
    border.width: 1
    border.color: PanelStyle.border
    visible: advice !== null

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 6
        spacing: 10
        SymbolIcon {
            Layout.preferredWidth: 22
            symbol: strip.advice ? strip.advice.icon : ""
            size: 16
            color: PanelStyle.accent
        }
        ElidedLabel {
            objectName: "suggestionMessage"
            Layout.fillWidth: true
            text: strip.advice ? strip.advice.message : ""
            font.pixelSize: PanelStyle.caption
            wrapMode: Text.Wrap
            maximumLineCount: 2
        }
        PanelButton {
            objectName: "suggestionAction"
            kind: "link"
            text: strip.advice ? strip.advice.actionLabel : ""
            onClicked: AppState.perform(strip.advice.action)
        }
    }
}
