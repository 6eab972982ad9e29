import QtQuick 2.15
import "../basic/PanelMath.js" as PanelMath

// DPI of the resolution stages. Eight stages are kept and sent; the first
// six have a slider, an enable toggle and a colour square.
Frame {
    id: dpiPanel
    title: mainIten.mainLang[3]
    contentHeight: 233

    readonly property int stageCount: 8
    readonly property int dpiCount: 6
    readonly property int stagePitch: 37
    readonly property int trackTop: PanelMath.kDpiTrackTop
    readonly property int trackLength: PanelMath.kDpiTrackLength
    // Stage number the handler turns into "the mouse's stage 2" when the
    // whole panel is sent.
    readonly property int sendAllStage: 18
    readonly property var defaultColours: ["#ff0000", "#0000ff", "#00ff00", "#ffff00",
                                           "#00ffff", "#ff00ff", "#ff00ff", "#ff00ff"]

    property var values: [400, 800, 1600, 2400, 3200, 4800, 6400, 8000]
    property var selects: [1, 1, 1, 1, 1, 1, 0, 0]
    property var colours: defaultColours.slice()
    property int colorStage: -1

    signal dpiValueChange()
    signal dpiSelectChange(int dpiIndex)
    signal openColorBar(int dpiSelect, string dpiColor)
    signal dpiColorChange()

    function valueForDpi() {
        return values.slice()
    }

    function valueForDpiSelect() {
        return selects.map(function (s) { return s ? 1 : 0 })
    }

    function setValue(stage, v) {
        var next = values.slice()
        next[stage] = v
        values = next
    }

    // The mouse needs at least one stage to switch to.
    function enabledCount(flags) {
        return flags.reduce(function (n, s) { return n + (s ? 1 : 0) }, 0)
    }

    function toggleStage(stage) {
        var next = selects.slice()
        next[stage] = next[stage] ? 0 : 1
        if (enabledCount(next) === 0)
            return
        selects = next
        dpiSelectChange(stage)
    }

    // The colour bar chose a colour for the stage that opened it.
    function setColor(colour) {
        if (colorStage < 0 || colorStage >= stageCount)
            return
        var next = colours.slice()
        next[colorStage] = colour
        colours = next
        dpiColorChange()
    }

    function init() {
        var stored = ui_View.profileValues()
        values = stored.dpi
        selects = stored.stageFlags
        colours = stored.stageColours
    }

    Rectangle {
        width: 242
        height: parent.height
        color: "#b31a1a1a"
    }

    Row {
        x: 10
        y: 6
        Repeater {
            model: dpiPanel.dpiCount
            Item {
                id: stage
                objectName: "dpiStage" + index
                width: dpiPanel.stagePitch
                height: 225

                readonly property int value: dpiPanel.values[index]
                readonly property bool enabledStage: dpiPanel.selects[index] !== 0
                property real dragHeight: -1
                readonly property real shownHeight: dragHeight >= 0 ? dragHeight : PanelMath.heightForDpi(value)

                Image {
                    id: track
                    x: (parent.width - width) / 2
                    y: dpiPanel.trackTop
                    width: 10
                    height: dpiPanel.trackLength
                    source: mainIten.sourcedpiSettingBG
                }
                Rectangle {
                    x: track.x + 2
                    width: track.width - 4
                    y: track.y + track.height - height
                    height: stage.shownHeight
                    radius: 3
                    color: stage.enabledStage ? "#c62828" : "#5a5a5a"
                }
                Rectangle {
                    id: knob
                    x: track.x - 3
                    width: track.width + 6
                    height: 6
                    radius: 2
                    y: track.y + track.height - stage.shownHeight - height / 2
                    color: "#f0f0f0"
                }
                MouseArea {
                    id: trackArea
                    objectName: "dpiTrack"
                    width: parent.width
                    height: dpiPanel.trackTop * 2 + dpiPanel.trackLength
                    // The right column would take a vertical drag away otherwise.
                    preventStealing: true
                    property bool dragging: false
                    onPressed: {
                        mainIten.focusControl()
                        if (Math.abs(mouse.y - (knob.y + knob.height / 2)) <= 6) {
                            dragging = true
                            return
                        }
                        dpiPanel.setValue(index, PanelMath.dpiForHeight(PanelMath.heightForClick(mouse.y)))
                        // Sent once the press is handled: the device traffic runs
                        // pending events, and a release handled inside the press
                        // would leave the grab with this area.
                        Qt.callLater(dpiPanel.dpiValueChange)
                    }
                    onPositionChanged: {
                        if (dragging)
                            stage.dragHeight = PanelMath.heightForClick(mouse.y)
                    }
                    onReleased: {
                        if (!dragging)
                            return
                        dragging = false
                        if (stage.dragHeight >= 0)
                            dpiPanel.setValue(index, PanelMath.dpiForHeight(stage.dragHeight))
                        stage.dragHeight = -1
                        dpiPanel.dpiValueChange()
                    }
                }
                Text {
                    y: 172
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: stage.dragHeight >= 0 ? PanelMath.dpiForHeight(stage.dragHeight) : stage.value
                    color: stage.enabledStage ? mainIten.fontColor : "#7a7a7a"
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontMinSize
                }
                Image {
                    objectName: "dpiToggle"
                    y: 190
                    width: 14
                    height: 14
                    anchors.horizontalCenter: parent.horizontalCenter
                    source: stage.enabledStage ? mainIten.sourcedpiSetting1 : mainIten.sourcedpiSetting0
                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            mainIten.focusControl()
                            dpiPanel.toggleStage(index)
                        }
                    }
                }
                Rectangle {
                    objectName: "dpiColour"
                    y: 212
                    width: 8
                    height: 8
                    anchors.horizontalCenter: parent.horizontalCenter
                    color: dpiPanel.colours[index]
                    border.color: "#c0c0c0"
                    border.width: 1
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -4
                        onClicked: {
                            mainIten.focusControl()
                            dpiPanel.colorStage = index
                            dpiPanel.openColorBar(index, dpiPanel.colours[index])
                        }
                    }
                }
            }
        }
    }
}
