import QtQuick
import QtTest
import Orvelane

// The safety badge and the explanation under an item's name.
TestCase {
    id: testCase
    name: "Safety"
    when: windowShown
    // Shown, so that what the tests create is visible and can be clicked.
    visible: true
    width: 700
    height: 600

    Component {
        id: badgeComponent
        SafetyBadge {}
    }
    Component {
        id: detailsComponent
        ItemSafetyDetails {
            width: 420
        }
    }

    function init() {
        Localizer.language = "en"
    }
    function cleanupTestCase() {
        Localizer.language = "en"
    }

    function line(details, name) {
        const found = findChild(details, name)
        verify(found, name)
        return found
    }

    function sameColor(actual, expected, message) {
        verify(Qt.colorEqual(actual, expected), message + ": " + actual + " is not " + expected)
    }

    function test_badgeColoursByLevel_data() {
        return [
            { tag: "safe", level: SafetyLevel.Safe, color: Qt.rgba(52 / 255, 199 / 255, 89 / 255, 1), english: "Safe", turkish: "Güvenli" },
            { tag: "review", level: SafetyLevel.Review, color: Qt.rgba(1, 149 / 255, 0, 1), english: "Review", turkish: "İncele" },
            { tag: "protected", level: SafetyLevel.Protected, color: Qt.rgba(0, 122 / 255, 1, 1), english: "Protected", turkish: "Korumalı" },
        ]
    }

    function test_badgeColoursByLevel(data) {
        const badge = createTemporaryObject(badgeComponent, testCase, { level: data.level })
        compare(badge.title, data.english)
        sameColor(badge.tint, data.color, "text colour")
        // A faint fill of the same colour, in a capsule.
        compare(badge.color.a.toFixed(2), "0.12")
        compare(badge.color.r.toFixed(2), data.color.r.toFixed(2))
        compare(badge.color.g.toFixed(2), data.color.g.toFixed(2))
        compare(badge.color.b.toFixed(2), data.color.b.toFixed(2))
        compare(badge.radius, badge.height / 2)

        Localizer.language = "tr"
        compare(badge.title, data.turkish)
        sameColor(badge.tint, data.color, "the colour does not follow the language")
    }

    function test_badgeInsetsItsTitle() {
        const badge = createTemporaryObject(badgeComponent, testCase, { level: SafetyLevel.Review })
        const narrow = badge.implicitWidth
        Localizer.language = "tr" // "İncele" is longer than "Review"
        verify(badge.implicitWidth !== narrow, "the capsule follows its title")
        const title = badge.children[badge.children.length - 1]
        compare(badge.implicitWidth, title.implicitWidth + 14)
        compare(badge.implicitHeight, title.implicitHeight + 6)
    }

    function test_linesByDateAndHint_data() {
        const date = new Date(2024, 2, 9, 14, 30)
        return [
            { tag: "neither", modified: undefined, hint: undefined, lines: 2 },
            { tag: "date only", modified: date, hint: "", lines: 3 },
            { tag: "hint only", modified: undefined, hint: "npm install", lines: 3 },
            { tag: "both", modified: date, hint: "npm install", lines: 4 },
            { tag: "null date", modified: null, hint: "", lines: 2 },
        ]
    }

    function test_linesByDateAndHint(data) {
        const details = createTemporaryObject(detailsComponent, testCase, {
            name: "node_modules", kind: Category.DevArtifacts, safetyReason: "requiresRebuild",
            modified: data.modified, actionHint: data.hint
        })
        compare(details.lineCount, data.lines)
        compare(line(details, "nameLine").text, "node_modules")
        compare(line(details, "reasonLine").text, "Removing this requires rebuilding the project before it works again.")
        const modifiedLine = line(details, "modifiedLine")
        compare(modifiedLine.visible, data.modified instanceof Date)
        if (modifiedLine.visible) {
            verify(modifiedLine.text.startsWith("Last modified: "), modifiedLine.text)
            verify(modifiedLine.text.indexOf("24") >= 0, "the date is shown: " + modifiedLine.text)
            verify(modifiedLine.text.indexOf("14:30") < 0, "no time of day: " + modifiedLine.text)
        }
        compare(line(details, "hintLine").visible, !!data.hint)
        // Invisible lines take no room: the stack is as tall as what it shows.
        let expected = (data.lines - 1) * details.spacing
        for (const name of ["nameLine", "reasonLine", "modifiedLine", "hintLine"]) {
            const item = line(details, name)
            if (item.visible)
                expected += item.height
        }
        compare(details.implicitHeight, expected)
    }

    function test_hintWordingFollowsTheCategory() {
        const artifact = createTemporaryObject(detailsComponent, testCase, {
            name: "node_modules", kind: Category.DevArtifacts, safetyReason: "requiresRebuild", actionHint: "npm install"
        })
        compare(line(artifact, "hintText").text, "Rebuild: npm install")
        // Pink, the category's hue, darkened only as far as reading on white needs.
        const pink = Qt.rgba(1, 45 / 255, 85 / 255, 1)
        const hint = line(artifact, "hintText").color
        compare(hint.hslHue.toFixed(2), pink.hslHue.toFixed(2), "pink")
        verify(hint.hslLightness < pink.hslLightness)

        const insight = createTemporaryObject(detailsComponent, testCase, {
            name: "Simulator devices", kind: Category.Insights, safetyReason: "managedByAnotherTool",
            actionHint: "xcrun simctl delete unavailable"
        })
        compare(line(insight, "hintText").text, "Manage with: xcrun simctl delete unavailable")
        const cyan = Qt.rgba(50 / 255, 173 / 255, 230 / 255, 1)
        compare(line(insight, "hintText").color.hslHue.toFixed(2), cyan.hslHue.toFixed(2), "cyan")
    }

    function test_languageSwitchKeepsNameAndHint() {
        const details = createTemporaryObject(detailsComponent, testCase, {
            name: "node_modules", kind: Category.DevArtifacts, safetyReason: "requiresRebuild",
            modified: new Date(2024, 0, 5), actionHint: "npm install"
        })
        Localizer.language = "tr"
        compare(line(details, "nameLine").text, "node_modules")
        compare(line(details, "reasonLine").text, "Bunu silerseniz projenin çalışması için yeniden derlenmesi gerekir.")
        verify(line(details, "modifiedLine").text.startsWith("Son değişiklik: "))
        compare(line(details, "hintText").text, "Yeniden oluşturmak için: npm install")
    }

    function test_longTextsAreCut() {
        const details = createTemporaryObject(detailsComponent, testCase, {
            width: 160,
            name: "a-very-long-folder-name-that-cannot-possibly-fit-into-one-short-line.noindex",
            kind: Category.Downloads, safetyReason: "userFile"
        })
        const name = line(details, "nameLine")
        compare(name.lineCount, 1)
        verify(name.truncated)
        const reason = line(details, "reasonLine")
        compare(reason.lineCount, 2)
        verify(reason.truncated, "the explanation stops after its second line")
    }
}
