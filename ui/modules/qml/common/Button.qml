import QtQuick 2.15

// A plain text button whose background lights up under the pointer.
Item {
    id: button
    width: 192
    height: 38
    property string textValue: "text"

    signal clicked()

    Rectangle {
        anchors.fill: parent
        color: "#737373"
        opacity: area.containsMouse ? 1 : 0.1
    }
    Text {
        anchors.centerIn: parent
        text: button.textValue
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
