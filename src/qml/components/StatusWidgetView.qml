// The live figures: memory, processor and disk, side by side.
import QtQuick
import QtQuick.Layouts
import Tornivo

RowLayout {
    id: widget
    // Off while the panel is hidden: nothing needs to move where nobody looks.
    property bool animated: true
    spacing: 16

    StatusGauge {
        objectName: "gauge-memory"
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        symbol: "memorychip"
        title: qsTrId("status.ram")
        value: AppState.monitor.memoryUsedFraction
        animated: widget.animated
    }
    StatusGauge {
        objectName: "gauge-cpu"
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        symbol: "cpu"
        title: qsTrId("status.cpu")
        value: AppState.monitor.cpuUsageFraction
        animated: widget.animated
    }
    StatusGauge {
        objectName: "gauge-disk"
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        symbol: "internaldrive"
        title: qsTrId("status.disk")
        value: AppState.monitor.diskUsedFraction
        animated: widget.animated
    }
}
