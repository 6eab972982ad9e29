import QtQuick 2.15
import "AxisLevels.js" as Axis
import "Skin.js" as Skin

// The "Axis Sensitivity" panel: two ten-level sliders. X and Y are always
// stored and sent together.
Frame {
    id: xySetting
    title: mainIten.mainLang[0]
    contentHeight: 96

    property int levelX: Axis.DEFAULT_LEVEL
    property int levelY: Axis.DEFAULT_LEVEL

    signal clickXySetting()

    // The sliders are inline components, which do not see this file's script
    // imports; they reach the rules through these.
    readonly property int defaultLevel: Axis.DEFAULT_LEVEL
    readonly property int firstCentre: Axis.knobCentres[0]
    readonly property int lastCentre: Axis.knobCentres[Axis.LEVEL_COUNT - 1]
    function knobCentre(level, fromInit) { return Axis.knobCentre(level, fromInit) }
    function levelForX(x) { return Axis.levelForX(x) }
    function skin(file) { return Skin.image("xySetting", file, mainIten.skin_No) }

    onClickFrame: clickXySetting()

    function send() {
        ui_View.sendAxisLevels(levelX, levelY)
    }

    function init() {
        var values = ui_View.profileValues()
        levelX = values.axisX
        levelY = values.axisY
        xSlider.place(levelX, true)
        ySlider.place(levelY, true)
    }

    // A slider moved to `level`: store both, send both, refresh the lighting.
    function changeLevel(axis, level) {
        if (axis === 0) {
            if (level === levelX)
                return
            levelX = level
        } else {
            if (level === levelY)
                return
            levelY = level
        }
        ui_View.setXYSensitive(0, levelX)
        ui_View.setXYSensitive(1, levelY)
        send()
        if (typeof lightControlMain !== "undefined" && lightControlMain.refresh)
            lightControlMain.refresh()
    }

    component AxisSlider: Item {
        id: slider
        property int axis: 0
        property int level: xySetting.defaultLevel
        property string label: ""
        width: 222
        height: 40

        Component.onCompleted: place(level, true)

        function place(newLevel, fromInit) {
            level = newLevel
            knob.x = xySetting.knobCentre(newLevel, fromInit) - knob.width / 2
        }

        function pick(x) {
            var picked = xySetting.levelForX(x)
            place(picked, false)
            xySetting.changeLevel(axis, picked)
        }

        Text {
            text: slider.label
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        Item {
            id: track
            y: 18
            width: 210
            height: 20
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width
                height: 4
                color: "#444444"
            }
            Image {
                anchors.fill: parent
                source: xySetting.skin("xy" + slider.level)
            }
            MouseArea {
                anchors.fill: parent
                onClicked: slider.pick(mouse.x)
            }
            Image {
                id: knob
                width: 14
                height: 20
                source: xySetting.skin("xyBtn")
                Rectangle {
                    anchors.fill: parent
                    radius: 3
                    color: "#c0c0c0"
                    visible: knob.status !== Image.Ready
                }
                MouseArea {
                    anchors.fill: parent
                    drag.target: knob
                    drag.axis: Drag.XAxis
                    drag.minimumX: xySetting.firstCentre - knob.width / 2
                    drag.maximumX: xySetting.lastCentre - knob.width / 2
                    onReleased: slider.pick(knob.x + knob.width / 2)
                }
            }
        }
    }

    Rectangle {
        width: xySetting.width
        height: xySetting.contentHeight
        color: "#b31a1a1a"
        Column {
            x: 10
            y: 6
            spacing: 6
            AxisSlider { id: xSlider; axis: 0; label: mainIten.mainLang[1] }
            AxisSlider { id: ySlider; axis: 1; label: mainIten.mainLang[2] }
        }
    }
}
