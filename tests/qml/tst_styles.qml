import QtQuick
import QtTest
import Orvelane

// The shared styles: the pressable button, the pulsing glow, and the legibility of every text
// colour the look gives on the background it is drawn on.
TestCase {
    id: testCase
    name: "Styles"
    when: windowShown
    visible: true
    width: 400
    height: 300

    Component {
        id: pressableComponent
        PressableStyle {
            x: 100
            y: 100
            contentItem: Rectangle {
                implicitWidth: 80
                implicitHeight: 30
                color: "tomato"
            }
        }
    }
    Component {
        id: glowComponent
        PulsingGlow {
            x: 50
            y: 50
            color: "red"
            Rectangle {
                width: 60
                height: 20
            }
        }
    }

    Component {
        id: levelComponent
        SafetyLevelStyle {}
    }
    Component {
        id: explanationComponent
        ItemExplanation {}
    }
    Component {
        id: buttonComponent
        PushButton {
            text: "Clean"
            prominent: true
        }
    }

    Component {
        id: holderComponent
        Item {
            PulsingGlow {
                color: "yellow"
                active: true
                Rectangle {
                    width: 40
                    height: 20
                }
            }
        }
    }

    SignalSpy {
        id: clickSpy
        signalName: "clicked"
    }

    function test_pressShrinksAndSpringsBack() {
        const button = createTemporaryObject(pressableComponent, testCase)
        clickSpy.target = button
        compare(button.scale, 1)
        compare(button.background, null, "no background of its own")
        mousePress(button)
        tryCompare(button, "scale", 0.94, 1000)
        let largest = 0
        button.scaleChanged.connect(() => largest = Math.max(largest, button.scale))
        mouseRelease(button)
        tryCompare(button, "scale", 1, 1000)
        verify(largest > 1, "the release springs past full size: " + largest)
        compare(clickSpy.count, 1, "the button's action is its own")
    }

    function test_inactiveGlowDrawsNothingAndNeverAnimates() {
        const glow = createTemporaryObject(glowComponent, testCase, { active: false })
        compare(glow.glowColor.a, 0)
        compare(glow.glowRadius, 3)
        verify(!glow.on)
        wait(300)
        compare(glow.phase, 0)
    }

    function test_activeGlowPulses() {
        const glow = createTemporaryObject(glowComponent, testCase, { active: true })
        verify(glow.on)
        let brightest = 0
        tryVerify(() => {
            brightest = Math.max(brightest, glow.glowColor.a)
            return glow.phase > 0.95
        }, 3000, "the glow swells to its bright end")
        tryVerify(() => glow.phase < 0.05, 3000, "and shrinks back")
        tryVerify(() => glow.phase > 0.5, 3000, "and swells again")
        verify(brightest <= 0.75 + 1e-3 && brightest > 0.7, brightest)
        verify(glow.glowRadius >= 3 && glow.glowRadius <= 11)
        compare(glow.implicitWidth, 60)
        compare(glow.implicitHeight, 20)
    }

    // A window left alone must draw nothing: the pulse ends, lit, and wakes again when shown anew.
    function test_glowSettlesLitAfterItsBreaths() {
        const glow = createTemporaryObject(glowComponent, testCase, { active: true, breaths: 1 })
        verify(glow.on)
        tryVerify(() => !glow.on, 4000, "the pulse ends after its breaths")
        compare(glow.phase, 1, "lit at the bright end")
        const settled = glow.glowColor.a
        wait(300)
        compare(glow.glowColor.a, settled, "and still")
        glow.visible = false
        glow.visible = true
        verify(glow.on, "shown again, it breathes again")
    }

    function test_glowTurnedOnLaterStartsPulsingThen() {
        const glow = createTemporaryObject(glowComponent, testCase, { active: false })
        wait(200)
        glow.active = true
        verify(glow.on, "a glow made active after it was shown pulses from then on")
        compare(glow.glowColor.a.toFixed(2), "0.15", "from the faint end")
        tryVerify(() => glow.phase > 0.95, 3000)
        glow.active = false
        verify(!glow.on)
        compare(glow.phase, 0, "an inactive glow rests")
        compare(glow.glowColor.a, 0)
    }

    function test_hiddenGlowRunsNothing() {
        const glow = createTemporaryObject(glowComponent, testCase, { active: true })
        verify(glow.on)
        glow.visible = false
        verify(!glow.on, "nothing runs for a glow nobody sees")
        compare(glow.phase, 0)
        wait(300)
        compare(glow.phase, 0)
        glow.visible = true
        verify(glow.on, "shown again, it pulses again")
        tryVerify(() => glow.phase > 0.5, 3000)
    }

    function test_glowInsideAHiddenParentRunsNothing() {
        const holder = createTemporaryObject(holderComponent, testCase)
        const glow = holder.children[0]
        verify(glow.on)
        holder.visible = false
        verify(!glow.on, "an ancestor's visibility counts")
        holder.visible = true
        verify(glow.on)
    }

    // WCAG AA for text: 4.5:1. Measured on what the colour is drawn over, translucent colours
    // composed first.
    function test_textColoursReachContrastOnTheirBackgrounds() {
        const white = Qt.color("white")
        const cases = [
            ["secondary text on white", Theme.secondaryText, white],
            ["secondary text on the window's grey", Theme.secondaryText, Theme.windowBackground],
            ["primary text on the window's grey", Theme.primaryText, Theme.windowBackground],
            ["white on the sidebar's selection", white, Theme.selectedContent],
            ["deletion warnings on white", Theme.dangerText, white],
        ]
        for (const level of [SafetyLevel.Safe, SafetyLevel.Review, SafetyLevel.Protected]) {
            const style = createTemporaryObject(levelComponent, testCase, { level: level })
            const fill = Qt.rgba(style.color.r, style.color.g, style.color.b, 0.12)
            cases.push([style.title + " badge", style.textColor, Contrast.readable(fill, white, 1)])
        }
        for (let kind = Category.Caches; kind <= Category.Insights; ++kind) {
            const explanation = createTemporaryObject(explanationComponent, testCase, { kind: kind })
            cases.push(["hint of category " + kind, explanation.hintColor, white])
        }
        for (const tint of [Theme.accent, Qt.color("red"), Theme.brandBlue]) {
            const button = createTemporaryObject(buttonComponent, testCase, { tint: tint })
            cases.push(["white on a prominent button of " + tint, white, button.background.color])
        }
        for (const [what, text, background] of cases) {
            const ratio = Contrast.ratio(text, background)
            verify(ratio >= 4.5, what + ": " + ratio.toFixed(2) + ":1")
        }
        // The measure itself: black on white is the whole range, a colour on itself none.
        compare(Contrast.ratio("black", "white").toFixed(1), "21.0")
        compare(Contrast.ratio("#808080", "#808080"), 1)
    }
}
