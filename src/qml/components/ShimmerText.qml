// A line of text with a band of light passing over it, drawn with clipped copies of the text
// rather than a shader, so that every backend shows it.
import QtQuick
import Tornivo

Item {
    id: shimmer
    property string text
    property color color: PanelStyle.secondaryText
    property color highlight: PanelStyle.text
    property int pixelSize: PanelStyle.body
    property bool running: visible
    property real sweep: 0

    implicitWidth: base.implicitWidth
    implicitHeight: base.implicitHeight

    Text {
        id: base
        width: shimmer.width
        text: shimmer.text
        font.pixelSize: shimmer.pixelSize
        color: shimmer.color
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
    }
    // Three nested bands, widest and faintest outside: a soft edge without blending.
    Repeater {
        model: [{ w: 64, o: 0.35 }, { w: 40, o: 0.6 }, { w: 18, o: 1 }]
        delegate: Item {
            readonly property real centre: -60 + (shimmer.width + 120) * shimmer.sweep
            x: centre - modelData.w / 2
            width: modelData.w
            height: shimmer.height
            clip: true
            opacity: modelData.o
            Text {
                // A band of the text above, cut to the band on purpose; the text itself is
                // held to fit.
                readonly property bool mayElide: true
                x: -parent.x
                width: base.width
                text: base.text
                font: base.font
                color: shimmer.highlight
                horizontalAlignment: base.horizontalAlignment
                elide: base.elide
            }
        }
    }
    NumberAnimation on sweep {
        running: shimmer.running
        loops: Animation.Infinite
        from: 0
        to: 1
        duration: 1600
    }
}
