pragma Singleton
import QtQuick
import Orvelane

// The shared look of every view: brand colours and gradient, text styles, label colours,
// spacings, and the springs and curves that every animation plays. Views take their values
// from here and never keep a second copy.
QtObject {
    id: theme

    // Brand colours, sRGB.
    readonly property color brandBlue: Qt.rgba(0.03, 0.48, 0.85, 1)
    readonly property color brandMint: Qt.rgba(0.24, 0.88, 0.66, 1)

    // Mint to blue, evenly spread; fills run it from the top-leading to the bottom-trailing
    // corner of what they fill (see BrandFill).
    readonly property Gradient brandGradient: Gradient {
        GradientStop { position: 0; color: theme.brandMint }
        GradientStop { position: 1; color: theme.brandBlue }
    }

    // Text styles: pixel size and weight. Views that need another weight of a style use
    // semibold(style).
    readonly property font title2: Qt.font({ pixelSize: 17, weight: Font.Normal })
    readonly property font title3: Qt.font({ pixelSize: 15, weight: Font.Normal })
    readonly property font body: Qt.font({ pixelSize: 13, weight: Font.Normal })
    readonly property font callout: Qt.font({ pixelSize: 12, weight: Font.Normal })
    readonly property font caption: Qt.font({ pixelSize: 11, weight: Font.Normal })
    readonly property font caption2: Qt.font({ pixelSize: 10, weight: Font.Normal })

    function semibold(style) {
        return Qt.font({ family: style.family, pixelSize: style.pixelSize, weight: Font.DemiBold })
    }

    // Label and surface colours of the light appearance.
    readonly property color primaryText: Qt.rgba(0, 0, 0, 0.85)
    // Dark enough for 4.5:1 on the window's greys as well as on white.
    readonly property color secondaryText: Qt.rgba(0, 0, 0, 0.58)
    // Only for what is disabled, which needs no contrast; text that informs is secondary.
    readonly property color tertiaryText: Qt.rgba(0, 0, 0, 0.26)
    readonly property color accent: Qt.rgba(0, 122 / 255, 1, 1)
    readonly property color windowBackground: "#ececec"
    readonly property color controlBackground: "#ffffff"
    readonly property color separator: Qt.rgba(0, 0, 0, 0.1)
    readonly property color controlBorder: Qt.rgba(0, 0, 0, 0.16)
    readonly property color formBackground: "#f2f2f2"
    readonly property color formSection: Qt.rgba(0, 0, 0, 0.03)
    readonly property color formSectionBorder: Qt.rgba(0, 0, 0, 0.07)
    // The selection's fill carries white text: the accent, darkened until that text reads.
    readonly property color selectedContent: Contrast.readable(accent, Qt.color("white"))
    // The colour in which text that warns of deletion for good is drawn on white.
    readonly property color dangerText: Contrast.readable(Qt.color("red"), Qt.color("white"))

    // The toolkit's default gaps: between the children of a stack, and around content.
    readonly property int defaultSpacing: 8
    readonly property int defaultPadding: 16

    // Springs, as response (seconds) and damping fraction; played through Spring.easing/duration.
    readonly property var pressSpring: ({ response: 0.25, damping: 0.6 })
    readonly property var entranceSpring: ({ response: 0.45, damping: 0.6 })
    // The symbol bounce: a quick lift, then this spring back to rest.
    readonly property var bounceSpring: ({ response: 0.32, damping: 0.5 })
    readonly property real bounceLift: 1.18
    readonly property int bounceLiftDuration: 120

    // The standard curves, as cubic Bézier control points for Easing.BezierSpline.
    readonly property var easeInOut: [0.42, 0.0, 0.58, 1.0, 1.0, 1.0]
    readonly property var easeOut: [0.0, 0.0, 0.58, 1.0, 1.0, 1.0]
}
