// A rounded surface that groups rows.
import QtQuick
import Tornivo

Rectangle {
    radius: 12
    color: PanelStyle.surface
    border.width: 1
    border.color: PanelStyle.border
}
