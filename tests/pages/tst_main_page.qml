import QtQuick 2.15
import QtTest 1.2

// The root page's own parts driven by pointer events and calls, without a
// back end: the skin, the key tables, the panels' controls and the dialogs
// that only move items around. What reaches the mouse is checked against
// the virtual mouse in tst_main_page_device.
TestCase {
    name: "MainPage"
    when: windowShown
    // A test case is invisible by default; the page has to be shown to get
    // pointer events.
    visible: true
    width: 1000
    height: 640

    Loader {
        id: loader
        source: "qrc:/modules/qml/main.qml"
    }

    property var root: loader.item

    function initTestCase() {
        verify(root !== null)
        root.visible = true
        root.fullPage = true
    }

    function init() {
        child("rightColumn").contentY = 0
    }

    function args(spy, i) {
        return Array.prototype.slice.call(spy.signalArguments[i])
    }

    function child(name) {
        var item = findChild(root, name)
        verify(item !== null, name)
        return item
    }

    Component {
        id: probe
        Image {}
    }

    function test_every_skin_image_loads() {
        var names = Object.keys(root).filter(function (k) { return /^source/.test(k) && typeof root[k] === "string" })
        verify(names.length > 0)
        for (var i = 0; i < names.length; ++i) {
            var img = createTemporaryObject(probe, root, { source: root[names[i]] })
            compare(img.status, Image.Ready, names[i] + " at " + root[names[i]])
        }
    }

    function test_key_names() {
        var k = root.keyCodes()
        compare(k.keycodeTostr(0x4F), "\u25BA")
        compare(k.keycodeTostr(0x32), "\\ |")
        compare(k.keycodeTostr(0x74), "")
        compare(k.keycodeTostr(-1), "")
        // Both backslash usages share a name, which leads back to the later one.
        compare(k.strTokeycode("\\ |"), 0x32)
        compare(k.strTokeycode("nothing"), undefined)
        compare(k.mouseData2str1["08000101"], "枪键开关")
        compare(k.mouseData2str["08000101"], undefined)
        compare([0, 1, 6, 0x80, 0x100, -1, 0xFFFFFF00].map(k.logByte), [0, 1, 2, 8, 0, 1, 0])
    }

    function test_dpi_track_click_reports_at_once() {
        var dpi = child("dpiSettingMain")
        var spy = createTemporaryQmlObject("import QtTest 1.2; SignalSpy { signalName: 'dpiValueChange' }", root)
        spy.target = dpi
        var track = findChild(child("dpiStage0"), "dpiTrack")
        mouseClick(track, 10, 2)
        compare(dpi.valueForDpi()[0], 8000)
        spy.wait()
        compare(spy.count, 1)
        mouseClick(track, 10, 165)
        compare(dpi.valueForDpi()[0], 200)
        compare(dpi.dpiValueToDpiSet()[0], 1)
        spy.wait()
        compare(spy.count, 2)
        // Dragging the knob reports once, on release.
        var knobY = 8 + 154 - 0
        wait(500)  // not a double click
        mousePress(track, 10, knobY)
        mouseMove(track, 10, 90, -1, Qt.LeftButton)
        mouseMove(track, 10, 85, -1, Qt.LeftButton)
        compare(spy.count, 2)
        mouseRelease(track, 10, 85)
        compare(spy.count, 3)
        compare(dpi.valueForDpi()[0], 4100)
    }

    function test_dpi_toggles_keep_one_stage() {
        var dpi = child("dpiSettingMain")
        dpi.selects = [1, 0, 0, 0, 0, 0, 0, 0]
        var spy = createTemporaryQmlObject("import QtTest 1.2; SignalSpy { signalName: 'dpiSelectChange' }", root)
        spy.target = dpi
        dpi.toggleStage(0)
        compare(dpi.valueForDpiSelect(), [1, 0, 0, 0, 0, 0, 0, 0])
        compare(spy.count, 0)
        dpi.toggleStage(3)
        compare(dpi.valueForDpiSelect(), [1, 0, 0, 1, 0, 0, 0, 0])
        compare(spy.signalArguments[0][0], 3)
    }

    function test_dial_centre_line() {
        var panel = child("mouseRateMain")
        child("rightColumn").contentY = panel.y
        var face = findChild(panel, "dialFace")
        var spy = createTemporaryQmlObject("import QtTest 1.2; SignalSpy { signalName: 'mouseRateChange' }", root)
        spy.target = panel
        mouseClick(face, face.width - 5, 70)
        compare(panel.mouseRateValue, 11)
        compare(spy.count, 1)
        mouseClick(face, 5, 70)
        compare(panel.mouseRateValue, 0)
        var dbl = child("doubleRateMain")
        mouseClick(findChild(dbl, "dialFace"), 100, 5)
        compare(dbl.doubleRateValue, 6)
    }

    function test_scroll_bar_drag_moves_the_column() {
        var flick = child("rightColumn")
        var bar = child("rightScrollBar")
        verify(bar.visible)
        compare(flick.height, 563)
        mousePress(bar, 4, 10)
        mouseMove(bar, 4, 110, -1, Qt.LeftButton)
        compare(flick.contentY, 100)
        // Never above the top.
        mouseMove(bar, 4, -400, -1, Qt.LeftButton)
        compare(flick.contentY, 0)
        // Never past the end.
        mouseMove(bar, 4, 2000, -1, Qt.LeftButton)
        compare(flick.contentY, flick.contentHeight - flick.height)
        mouseRelease(bar, 4, 2000)
        compare(bar.y + bar.height, 563)
    }

    function test_colour_picker() {
        var picker = child("colorBarMain")
        picker.open(1, "#00ff00")
        verify(picker.visible)
        compare(picker.x, 61)
        compare(picker.sliderX, 40)
        picker.open(7, "#ff0000")
        compare(picker.x, 58)
        var dpi = child("dpiSettingMain")
        dpi.colorStage = 2
        var bar = findChild(picker, "pickerBar")
        // A click puts the slider at click x - 3 + 1 and picks its colour.
        mouseClick(bar, 52, 8)
        compare(picker.sliderX, 50)
        compare(picker.currentColour, "#00ff79")
        compare(dpi.colours[2], "#00ff79")
        root.focusControl()
        verify(!picker.visible)
    }

    function test_hue_bar_of_the_lighting_panel() {
        var light = child("lightControlMain")
        var spy = createTemporaryQmlObject("import QtTest 1.2; SignalSpy { signalName: 'setColor' }", root)
        spy.target = light
        light.sliderX = 40
        light.pickBarColour()
        compare(args(spy, 0), [0, 255, 0])
        light.sliderX = 125
        light.pickBarColour()
        compare(args(spy, 1), [255, 0, 0])
        light.choosePreset(5)
        compare([light.colorR, light.colorG, light.colorB], [255, 127, 0])
        compare(args(spy, 2), [0xff, 0x67, 0x00])
        // The colour square and its values show the panel colour, not the bar's.
        compare(String(findChild(light, "panelColourSquare").color), "#ff7f00")
        compare(findChild(light, "panelColourValues").text, "R 255\nG 127\nB 0")
    }

    function test_lighting_levels() {
        var light = child("lightControlMain")
        var spy = createTemporaryQmlObject("import QtTest 1.2; SignalSpy { signalName: 'setLED' }", root)
        spy.target = light
        var slider = findChild(child("effect2"), "levelSlider")
        mouseClick(slider, 40, 12)
        compare(light.levels[2], 1)
        spy.wait()
        compare(args(spy, 0), [2, 0, 1])
        light.chooseEffect(2)
        compare(light.level, 1)
        compare(args(spy, 1), [2, 0, 1])
    }

    function test_report_rate_quadrants() {
        var rate = child("reprotRateMain")
        child("rightColumn").contentY = rate.y
        var picture = findChild(rate, "ratePicture")
        mouseClick(picture, picture.width - 10, picture.height - 10)
        tryCompare(rate, "reportValue", 2)
        mouseClick(picture, 10, picture.height - 10)
        tryCompare(rate, "reportValue", 4)
        verify(String(picture.source).indexOf("reportRate2.png") > 0 || String(picture.source).indexOf("reportRateEn2.png") > 0)
    }

    function test_reset_dialog_stays_inside() {
        var sure = child("factorysure")
        sure.centre()
        compare(sure.x, 340)
        compare(sure.y, 240)
        sure.moveTo(-80, 900)
        compare(sure.x, 0)
        compare(sure.y, 640 - sure.height)
        sure.moveTo(2000, -5)
        compare(sure.x, 1000 - sure.width)
        compare(sure.y, 0)
    }

    function test_help_menu_and_focus() {
        var help = child("askMenu")
        compare(help.entries[1], "update")
        compare(help.entries[2], "verison:1.0")
        help.visible = true
        root.focusControl()
        verify(!help.visible)
    }
}
