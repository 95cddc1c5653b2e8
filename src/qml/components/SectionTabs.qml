// The nine sections as equal tabs of symbols. The selected one stands on an accent tile that
// springs from tab to tab; with settings shown (reached by the header's gear) no tab is lit.
// The arrow keys move between tabs, in the reading direction of the language.
import QtQuick
import QtQuick.Controls
import Tornivo

Rectangle {
    id: tabs
    readonly property var sections: AppState.tabs
    readonly property int index: indexOf(AppState.section)
    property int lastIndex: 0
    readonly property real tabWidth: (width - 6) / sections.length
    // A damped spring (response 0.3 s, damping fraction 0.8) as a curve over 0.5 s: it
    // overshoots by 1.5 % at 0.25 s and has settled by the end.
    readonly property var spring: [0.108, 0, 0.1, 1.0152, 0.5, 1.0152,
                                   0.617, 1.0152, 0.583, 1, 1, 1]

    function indexOf(id) {
        for (let i = 0; i < sections.length; ++i)
            if (sections[i].id === id) return i
        return -1
    }
    function select(i) {
        if (i < 0 || i >= sections.length) return
        AppState.section = sections[i].id
        buttons.itemAt(i).forceActiveFocus(Qt.TabFocusReason)
    }
    onIndexChanged: if (index >= 0) lastIndex = index

    implicitHeight: 36
    radius: 10
    color: PanelStyle.surface

    AccentTile {
        id: highlight
        objectName: "tabHighlight"
        readonly property Item target: buttons.count > tabs.lastIndex ? buttons.itemAt(tabs.lastIndex) : null
        x: target ? row.x + target.x : 3
        y: 3
        width: tabs.tabWidth
        height: 30
        radius: 8
        opacity: tabs.index >= 0 ? 1 : 0
        Behavior on x { NumberAnimation { duration: 500; easing.type: Easing.Bezier; easing.bezierCurve: tabs.spring } }
        Behavior on opacity { NumberAnimation { duration: 300; easing.type: Easing.Bezier; easing.bezierCurve: tabs.spring } }
    }

    Row {
        id: row
        x: 3
        y: 3
        width: tabs.width - 6
        Repeater {
            id: buttons
            model: tabs.sections
            delegate: AbstractButton {
                id: tab
                objectName: "tab-" + modelData.id
                readonly property bool selected: tabs.index === index
                width: tabs.tabWidth
                height: 30
                focusPolicy: Qt.StrongFocus
                Accessible.role: Accessible.PageTab
                Accessible.name: qsTrId("tab." + modelData.id)
                ToolTip.visible: hovered
                ToolTip.text: Accessible.name
                ToolTip.delay: 500
                onClicked: AppState.section = modelData.id
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()
                Keys.onLeftPressed: tabs.select(index + (tab.LayoutMirroring.enabled ? 1 : -1))
                Keys.onRightPressed: tabs.select(index + (tab.LayoutMirroring.enabled ? -1 : 1))

                background: Rectangle {
                    radius: 8
                    color: !tab.selected && tab.hovered ? PanelStyle.hover : "transparent"
                    border.width: tab.visualFocus ? 2 : 0
                    border.color: tab.selected ? "white" : PanelStyle.accent
                }
                contentItem: SymbolIcon {
                    symbol: modelData.icon
                    size: 14
                    color: tab.selected ? "white" : PanelStyle.secondaryText
                    Behavior on color { ColorAnimation { duration: 200 } }
                }
            }
        }
    }
}
