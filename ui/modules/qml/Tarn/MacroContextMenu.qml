import QtQuick 2.15

// The sequence's editing menu: delete, insert a click, a delay or keys.
Rectangle {
    id: contextMenu
    visible: false
    width: 150
    height: menuColumn.height + 2
    color: "#6f2929"
    border.color: "#8f2020"
    z: 10

    function openAt(point) {
        x = Math.min(point.x, macroEditor.width - width)
        y = Math.min(point.y, macroEditor.height - height)
        visible = true
    }

    function run(command) {
        visible = false
        switch (command) {
        case 0: macroEditor.deleteEvent(); break
        case 1: macroEditor.insertClick("MS-L"); break
        case 2: macroEditor.insertClick("MS-M"); break
        case 3: macroEditor.insertClick("MS-R"); break
        case 4: macroEditor.insertDelay(); break
        case 5: macroEditor.openInsertKeys(); break
        }
    }

    Column {
        id: menuColumn
        y: 1
        Repeater {
            model: macroEditor.menuTexts
            Rectangle {
                width: contextMenu.width
                height: 21
                color: commandArea.containsMouse ? "#8f2020" : "transparent"
                MacroLabel { x: 8; anchors.verticalCenter: parent.verticalCenter; text: modelData }
                MouseArea {
                    id: commandArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: contextMenu.run(index)
                }
            }
        }
    }
}
