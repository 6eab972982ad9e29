import QtQuick 2.15
import "KeyMatrixData.js" as Data

// The "Button Assignment" panel: one row per button with its current
// function. It owns the 16-entry key matrix; positions 9 to 15 are not shown
// but are stored and sent with the rest.
Frame {
    id: keyMatrix
    title: keyMatrixLang[3]
    contentHeight: rows.height + 6

    property var keyMatrixLang: ["Macro: ", "Deactivated", "Keyboard Key-", "Button Assignment", "Button ", "Fire Key", "", "", "", ""]
    property var defalutValue: Data.defaults
    property alias modKeys: modKeys
    readonly property int rowPitch: 21

    signal clickKeyMatrix(int index)
    signal enterBtn(int index)
    signal leaveBtn(int index)

    // Starts with the default of every position (the same as defalutValue).
    ListModel {
        id: modKeys
        ListElement { keyCode0: 1; keyCode1: 0; keyCode2: 240; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 1; keyCode1: 0; keyCode2: 241; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 1; keyCode1: 0; keyCode2: 242; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 1; keyCode1: 0; keyCode2: 244; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 1; keyCode1: 0; keyCode2: 243; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 7; keyCode1: 0; keyCode2: 1; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 7; keyCode1: 0; keyCode2: 2; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 0; keyCode1: 0; keyCode2: 0; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 0; keyCode1: 0; keyCode2: 0; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 0; keyCode1: 0; keyCode2: 0; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 0; keyCode1: 0; keyCode2: 0; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 0; keyCode1: 0; keyCode2: 0; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 0; keyCode1: 0; keyCode2: 0; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 0; keyCode1: 0; keyCode2: 0; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 4; keyCode1: 0; keyCode2: 1; keyCode3: 0; keyText: "" }
        ListElement { keyCode0: 4; keyCode1: 0; keyCode2: 2; keyCode3: 0; keyText: "" }
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

    function keyCodetoText(b0, b1, b2, b3) {
        var chinese = mainIten.language === 1
        var tables = typeof _KeyCodeString !== "undefined" ? _KeyCodeString : null
        return Data.entryText(b0, b1, b2, b3, {
            lang: keyMatrixLang,
            macroName: function (slot) { return String(ui_View.getMacroKey(slot)) },
            keyName: function (code) { return tables ? tables.keycodeTostr(code) : "" },
            dataName: function (hex) {
                if (!tables)
                    return undefined
                return chinese ? tables.mouseData2str1[hex] : tables.mouseData2str[hex]
            }
        })
    }

    function setEntry(index, e) {
        modKeys.setProperty(index, "keyCode0", e[0])
        modKeys.setProperty(index, "keyCode1", e[1])
        modKeys.setProperty(index, "keyCode2", e[2])
        modKeys.setProperty(index, "keyCode3", e[3])
        modKeys.setProperty(index, "keyText", keyCodetoText(e[0], e[1], e[2], e[3]))
    }

    // One entry of the current profile's matrix; a position the profile lacks
    // takes its default rather than garbage.
    function storedEntry(i) {
        var stored = ui_View.getKeydefine(i)
        return Data.isCompleteEntry(stored) ? stored : Data.defaultEntry(i)
    }

    // The current profile's matrix as the bytes the mouse takes.
    function storedList() {
        var list = []
        for (var i = 0; i < Data.ENTRY_COUNT; ++i) {
            var stored = storedEntry(i)
            list.push(Number(stored[0]), Number(stored[1]), Number(stored[2]), Number(stored[3]))
        }
        return list
    }

    function init(isSendData) {
        for (var i = 0; i < Data.ENTRY_COUNT; ++i)
            setEntry(i, Data.shownEntry(storedEntry(i)))
        if (isSendData) {
            var list = storedList()
            ui_View.mouseSetKeyMatrix(list)
            sendMacros(list)
        }
    }

    // The mouse keeps one macro per slot: a button that plays a macro gets
    // this profile's macro in its slot, after the matrix that points there.
    function sendMacros(list) {
        if (typeof macroEditorMain === "undefined")
            return
        for (var i = 0; i < Data.ENTRY_COUNT; ++i) {
            var base = i * Data.ENTRY_BYTES
            if (list[base] === Data.KIND_MACRO)
                macroEditorMain.sendMacro(i, ui_View.getMacroKey(list[base + 3]))
        }
    }

    function modifyData(index, b0, b1, b2, b3) {
        if (!Data.canModify(entries(), index))
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
        ui_View.mouseSetKeyMatrix(Data.sendList(entries()))
        if (typeof lightControlMain !== "undefined" && lightControlMain.refresh)
            lightControlMain.refresh()
    }

    function deleteMacroProc(macroName) {
        var text = keyMatrixLang[Data.TEXT_MACRO] + macroName
        var changed = false
        for (var i = 0; i < Data.SHOWN_ROWS; ++i) {
            if (modKeys.get(i).keyText === text) {
                var d = Data.defaultEntry(i)
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
        return index >= Data.SHOWN_ROWS - 1 ? 299 : 131 + rowPitch * index
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
                    visible: index < Data.SHOWN_ROWS && keyMatrix.rowShown(index)
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
