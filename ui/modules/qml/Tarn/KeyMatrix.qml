import QtQuick 2.15

// The "Button Assignment" panel: one row per button with its current
// function. It owns the 16-entry key matrix; positions 9 to 15 are not shown
// but are stored and sent with the rest.
Frame {
    id: keyMatrix
    title: keyMatrixLang[3]
    contentHeight: rows.height + 6

    property var keyMatrixLang: ["Macro: ", "Deactivated", "Keyboard Key-", "Button Assignment", "Button ", "Fire Key", "", "", "", ""]
    property alias modKeys: modKeys
    readonly property int rowPitch: 21
    readonly property int entryCount: 16
    readonly property int shownRows: 9
    readonly property int kindKeyboard: 0x01
    readonly property int kindMacro: 0x0A
    readonly property int kindDoubleClick: 0x0C
    readonly property int fireKeyByte1: 240

    signal clickKeyMatrix(int index)
    signal enterBtn(int index)
    signal leaveBtn(int index)

    // The shown entries; init fills them from the current profile.
    ListModel {
        id: modKeys
        Component.onCompleted: {
            for (var i = 0; i < keyMatrix.entryCount; ++i)
                append({ keyCode0: 0, keyCode1: 0, keyCode2: 0, keyCode3: 0, keyText: "" })
        }
    }

    function entry(index) {
        var m = modKeys.get(index)
        return [m.keyCode0, m.keyCode1, m.keyCode2, m.keyCode3]
    }

    function entries() {
        var list = []
        for (var i = 0; i < modKeys.count; ++i)
            list.push(entry(i))
        return list
    }

    function setSelectedKey(index) {
        if (typeof mouseMain !== "undefined")
            mouseMain.selectKey = index
    }

    // The assignment menu, or a dialog behind the mask, owns the page: hover
    // must not move the button they assign to.
    function menuOpen() {
        return (typeof keyMenuMain !== "undefined" && keyMenuMain.visible) || dialogOpen()
    }

    function dialogOpen() {
        return typeof mainMask !== "undefined" && mainMask.visible
    }

    function hexByte(value) {
        var s = (value & 0xFF).toString(16)
        return s.length < 2 ? "0" + s : s
    }

    // The label of an entry, by its function: the view maps every encoding
    // of a function to the menu's, which the key tables name.
    function keyCodetoText(b0, b1, b2, b3) {
        if (b0 === kindMacro)
            return keyMatrixLang[0] + String(ui_View.getMacroKey(b3))
        var f = ui_View.buttonFunction([b0, b1, b2, b3])
        if (f[0] === 0 && f[1] === 0 && f[2] === 0 && f[3] === 0)
            return keyMatrixLang[1]
        if (f[0] === kindKeyboard && f[1] === 0 && f[3] === 0) {
            var key = _KeyCodeString.keycodeTostr(f[2]) || ""
            return key === "" ? keyMatrixLang[3] : keyMatrixLang[2] + key
        }
        if (f[0] === kindDoubleClick && f[1] === fireKeyByte1)
            return keyMatrixLang[5]
        var table = mainIten.language === 1 ? _KeyCodeString.mouseData2str1 : _KeyCodeString.mouseData2str
        var named = table[hexByte(f[0]) + hexByte(f[1]) + hexByte(f[2]) + hexByte(f[3])]
        return named === undefined || named === null ? "" : String(named)
    }

    function setEntry(index, e) {
        modKeys.setProperty(index, "keyCode0", e[0])
        modKeys.setProperty(index, "keyCode1", e[1])
        modKeys.setProperty(index, "keyCode2", e[2])
        modKeys.setProperty(index, "keyCode3", e[3])
        modKeys.setProperty(index, "keyText", keyCodetoText(e[0], e[1], e[2], e[3]))
    }

    function init() {
        var shown = ui_View.profileValues().buttons
        for (var i = 0; i < entryCount; ++i)
            setEntry(i, shown[i])
    }

    function modifyData(index, b0, b1, b2, b3) {
        if (!ui_View.canReassignButton(entries(), index))
            return false
        modKeys.setProperty(index, "keyCode0", b0)
        modKeys.setProperty(index, "keyCode1", b1)
        modKeys.setProperty(index, "keyCode2", b2)
        modKeys.setProperty(index, "keyCode3", b3)
        return true
    }

    function refreashUI() {
        for (var i = 0; i < modKeys.count; ++i) {
            var e = entry(i)
            modKeys.setProperty(i, "keyText", keyCodetoText(e[0], e[1], e[2], e[3]))
        }
        ui_View.setButtons(entries())
        if (typeof lightControlMain !== "undefined" && lightControlMain.refresh)
            lightControlMain.refresh()
    }

    function deleteMacroProc(macroName) {
        var text = keyMatrixLang[0] + macroName
        var changed = false
        for (var i = 0; i < shownRows; ++i) {
            if (modKeys.get(i).keyText === text) {
                var d = ui_View.factoryButton(i)
                changed = modifyData(i, d[0], d[1], d[2], d[3]) || changed
            }
        }
        if (changed)
            refreashUI()
    }

    function getx(index) {
        return 249
    }

    function gety(index) {
        return index >= shownRows - 1 ? 299 : 131 + rowPitch * index
    }

    function rowShown(index) {
        var count = typeof mouseMain !== "undefined" ? mouseMain.keyCount : 7
        return index < 6 || count > index
    }

    Rectangle {
        width: keyMatrix.width
        height: keyMatrix.contentHeight
        color: "#b31a1a1a"

        Column {
            id: rows
            x: 7
            y: 3
            spacing: keyMatrix.rowPitch - 17
            Repeater {
                model: modKeys
                Row {
                    spacing: 12
                    visible: index < keyMatrix.shownRows && keyMatrix.rowShown(index)
                    readonly property bool lit: valueArea.containsMouse
                                                || (typeof mouseMain !== "undefined" && mouseMain.selectKey === index)
                    Text {
                        width: 86
                        height: 17
                        verticalAlignment: Text.AlignVCenter
                        text: keyMatrix.keyMatrixLang[4] + (index + 1)
                        color: mainIten.fontColor
                        font.family: mainIten.fontFamily
                        font.pixelSize: mainIten.fontNormalSize
                    }
                    Rectangle {
                        width: 130
                        height: 17
                        color: parent.lit ? "#8f2020" : "#333333"
                        Text {
                            anchors.fill: parent
                            anchors.leftMargin: 4
                            verticalAlignment: Text.AlignVCenter
                            elide: Text.ElideRight
                            text: keyText
                            color: mainIten.fontColor
                            font.family: mainIten.fontFamily
                            font.pixelSize: mainIten.fontNormalSize
                        }
                        MouseArea {
                            id: valueArea
                            anchors.fill: parent
                            hoverEnabled: true
                            onEntered: {
                                if (!keyMatrix.menuOpen())
                                    keyMatrix.setSelectedKey(index)
                                keyMatrix.enterBtn(index)
                            }
                            onExited: {
                                if (!keyMatrix.menuOpen())
                                    keyMatrix.setSelectedKey(-1)
                                keyMatrix.leaveBtn(index)
                            }
                            onClicked: {
                                if (keyMatrix.dialogOpen())
                                    return
                                keyMatrix.setSelectedKey(index)
                                keyMatrix.clickKeyMatrix(index)
                            }
                        }
                    }
                }
            }
        }
    }
}
