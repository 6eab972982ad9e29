import QtQuick 2.15
import "Skin.js" as Skin

// The mouse picture, top or side view, with one spot per button that lights
// up for the button being assigned.
Item {
    id: mousePicture
    width: 1000
    height: 640

    property int selectKey: -1
    property int keyCount: 7
    property bool isSide: false

    readonly property int pictureX: 290
    readonly property int pictureY: 80
    readonly property int spotCount: 9

    // Spots 7, 8 and 9 belong to buttons only some models have.
    function spotShown(index) {
        return index < 6 || keyCount > index
    }

    function closeMenu() {
        if (typeof keyMenuMain !== "undefined" && keyMenuMain.visible) {
            keyMenuMain.visible = false
            selectKey = -1
        }
    }

    Image {
        id: picture
        x: mousePicture.pictureX
        y: mousePicture.pictureY
        source: Skin.image("mouse", mousePicture.isSide ? "MouseSide" : "MouseFront", mainIten.skin_No)
    }

    Repeater {
        model: mousePicture.spotCount
        Image {
            x: mousePicture.pictureX
            y: mousePicture.pictureY
            visible: mousePicture.spotShown(index)
            source: Skin.image("mouse", (mousePicture.isSide ? "MouseSide" : "Mouse") + index
                               + (mousePicture.selectKey === index ? "S" : ""), mainIten.skin_No)
        }
    }

    Row {
        x: mousePicture.pictureX + 90
        y: 560
        spacing: 20
        Repeater {
            model: [17, 18]
            Item {
                width: 96
                height: 26
                readonly property bool chosen: mousePicture.isSide === (index === 1)
                Image {
                    anchors.fill: parent
                    source: Skin.image("mouse", parent.chosen ? "mouseSidebtnS"
                                       : (viewArea.containsMouse ? "mouseSidebtnH" : "mouseSidebtnN"), mainIten.skin_No)
                }
                Text {
                    anchors.centerIn: parent
                    text: mainIten.mainLang[modelData]
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }
                MouseArea {
                    id: viewArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        mousePicture.closeMenu()
                        mousePicture.isSide = index === 1
                    }
                }
            }
        }
    }
}
