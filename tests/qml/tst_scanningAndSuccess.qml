import QtQuick
import QtTest
import Orvelane

// The scanning indicator's breathing and label, and the success card's entrance.
TestCase {
    id: testCase
    name: "ScanningAndSuccess"
    when: windowShown
    visible: true
    width: 700
    height: 500

    Component {
        id: indicatorComponent
        ScanningIndicator {}
    }
    Component {
        id: overlayComponent
        CleanSuccessOverlay {}
    }

    function init() {
        Localizer.language = "en"
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    function test_labelIsOptionalAndVerbatim() {
        const bare = createTemporaryObject(indicatorComponent, testCase)
        compare(bare.height, 96, "without a label nothing is reserved under the badge")
        const labelled = createTemporaryObject(indicatorComponent, testCase, { label: "Taranıyor…" })
        verify(labelled.height > 96 + 16)
        const label = labelled.children[1]
        compare(label.text, "Taranıyor…", "shown as given, in any language")
        compare(label.y, 96 + 16)
    }

    function test_badgeBreathesWithoutMovingTheLayout() {
        const indicator = createTemporaryObject(indicatorComponent, testCase, { label: "Scanning…" })
        const height = indicator.height
        let smallest = 2
        let largest = 0
        tryVerify(() => {
            smallest = Math.min(smallest, indicator.badgeScale)
            largest = Math.max(largest, indicator.badgeScale)
            return largest > 1.05 && smallest < 0.95
        }, 5000, "the badge swings between 94 % and 106 %")
        verify(smallest >= 0.94 - 1e-6 && largest <= 1.06 + 1e-6, smallest + " … " + largest)
        compare(indicator.height, height)
        compare(indicator.children[1].y, 96 + 16, "the label stays where it is")
    }

    function test_sparklePartsLightInSequenceAndBack() {
        const indicator = createTemporaryObject(indicatorComponent, testCase)
        const seen = [indicator.litPart]
        tryVerify(() => {
            if (seen[seen.length - 1] !== indicator.litPart)
                seen.push(indicator.litPart)
            return seen.length >= 6
        }, 5000)
        // Forwards through the parts and back again: 0 1 2 1 0 1 …
        const start = seen.indexOf(0)
        verify(start >= 0 && start + 4 < seen.length, JSON.stringify(seen))
        compare(seen.slice(start, start + 5), [0, 1, 2, 1, 0])
    }

    function test_cardEntrance() {
        const overlay = createTemporaryObject(overlayComponent, testCase, { cleaned: 1500000000 })
        // Before the entrance has moved: invisible at 70 %, the ring at half size and 80 %.
        verify(overlay.card.opacity < 0.1, overlay.card.opacity)
        verify(overlay.card.scale < 0.75, overlay.card.scale)
        verify(overlay.ringItem.scale < 0.55, overlay.ringItem.scale)
        verify(overlay.ringItem.opacity > 0.75, overlay.ringItem.opacity)
        compare(overlay.text, "Cleaned 1.5 GB")

        // The card springs past full size before it settles.
        let largest = 0
        overlay.card.scaleChanged.connect(() => largest = Math.max(largest, overlay.card.scale))
        tryVerify(() => overlay.card.scale === 1 && overlay.ringItem.opacity === 0, 3000)
        verify(largest > 1.0, "the spring overshoots: " + largest)
        compare(overlay.ringItem.scale, 1.8)
        compare(overlay.card.opacity, 1)
        wait(100)
        compare(overlay.ringItem.opacity, 0, "the ring stays gone")
        compare(overlay.card.opacity, 1, "the card stays until it is taken away")
    }

    function test_textFollowsTheLanguageAndWidensTheCard() {
        const small = createTemporaryObject(overlayComponent, testCase, { cleaned: 2048 })
        const large = createTemporaryObject(overlayComponent, testCase, { cleaned: 123456789012345 })
        verify(large.card.width > small.card.width, "a long amount widens the card")
        Localizer.language = "tr"
        compare(small.text, "2 kB temizlendi")
        compare(large.text, "123,46 TB temizlendi")
    }
}
