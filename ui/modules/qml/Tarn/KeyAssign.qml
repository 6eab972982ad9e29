import QtQuick 2.15

// The button list's menu and key dialogs: where the menu opens and what a
// choice writes into the selected button.
QtObject {
    // Keeps the row the user just clicked: focus control would clear it
    // when the menu was open for another row.
    function openKeyMenu(index) {
        var selected = mouseMain.selectKey
        mainIten.focusControl()
        mouseMain.selectKey = selected
        keyMenuMain.x = keyMatrixMain.getx(index)
        keyMenuMain.y = keyMatrixMain.gety(index)
        keyMenuMain.showControl()
    }

    // menuStr: eight hex digits, the four bytes of a button function.
    function assignKey(menuStr) {
        var b = []
        for (var i = 0; i < 4; ++i)
            b.push(parseInt(menuStr.substr(2 * i, 2), 16))
        keyMatrixMain.modifyData(mouseMain.selectKey, b[0], b[1], b[2], b[3])
        keyMatrixMain.refreashUI()
        keyMenuMain.visible = false
        mouseMain.selectKey = -1
    }

    function closeKeyDialog(dialog) {
        dialog.visible = false
        mainMask.visible = false
        mouseMain.selectKey = -1
    }
}
