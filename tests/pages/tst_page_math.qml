import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/basic/PanelMath.js" as PanelMath
import "qrc:/modules/qml/basic/ColourMath.js" as ColourMath
import "qrc:/modules/qml/basic/ProfileNames.js" as ProfileNames
import "qrc:/modules/qml/basic/Fonts.js" as Fonts

// The conversions behind the panels, without any page around them.
TestCase {
    name: "PageMath"

    function test_dpi_track_ends_and_steps() {
        compare(PanelMath.dpiForHeight(PanelMath.heightForClick(8)), 8000)
        compare(PanelMath.dpiForHeight(PanelMath.heightForClick(400)), 200)
        // Every shown value maps back to itself.
        for (var v = 200; v <= 8000; v += 100)
            compare(PanelMath.dpiForHeight(PanelMath.heightForDpi(v)), v, "round trip of " + v)
        compare(PanelMath.dpiCode(8000), 79)
        compare(PanelMath.validDpi("abc"), undefined)
        compare(PanelMath.validDpi(""), undefined)
        compare(PanelMath.validDpi("12050"), 8000)
        compare(PanelMath.validDpi(150), 200)
    }

    function test_dial_on_the_centre_line_and_quarters() {
        // Below the centre counts as on it.
        compare(PanelMath.dialValue(190, 85, 200), 11)
        compare(PanelMath.dialValue(40, 10, 200), 3)
        compare(PanelMath.dialImage(11), 10)
        compare(PanelMath.dialImage(4), 4)
    }

    function test_level_stops_and_report_quadrants() {
        compare([0, 33, 34, 62, 63, 92, 93, 121, 122, 200].map(PanelMath.levelForX), [0, 0, 1, 1, 2, 2, 3, 3, 4, 4])
        compare([0, 1, 2, 3, 4, 8, 16].map(PanelMath.validReportRate), [8, 1, 2, 8, 4, 8, 8])
        compare([1, 2, 4, 8, 0].map(PanelMath.reportRateImage), [0, 1, 2, 3, 3])
    }

    function test_scroll_field_text() {
        compare(["", "0", "x", "1", "42", "100", "999", "-5"].map(PanelMath.scrollLines), [1, 1, 1, 1, 42, 100, 100, 1])
    }

    function test_hue_bar() {
        compare(ColourMath.hueAt(-2, 128), [255, 0, 0])
        compare(ColourMath.sliderForColour("#ff0000"), -2)
        compare(ColourMath.sliderForColour("#808080"), -2)
        // Opening the bar on a colour it made lands on a slider that makes it again.
        for (var x = -2; x <= 120; x += 7) {
            var c = ColourMath.hueAt(x, 128)
            var again = ColourMath.hueAt(ColourMath.sliderForColour(ColourMath.colourText(c[0], c[1], c[2])), 128)
            verify(Math.abs(again[0] - c[0]) + Math.abs(again[1] - c[1]) + Math.abs(again[2] - c[2]) <= 40,
                   "slider " + x + " gives " + c + ", reopened " + again)
        }
    }

    function test_led_lists() {
        compare(ColourMath.ledColourList(1, 2, 3).length, 24)
        compare(ColourMath.ledColourList(1, 2, 3).slice(15, 18), [255, 127, 0])
        compare(ColourMath.ledColourMode(0, 0, 1), 0)
        compare(ColourMath.stageColourList(["#ff0000", "#00FF80"]), [255, 0, 0, 0, 255, 128])
        var fallback = ["#ff0000", "#0000ff", "#00ff00", "#ffff00", "#00ffff", "#ff00ff", "#ff00ff", "#ff00ff"]
        compare(ColourMath.stageColoursFrom([1, 2, 3], fallback), fallback)
        compare(ColourMath.stageColoursFrom([255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 255,
                                             255, 0, 255, 16, 32, 48], fallback)[7], "#102030")
        compare(ColourMath.rgbOf("red"), [0, 0, 0])
    }

    function test_profile_names() {
        var parsed = ProfileNames.parse(["Standard0", "loadercorwel"])
        compare(parsed.length, 1)
        compare(parsed[0].name, "Standard")
        compare(parsed[0].pIndex, 0)
        // Entries without an index digit, beyond index 5 or doubling an index are dropped.
        parsed = ProfileNames.parse(["a0", "b", "c7", "d0", "e2", "profile_13"])
        compare(ProfileNames.serialise(parsed), ["a0", "e2", "profile_13"])
        compare(ProfileNames.freeIndex(parsed), 1)
        compare(ProfileNames.freeName([{ name: "profile_0", pIndex: 0 }], "profile_", ""), "profile_1")
        compare(ProfileNames.freeName([{ name: "x(0)", pIndex: 0 }], "x(", ")"), "x(1)")
    }

    function test_font_falls_back_without_the_designed_face() {
        compare(Fonts.pick(["Arial", "微软雅黑"]), "微软雅黑")
        compare(Fonts.pick(["DejaVu Sans", "WenQuanYi Micro Hei"]), "WenQuanYi Micro Hei")
        compare(Fonts.pick(["Nothing"]), "")
    }
}
