import QtQuick 2.15
import "../basic/PanelMath.js" as PanelMath

// A half dial from "Slow" (0) to "Fast" (11); the value is taken on release.
Item {
    id: dial
    width: 226
    height: 110

    property int value: 5
    property var images: [mainIten.sourcemouseRate0, mainIten.sourcemouseRate1, mainIten.sourcemouseRate2,
                          mainIten.sourcemouseRate3, mainIten.sourcemouseRate4, mainIten.sourcemouseRate5,
                          mainIten.sourcemouseRate6, mainIten.sourcemouseRate7, mainIten.sourcemouseRate8,
                          mainIten.sourcemouseRate9, mainIten.sourcemouseRate10]

    signal released()

    Image {
        id: face
        objectName: "dialFace"
        x: (parent.width - width) / 2
        y: 4
        width: 200
        height: 90
        source: dial.images[PanelMath.dialImage(dial.value)]
        MouseArea {
            // The right column would take a vertical drag away otherwise.
            preventStealing: true
            anchors.fill: parent
            onPressed: {
                mainIten.focusControl()
                dial.value = PanelMath.dialValue(mouse.x, mouse.y, width)
            }
            onPositionChanged: dial.value = PanelMath.dialValue(mouse.x, mouse.y, width)
            onReleased: dial.released()
        }
    }
    Text {
        x: face.x
        y: face.y + face.height
        text: mainIten.mainLang[13]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }
    Text {
        x: face.x + face.width - width
        y: face.y + face.height
        text: mainIten.mainLang[14]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }
}
