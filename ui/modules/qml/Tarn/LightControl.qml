import QtQuick 2.15
import "../basic/PanelMath.js" as PanelMath
import "../basic/ColourMath.js" as ColourMath

// Lighting effect with its level, and the colour of the effects that use one.
Frame {
    id: lightPanel
    title: mainIten.mainLang[4]
    contentHeight: 60 + 24 * 5 + 100 + 3 - barHeight

    readonly property int effectCount: 14
    readonly property int shownEffects: 5
    readonly property int barWidth: 128
    // mainLang index of each effect's name.
    readonly property var effectText: [5, 6, 7, 8, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44]
    // Preset squares: what they show and what the panel takes from them.
    readonly property var presetShown: ["#ff0000", "#0000ff", "#00ff00", "#ffff00",
                                        "#00ffff", "#ff6700", "#ff00ff", "#ffffff"]
    readonly property var presetPanel: [[255, 0, 0], [0, 0, 255], [0, 255, 0], [255, 255, 0],
                                        [0, 255, 255], [255, 127, 0], [255, 0, 255], [255, 255, 255]]
    readonly property var presetSent: [[0xff, 0x00, 0x00], [0x00, 0x00, 0xff], [0x00, 0xff, 0x00],
                                       [0xff, 0xff, 0x00], [0x00, 0xff, 0xff], [0xff, 0x67, 0x00],
                                       [0xff, 0x00, 0xff], [0xff, 0xff, 0xff]]

    property int effect: 0
    property int level: 4
    property var levels: [4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4]
    property int colorR: 255
    property int colorG: 0
    property int colorB: 0
    property int sliderX: ColourMath.sliderForColour(ColourMath.colourText(colorR, colorG, colorB))

    signal setLED(int tmpEffect, int tmpColor, int tmpSpeedBrightness)
    signal setColor(int colorR, int colorG, int colorB)

    function chooseEffect(e) {
        effect = e
        level = levels[e]
        setLED(e, 0, levels[e])
    }

    function setLevel(e, l) {
        var next = levels.slice()
        next[e] = l
        levels = next
        if (e === effect)
            level = l
        setLED(e, 0, l)
    }

    // For pointer handlers: the device traffic runs after the event is
    // handled, not inside it.
    function setLevelLater(e, l) {
        var next = levels.slice()
        next[e] = l
        levels = next
        Qt.callLater(setLevel, e, l)
    }

    function setPanelColour(r, g, b) {
        colorR = r
        colorG = g
        colorB = b
    }

    function choosePreset(i) {
        setPanelColour(presetPanel[i][0], presetPanel[i][1], presetPanel[i][2])
        setColor(presetSent[i][0], presetSent[i][1], presetSent[i][2])
    }

    // The hue bar chose the colour under its slider.
    function pickBarColour() {
        var c = ColourMath.hueAt(sliderX, barWidth)
        setPanelColour(c[0], c[1], c[2])
        setColor(c[0], c[1], c[2])
    }

    function refresh() {
        setColor(colorR, colorG, colorB)
    }

    // Every effect but the profile's starts again at level 4.
    function init() {
        var values = ui_View.profileValues()
        var next = []
        for (var i = 0; i < effectCount; ++i)
            next.push(4)
        effect = values.effect
        level = values.level
        next[effect] = level
        levels = next
        setPanelColour(values.colour[0], values.colour[1], values.colour[2])
        sliderX = ColourMath.sliderForColour(ColourMath.colourText(colorR, colorG, colorB))
    }

    Rectangle {
        width: 242
        height: parent.height
        color: "#b31a1a1a"
    }

    Column {
        x: 8
        y: 6
        spacing: 0

        Text {
            height: 36
            verticalAlignment: Text.AlignVCenter
            text: mainIten.mainLang[lightPanel.effectText[lightPanel.effect]]
            color: "#e04848"
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
        }

        Repeater {
            model: lightPanel.shownEffects
            Item {
                objectName: "effect" + index
                width: 226
                height: 24
                readonly property int effectLevel: lightPanel.levels[index]

                Image {
                    objectName: "effectChoice"
                    y: 5
                    width: 14
                    height: 14
                    source: lightPanel.effect === index ? mainIten.sourceLightControlBtn1 : mainIten.sourceLightControlBtn0
                }
                Text {
                    x: 20
                    width: 70
                    height: 24
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: mainIten.mainLang[lightPanel.effectText[index]]
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }
                MouseArea {
                    width: 90
                    height: 24
                    onClicked: {
                        mainIten.focusControl()
                        lightPanel.chooseEffect(index)
                    }
                }
                Item {
                    objectName: "levelSlider"
                    x: 94
                    width: 132
                    height: 24
                    Image {
                        y: 8
                        width: 130
                        height: 8
                        source: [mainIten.sourceLightControl0, mainIten.sourceLightControl1, mainIten.sourceLightControl2,
                                 mainIten.sourceLightControl3, mainIten.sourceLightControl4][effectLevel]
                    }
                    Image {
                        x: PanelMath.xForLevel(effectLevel) - width / 2
                        y: 5
                        width: 10
                        height: 14
                        source: mainIten.sourceLightControlBtn
                    }
                    MouseArea {
                        // The right column would take a vertical drag away otherwise.
                        preventStealing: true
                        anchors.fill: parent
                        onPressed: {
                            mainIten.focusControl()
                            lightPanel.setLevelLater(index, PanelMath.levelForX(mouse.x))
                        }
                        onPositionChanged: {
                            var l = PanelMath.levelForX(mouse.x)
                            if (l !== effectLevel)
                                lightPanel.setLevelLater(index, l)
                        }
                    }
                }
            }
        }

        Text {
            height: 24
            verticalAlignment: Text.AlignVCenter
            text: mainIten.mainLang[30]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        Row {
            spacing: 12
            height: 16
            Repeater {
                model: 8
                Rectangle {
                    objectName: "preset" + index
                    width: 14
                    height: 14
                    color: lightPanel.presetShown[index]
                    border.color: "#c0c0c0"
                    border.width: 1
                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            mainIten.focusControl()
                            lightPanel.choosePreset(index)
                        }
                    }
                }
            }
        }
        Text {
            height: 24
            verticalAlignment: Text.AlignVCenter
            text: mainIten.mainLang[31]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        Row {
            spacing: 8
            height: 40
            Item {
                objectName: "hueBar"
                width: lightPanel.barWidth
                height: 20
                Image {
                    y: 4
                    width: lightPanel.barWidth
                    height: 12
                    source: mainIten.sourcecolorBar
                }
                Image {
                    id: barSlide
                    x: lightPanel.sliderX
                    width: 6
                    height: 20
                    source: mainIten.sourcecolorBarSlide
                }
                MouseArea {
                    anchors.fill: parent
                    // The right column would take a vertical drag away otherwise.
                    preventStealing: true
                    property bool dragging: false
                    onPressed: {
                        mainIten.focusControl()
                        dragging = Math.abs(mouse.x - (barSlide.x + barSlide.width / 2)) <= barSlide.width
                        if (!dragging)
                            lightPanel.sliderX = PanelMath.clamp(mouse.x - barSlide.width / 2 + 1, -2, 125)
                    }
                    onPositionChanged: {
                        if (dragging)
                            lightPanel.sliderX = PanelMath.clamp(mouse.x - barSlide.width / 2 + 1, -2, 125)
                    }
                    onReleased: lightPanel.pickBarColour()
                }
            }
            // The panel colour, however it was set: preset, bar or stored.
            Rectangle {
                objectName: "panelColourSquare"
                width: 18
                height: 18
                color: ColourMath.colourText(lightPanel.colorR, lightPanel.colorG, lightPanel.colorB)
                border.color: "#c0c0c0"
            }
            Text {
                objectName: "panelColourValues"
                height: 18
                verticalAlignment: Text.AlignVCenter
                text: "R " + lightPanel.colorR + "\nG " + lightPanel.colorG + "\nB " + lightPanel.colorB
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: 9
                lineHeight: 0.9
            }
        }
    }
}
