// The picture of a listed file: a thumbnail of an image, else its type's icon, made off the main
// thread when the row is made. The symbol stands in until the picture is there.
import QtQuick
import Tornivo

Item {
    id: thumb
    // The lossless text of the file's path.
    property string pathId
    property string placeholder: "doc.fill"
    implicitWidth: 40
    implicitHeight: 40

    SymbolIcon {
        anchors.centerIn: parent
        visible: picture.status !== Image.Ready
        symbol: thumb.placeholder
        size: Math.min(thumb.width, thumb.height) * 0.6
        color: PanelStyle.secondaryText
    }
    Image {
        id: picture
        objectName: "picture"
        anchors.fill: parent
        asynchronous: true
        cache: false
        fillMode: Image.PreserveAspectFit
        sourceSize: Qt.size(Math.round(thumb.width * 2), Math.round(thumb.height * 2))
        source: thumb.pathId !== "" ? FileImages.thumbnail(thumb.pathId) : ""
    }
}
