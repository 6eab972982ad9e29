import QtQuick 2.15

// A one-line field of the rules dialog; `edited` carries each change.
Rectangle {
    id: field
    height: 20
    color: "#2e2e2e"
    border.color: input.activeFocus ? "#b03b3b" : "#4e3434"

    property alias text: input.text
    signal edited(string value)
    signal picked()

    TextInput {
        id: input
        x: 4
        width: parent.width - 8
        anchors.verticalCenter: parent.verticalCenter
        clip: true
        color: mainIten.fontColor
        selectByMouse: true
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
        onTextEdited: field.edited(text)
        onActiveFocusChanged: if (activeFocus) field.picked()
    }
}
