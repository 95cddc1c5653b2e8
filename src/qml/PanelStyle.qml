// The panel's colours and type sizes, light or dark as the appearance setting decides, tinted
// with the chosen accent. Every view takes its colours from here.
pragma Singleton
import QtQuick
import Tornivo

QtObject {
    readonly property bool dark: ThemeManager.dark
    readonly property color accent: ThemeManager.accent

    readonly property color window: dark ? "#1f2024" : "#f4f4f6"
    readonly property color surface: dark ? "#2b2c31" : "#ffffff"
    readonly property color text: dark ? "#f2f2f5" : "#1d1d20"
    readonly property color secondaryText: dark ? Qt.rgba(0.92, 0.92, 0.96, 0.62)
                                                : Qt.rgba(0.23, 0.23, 0.27, 0.66)
    // A 1-point line in the primary text colour: borders at 6 %, dividers at 10 %.
    readonly property color border: Qt.rgba(text.r, text.g, text.b, 0.06)
    readonly property color divider: Qt.rgba(text.r, text.g, text.b, dark ? 0.14 : 0.10)
    readonly property color hover: Qt.rgba(text.r, text.g, text.b, 0.07)
    readonly property color pressed: Qt.rgba(text.r, text.g, text.b, 0.13)
    readonly property color track: Qt.rgba(text.r, text.g, text.b, dark ? 0.14 : 0.09)

    readonly property color green: dark ? "#32d35a" : "#23a847"
    readonly property color orange: dark ? "#ffa31a" : "#e07b00"
    readonly property color red: dark ? "#ff5147" : "#e5322a"

    // Type sizes in pixels: the smallest caption, caption, body, headline and the big figures.
    readonly property int caption2: 10
    readonly property int caption: 11
    readonly property int body: 13
    readonly property int headline: 15
    readonly property int figure: 30
}
