import QtQuick 2.15
import "Skin.js" as Skin

// A tick box with its label; `toggled` asks the owner to flip it.
Row {
    property bool checked: false
    property string text: ""
    signal toggled()
    spacing: 6
    Rectangle {
        width: 14
        height: 14
        color: "#1c1c1c"
        border.color: "#c0c0c0"
        Image {
            anchors.fill: parent
            source: Skin.image("macros", parent.parent.checked ? "macroCheck1" : "macroCheck0", mainIten.skin_No)
        }
        Rectangle {
            anchors.centerIn: parent
            width: 6
            height: 6
            color: "#c0c0c0"
            visible: parent.parent.checked
        }
        MouseArea {
            anchors.fill: parent
            onClicked: parent.parent.toggled()
        }
    }
    MacroLabel { text: parent.text }
}
