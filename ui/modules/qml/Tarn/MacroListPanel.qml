import QtQuick 2.15

// The macro editor's list of macros: a click selects, a double click
// renames in place.
Rectangle {
    x: 15
    y: 30
    width: 160
    height: 265
    color: "#1c1c1c"
    border.color: "#4e3434"
    ListView {
        id: macroView
        x: 1
        y: 1
        width: parent.width - 2
        height: Math.min(contentHeight, 263)
        clip: true
        model: macroEditor.macroListModel
        delegate: Rectangle {
            width: macroView.width
            height: macroEditor.rowHeight
            color: index === macroEditor.currentMacro ? "#761212" : "transparent"
            MacroLabel {
                x: 6
                anchors.verticalCenter: parent.verticalCenter
                text: macroName
                visible: !nameEdit.visible
            }
            TextInput {
                id: nameEdit
                x: 6
                width: parent.width - 8
                anchors.verticalCenter: parent.verticalCenter
                visible: false
                color: mainIten.fontColor
                font.family: mainIten.fontFamily
                font.pixelSize: mainIten.fontNormalSize
                function commit() {
                    if (!visible)
                        return
                    visible = false
                    macroEditor.renameMacro(index, text)
                }
                onAccepted: commit()
                onActiveFocusChanged: if (!activeFocus) commit()
            }
            MouseArea {
                anchors.fill: parent
                enabled: !nameEdit.visible
                onClicked: macroEditor.selectMacro(index)
                onDoubleClicked: {
                    if (macroEditor.isInputting)
                        return
                    nameEdit.text = macroName
                    nameEdit.visible = true
                    nameEdit.forceActiveFocus()
                    nameEdit.selectAll()
                }
            }
        }
    }
}
