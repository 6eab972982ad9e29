import QtQuick 2.15

// The dimming mask behind the dialogs and windows: a press goes to the open
// window, and dragging moves the main window as the page does.
Rectangle {
    anchors.fill: parent
    color: "#90000000"
    visible: false
    MouseArea {
        anchors.fill: parent
        property point pressPoint
        onPressed: {
            pressPoint = Qt.point(mouse.x, mouse.y)
            if (macroEditorMain.visible)
                macroEditorMain.macroEditorFocus()
            else if (profileMain.visible)
                profileMain.forceActiveFocus()
            else if (gunControlMain.visible)
                gunControlMain.gunControlFocus()
            else if (macroKeyMain.visible)
                macroKeyMain.macroKeyFocus()
        }
        onPositionChanged: {
            ui_Ctl.onXChanged(mouse.x - pressPoint.x)
            ui_Ctl.onYChanged(mouse.y - pressPoint.y)
        }
    }
}
