import QtQuick 2.15
import "Skin.js" as Skin

// A small box over the macro editor: a title, what it holds, OK and Cancel.
Rectangle {
    id: box
    property string title: ""
    property string background: ""
    default property alias content: body.data
    signal accepted()
    signal rejected()

    anchors.centerIn: parent
    width: 260
    height: 140
    color: "#2a1a1a"
    border.color: "#4e3434"
    Image {
        anchors.fill: parent
        source: Skin.image("index", box.background, mainIten.skin_No)
    }
    MacroLabel { x: 12; y: 8; text: box.title; font.bold: true }
    Item {
        id: body
        anchors.fill: parent
    }
    Row {
        x: 32
        y: 96
        spacing: 20
        DialogButton { text: macroEditor.macroEditorLang[10]; onClicked: box.accepted() }
        DialogButton { text: macroEditor.macroEditorLang[11]; onClicked: box.rejected() }
    }
}
