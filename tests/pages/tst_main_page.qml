import QtQuick 2.15
import QtTest 1.2

// The root page's own parts driven by pointer events and calls, without a
// back end: the skin, the key tables, the panels' controls and the dialogs
// that only move items around. What reaches the mouse is checked against
// the virtual mouse in tst_main_page_device.
TestCase {
    name: "MainPage"
    when: windowShown
    // A test case is invisible by default; the page has to be shown to get pointer events.
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
        compare(picker.sliderX, 40)
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

}
