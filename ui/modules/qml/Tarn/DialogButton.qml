import QtQuick 2.15

// The text button of the dialogs on this page set: 88 x 25, lit while hovered.
Rectangle {
    id: button
    width: 88
    height: 25
    border.color: "#4e3434"
    color: !enabled ? "#333333" : (area.containsMouse ? "#761212" : "#4f1717")

    property string text: ""
    signal clicked()

    Text {
        anchors.centerIn: parent
        text: button.text
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
