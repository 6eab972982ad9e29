import QtQuick 2.15

// The factory-reset button.
Item {
    id: menuDown
    width: 72
    height: 24

    signal clicked()

    Image {
        anchors.fill: parent
        source: area.pressed ? mainIten.sourceRestBtnP
                             : (area.containsMouse ? mainIten.sourceRestBtnH : mainIten.sourceRestBtn)
    }
    Text {
        anchors.centerIn: parent
        text: mainIten.mainLang[26]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: menuDown.clicked()
    }
}
