import QtQuick 2.15
import "Skin.js" as Skin

// The events of the chosen macro: a right click opens the editing menu, a
// double click on a delay edits it in place.
Rectangle {
    function positionViewAtEnd() {
        sequenceView.positionViewAtEnd()
    }

    width: 250
    height: 282
    color: "#1c1c1c"
    border.color: "#4e3434"
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: {
            macroEditor.currentEvent = -1
            contextMenu.openAt(mapToItem(macroEditor, mouse.x, mouse.y))
        }
    }
    ListView {
        id: sequenceView
        x: 1
        y: 1
        width: parent.width - 2
        height: Math.min(contentHeight, 280)
        clip: true
        model: macroEditor.sequenceModel
        delegate: Rectangle {
            width: sequenceView.width - 10
            height: macroEditor.rowHeight
            color: index === macroEditor.currentEvent ? "#761212" : "transparent"
            Image {
                x: 4
                width: 14
                height: 14
                anchors.verticalCenter: parent.verticalCenter
                source: Skin.image("macros", type === 0 ? "macroKeyDelay"
                                   : (type === 1 || type === 3 ? "macroKeyPress" : "macroKeyRelease"), mainIten.skin_No)
            }
            MacroLabel {
                x: 24
                anchors.verticalCenter: parent.verticalCenter
                visible: !delayEdit.visible
                text: type === 0 ? info + " ms" : info
            }
            TextInput {
                id: delayEdit
                x: 24
                width: 100
                anchors.verticalCenter: parent.verticalCenter
                visible: false
                color: mainIten.fontColor
                font.pixelSize: mainIten.fontNormalSize
                validator: IntValidator { bottom: 0; top: 100000 }
                function commit() {
                    if (!visible)
                        return
                    visible = false
                    macroEditor.setDelay(index, text)
                }
                onAccepted: commit()
                onActiveFocusChanged: if (!activeFocus) commit()
            }
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                enabled: !delayEdit.visible
                onClicked: {
                    macroEditor.currentEvent = index
                    if (mouse.button === Qt.RightButton)
                        contextMenu.openAt(mapToItem(macroEditor, mouse.x, mouse.y))
                }
                onDoubleClicked: {
                    if (type !== 0 || macroEditor.isInputting)
                        return
                    delayEdit.text = info
                    delayEdit.visible = true
                    delayEdit.forceActiveFocus()
                    delayEdit.selectAll()
                }
            }
        }
    }
    Rectangle {
        anchors.right: parent.right
        anchors.rightMargin: 2
        y: 2 + (sequenceView.visibleArea.yPosition * (parent.height - 4))
        width: 6
        radius: 3
        height: Math.min(1, sequenceView.visibleArea.heightRatio) * (parent.height - 4)
        color: "#767676"
        visible: sequenceView.contentHeight > sequenceView.height
    }
}
