import QtQuick 2.15
import "PanelMath.js" as PanelMath
import "ColourMath.js" as ColourMath

// The DPI stages' colour picker: six presets and a hue bar.
Rectangle {
    id: picker
    width: 160
    height: 103
    radius: 2
    color: "#1c1c1c"
    border.color: "#c0c0c0"
    border.width: 1
    visible: false

    readonly property var presets: ["#ff0000", "#0000ff", "#00ff00", "#ffff00", "#0000ff", "#ff00ff"]
    readonly property int barWidth: 128
    readonly property var stageX: [25, 61, 98, -17, 20]
    property string currentColour: "#ff0000"
    property int sliderX: 0

    signal colourPicked(string colour)

    function xForStage(stage) {
        return stage >= 0 && stage < stageX.length ? stageX[stage] : 58
    }

    function setColour(colour) {
        currentColour = colour
        sliderX = ColourMath.sliderForColour(colour)
    }

    // Kept wholly inside the column it opens in.
    function open(stage, colour) {
        x = Math.max(0, Math.min(xForStage(stage), parent.width - width))
        setColour(colour)
        visible = true
    }

    function pick() {
        var c = ColourMath.hueAt(sliderX, barWidth)
        currentColour = ColourMath.colourText(c[0], c[1], c[2])
        colourPicked(currentColour)
    }

    // Clicks inside the picker stay in it.
    MouseArea { anchors.fill: parent }

    Text {
        x: 8
        y: 4
        text: mainIten.mainLang[30]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMinSize
    }
    Row {
        x: 8
        y: 22
        spacing: 8
        Repeater {
            model: picker.presets
            Rectangle {
                objectName: "pickerPreset" + index
                width: 9
                height: 9
                color: modelData
                border.color: "#c0c0c0"
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -3
                    onClicked: {
                        picker.setColour(modelData)
                        picker.colourPicked(modelData)
                    }
                }
            }
        }
    }
    Text {
        x: 8
        y: 38
        text: mainIten.mainLang[31]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMinSize
    }
    Row {
        x: 8
        y: 55
        spacing: 6
        Rectangle {
            width: 14
            height: 14
            color: picker.currentColour
            border.color: "#c0c0c0"
        }
        Text {
            readonly property var rgb: ColourMath.rgbOf(picker.currentColour)
            text: "R:" + rgb[0] + "  G:" + rgb[1] + "  B:" + rgb[2]
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMinSize
        }
    }
    Item {
        objectName: "pickerBar"
        x: 16
        y: 78
        width: picker.barWidth
        height: 16
        Image {
            y: 2
            width: picker.barWidth
            height: 12
            source: mainIten.sourcecolorBar
        }
        Image {
            id: slide
            x: picker.sliderX
            width: 6
            height: 16
            source: mainIten.sourcecolorBarSlide
        }
        MouseArea {
            anchors.fill: parent
            // The right column would take a vertical drag away otherwise.
            preventStealing: true
            property bool dragging: false
            onPressed: {
                dragging = Math.abs(mouse.x - (slide.x + slide.width / 2)) <= slide.width
                if (!dragging)
                    picker.sliderX = PanelMath.clamp(mouse.x - slide.width / 2 + 1, -2, 125)
            }
            onPositionChanged: {
                if (dragging)
                    picker.sliderX = PanelMath.clamp(mouse.x - slide.width / 2 + 1, -2, 125)
            }
            onReleased: picker.pick()
        }
    }
}
