import QtQuick 2.15
import "MacroList.js" as Macros
import "MacroCodec.js" as Codec
import "Skin.js" as Skin

// The "Macro Manager" window: the macro list, the event sequence of the
// chosen macro, recording and options. Every change of a macro is saved at
// once and sent again to each button slot that plays it.
DialogFrame {
    id: macroEditor
    width: 640
    height: 440
    background: "macroBg"
    backgroundGroup: "macros"
    title: macroEditorLang[0]

    property var macroEditorLang: ["Macro Manager", "Macro", "Sequence", "Options", "Start Record", "Stop Record",
        "Rec Time", "Loops Timer", "New", "Delete", "OK", "Cancel", "Delete", "Insert Left Button",
        "Insert Middle Button", "Insert Right Button", "Insert Delay", "Insert Keys", "Cancel the record ?", ""]
    property alias macroListModel: macroListModel
    property alias sequenceModel: sequenceModel
    property bool isInputting: false
    property bool isInsertting: false
    property int currentMacro: -1
    property int currentEvent: -1
    property bool recTime: false
    property bool loopsTimer: false
    property string loopCount: Macros.DEFAULT_LOOPS
    property int tick: 0
    property int insertCode: -1
    property string insertName: ""
    property var menuTexts: macroEditorLang.slice(12, 18)

    readonly property int recordLimit: 124
    readonly property int insertLimit: 126
    readonly property int tickMs: 10
    readonly property int rowHeight: 18

    signal deleteMacroSignal(string macroName)

    ListModel { id: macroListModel }
    ListModel { id: sequenceModel }

    Timer {
        id: recordTimer
        interval: macroEditor.tickMs
        repeat: true
        onTriggered: ++macroEditor.tick
    }

    // ---- macro list ----

    function macroNames() {
        var names = []
        for (var i = 0; i < macroListModel.count; ++i)
            names.push(macroListModel.get(i).macroName)
        return names
    }

    function currentName() {
        return currentMacro >= 0 && currentMacro < macroListModel.count ? macroListModel.get(currentMacro).macroName : ""
    }

    function storeNames() {
        ui_View.updataNameList(0, macroNames())
    }

    function init() {
        macroListModel.clear()
        sequenceModel.clear()
        currentMacro = -1
        currentEvent = -1
        var names = Macros.dropSentinel(ui_View.getNameList(0))
        var indexes = []
        for (var i = 0; i < names.length; ++i) {
            var index = Number(ui_View.loadMacroIndex(names[i]))
            var at = Macros.insertPosition(indexes, index)
            indexes.splice(at, 0, index)
            macroListModel.insert(at, { macroName: names[i], no: index,
                                        macroType: Number(ui_View.loadMacroType(names[i])) })
        }
        menuTexts = macroEditorLang.slice(12, 18)
    }

    function loadEvents(name) {
        var stored = Macros.parseStored(ui_View.loadMacroIni(name))
        sequenceModel.clear()
        for (var i = 0; i < stored.events.length; ++i)
            sequenceModel.append(stored.events[i])
        loopCount = stored.loops
        currentEvent = -1
    }

    function selectMacro(position) {
        if (isInputting || position < 0 || position >= macroListModel.count)
            return
        currentMacro = position
        loadEvents(macroListModel.get(position).macroName)
    }

    function renameMacro(position, newName) {
        var oldName = macroListModel.get(position).macroName
        if (newName === oldName || !Macros.isAcceptableName(newName, macroNames(), position))
            return false
        if (ui_View.modifyMacroName(oldName, newName) !== true)
            return false
        macroListModel.setProperty(position, "macroName", newName)
        storeNames()
        if (typeof keyMatrixMain !== "undefined")
            keyMatrixMain.refreashUI()
        return true
    }

    function newMacro() {
        if (isInputting || macroListModel.count >= Macros.MAX_MACROS)
            return ""
        var name = Macros.firstFreeName("Macro_", macroNames(), Macros.NAME_NUMBERS)
        if (name === "")
            return ""
        var size = macroListModel.count
        macroListModel.append({ macroName: name, no: size, macroType: 0 })
        ui_View.createMacroIni(name, size)
        selectMacro(size)
        storeNames()
        return name
    }

    function deleteMacro() {
        if (isInputting || currentMacro < 0 || currentMacro >= macroListModel.count)
            return
        var position = currentMacro
        var name = macroListModel.get(position).macroName
        deleteMacroSignal(name)
        ui_View.deleteMacroIni(name)
        sequenceModel.clear()
        currentEvent = -1
        macroListModel.remove(position)
        for (var i = position; i < macroListModel.count; ++i)
            macroListModel.setProperty(i, "no", macroListModel.get(i).no - 1)
        currentMacro = Math.min(position, macroListModel.count - 1)
        if (currentMacro >= 0)
            loadEvents(macroListModel.get(currentMacro).macroName)
        for (var j = 0; j < macroListModel.count; ++j)
            ui_View.setMacroIndex(macroListModel.get(j).macroName, macroListModel.get(j).no)
        ui_View.changeMacroFileIndex(position + 1)
        storeNames()
    }

    // ---- saving and sending ----

    function events() {
        var list = []
        for (var i = 0; i < sequenceModel.count; ++i)
            list.push({ type: sequenceModel.get(i).type, info: sequenceModel.get(i).info })
        return list
    }

    function sizeEstimate() {
        return Codec.recordCount(events())
    }

    // A recording in progress is saved only when it stops: until then the
    // stored macro, and the mouse's slots, stay as they were.
    function autoSave() {
        var name = currentName()
        if (name === "" || isInputting)
            return
        var list = events()
        var loops = Number(loopCount)
        ui_View.saveMacroIni(name, Macros.eventStrings(list), Codec.deCode(list, loops), loops)
        var slots = Macros.slotsPlaying(name, ui_View)
        for (var i = 0; i < slots.length; ++i)
            sendMacro(slots[i], name)
    }

    // Runs `change` on the sequence and saves the result; a change that would
    // take the macro past what the mouse holds is undone instead.
    function edit(change) {
        var before = events()
        var selected = currentEvent
        change()
        if (Codec.fits(sequenceModel, Number(loopCount))) {
            autoSave()
            return true
        }
        sequenceModel.clear()
        for (var i = 0; i < before.length; ++i)
            sequenceModel.append(before[i])
        currentEvent = selected
        return false
    }

    // Sends the stored form of a macro to a slot, with the macro's own loop
    // count; a missing macro sends nothing. A file edited past the budget
    // goes out cut after its last whole event that fits.
    function sendMacro(index, macroName) {
        var list = ui_View.loadMacroIni(macroName)
        if (list.length === 0)
            return
        var stored = Macros.parseStored(list)
        if (macroName === currentName())
            loopCount = stored.loops
        var loops = Number(stored.loops)
        var kept = Codec.fittingCount(stored.events, loops)
        if (kept < stored.events.length)
            console.log("Macro too long:", macroName, "sent with", kept, "of", stored.events.length, "events")
        ui_View.sendMacroData(Codec.deCode(stored.events.slice(0, kept), loops), index)
    }

    // ---- recording ----

    function keyName(code) {
        if (typeof _KeyCodeString === "undefined")
            return ""
        var name = code < Macros.MOUSE_CODE_FIRST ? _KeyCodeString.keycodeTostr(code) : _KeyCodeString.mousecodeTostr(code)
        return name === undefined || name === null ? "" : String(name)
    }

    function startRecord() {
        if (currentName() === "")
            return
        sequenceModel.clear()
        currentEvent = -1
        tick = 0
        recordTimer.restart()
        isInputting = true
    }

    function stopRecord() {
        recordTimer.stop()
        isInputting = false
        autoSave()
    }

    function detectKeyboard(isDown, usbCode) {
        if (!isInputting || sizeEstimate() >= recordLimit)
            return
        var name = keyName(usbCode)
        if (name === "")
            return
        if (sequenceModel.count === 0) {
            tick = 0
        } else {
            if (recTime)
                sequenceModel.append({ type: Macros.TYPE_DELAY, info: String(tick * tickMs) })
            tick = 0
        }
        sequenceModel.append({ type: Macros.recordedType(isDown, usbCode), info: name })
        sequenceView.positionViewAtEnd()
    }

    // ---- editing the sequence ----

    function canInsert() {
        return currentName() !== "" && !isInputting && sizeEstimate() < insertLimit
    }

    function deleteEvent() {
        if (currentEvent < 0 || currentEvent >= sequenceModel.count)
            return
        edit(function () {
            sequenceModel.remove(currentEvent)
            currentEvent = Math.min(currentEvent, sequenceModel.count - 1)
        })
    }

    function insertClick(info) {
        if (!canInsert())
            return
        var at = currentEvent < 0 || currentEvent >= sequenceModel.count - 1 ? sequenceModel.count : currentEvent + 1
        edit(function () {
            sequenceModel.insert(at, { type: Macros.TYPE_MOUSE_PRESS, info: info })
            sequenceModel.insert(at + 1, { type: Macros.TYPE_MOUSE_RELEASE, info: info })
        })
    }

    function insertAt() {
        return currentEvent < 0 ? sequenceModel.count : currentEvent
    }

    function insertDelay() {
        if (!canInsert())
            return
        var at = insertAt()
        edit(function () {
            sequenceModel.insert(at, { type: Macros.TYPE_DELAY, info: "50" })
            currentEvent = at
        })
    }

    function openInsertKeys() {
        if (!canInsert())
            return
        insertCode = -1
        insertName = ""
        isInsertting = true
    }

    function detectInput(isDown, usbCode) {
        if (!isInsertting || usbCode < 0 || usbCode >= Macros.MOUSE_CODE_FIRST)
            return
        var name = keyName(usbCode)
        if (name === "")
            return
        insertCode = usbCode
        insertName = name
    }

    function acceptInsertKeys() {
        if (insertName !== "" && canInsert()) {
            var at = insertAt()
            edit(function () {
                sequenceModel.insert(at, { type: Macros.TYPE_KEY_PRESS, info: insertName })
                sequenceModel.insert(at + 1, { type: Macros.TYPE_KEY_RELEASE, info: insertName })
            })
        }
        isInsertting = false
    }

    function setDelay(position, text) {
        var old = sequenceModel.get(position).info
        var value = Macros.parseDelay(text, old)
        if (value !== old)
            edit(function () { sequenceModel.setProperty(position, "info", value) })
    }

    function commitLoops(text) {
        var value = Macros.parseLoops(text)
        loopsField.text = Qt.binding(function () { return macroEditor.loopCount })
        if (value === loopCount)
            return
        loopCount = value
        autoSave()
    }

    function setLoopsTimer(on) {
        loopsTimer = on
        if (!on && loopCount !== Macros.DEFAULT_LOOPS) {
            loopCount = Macros.DEFAULT_LOOPS
            autoSave()
        }
    }

    // ---- window ----

    // For the inline components, which do not see this file's script imports.
    function skin(file) {
        return Skin.image("macros", file, mainIten.skin_No)
    }

    function showUI() {
        centre()
        visible = true
        macroEditorFocus()
    }

    function hideUI() {
        visible = false
        contextMenu.visible = false
        isInsertting = false
        if (typeof mainMask !== "undefined")
            mainMask.visible = false
    }

    function closeRequest() {
        if (isInputting)
            confirmRecord.visible = true
        else
            hideUI()
    }

    // The recording is dropped: the stored events come back.
    function discardRecord() {
        confirmRecord.visible = false
        recordTimer.stop()
        isInputting = false
        hideUI()
        if (currentName() !== "")
            loadEvents(currentName())
    }

    function macroEditorFocus() {
        contextMenu.visible = false
        forceActiveFocus()
    }

    onCloseBox: closeRequest()

    component Label: Text {
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }

    component CheckOption: Row {
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
                source: macroEditor.skin(parent.parent.checked ? "macroCheck1" : "macroCheck0")
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
        Label { text: parent.text }
    }

    // Macro list
    Label { x: 15; y: 10; text: macroEditor.macroEditorLang[1] }
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
            model: macroListModel
            delegate: Rectangle {
                width: macroView.width
                height: macroEditor.rowHeight
                color: index === macroEditor.currentMacro ? "#761212" : "transparent"
                Label {
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
    Row {
        x: 15
        y: 305
        spacing: 4
        DialogButton { width: 78; text: macroEditor.macroEditorLang[8]; onClicked: macroEditor.newMacro() }
        DialogButton { width: 78; text: macroEditor.macroEditorLang[9]; onClicked: macroEditor.deleteMacro() }
    }

    // Sequence
    Label { x: 190; y: 10; text: macroEditor.macroEditorLang[2] }
    Rectangle {
        x: 190
        y: 30
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
            model: sequenceModel
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
                Label {
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
    DialogButton {
        x: 190
        y: 322
        width: 250
        text: macroEditor.isInputting ? macroEditor.macroEditorLang[5] : macroEditor.macroEditorLang[4]
        onClicked: macroEditor.isInputting ? macroEditor.stopRecord() : macroEditor.startRecord()
    }

    // Options
    Label { x: 460; y: 10; text: macroEditor.macroEditorLang[3] }
    Column {
        x: 460
        y: 34
        spacing: 10
        CheckOption {
            text: macroEditor.macroEditorLang[6]
            checked: macroEditor.recTime
            onToggled: macroEditor.recTime = !macroEditor.recTime
        }
        CheckOption {
            text: macroEditor.macroEditorLang[7]
            checked: macroEditor.loopsTimer
            onToggled: macroEditor.setLoopsTimer(!macroEditor.loopsTimer)
        }
        Rectangle {
            width: 80
            height: 22
            color: macroEditor.loopsTimer ? "#1c1c1c" : "#333333"
            border.color: "#4e3434"
            TextInput {
                id: loopsField
                anchors.fill: parent
                anchors.margins: 4
                enabled: macroEditor.loopsTimer
                text: macroEditor.loopCount
                color: mainIten.fontColor
                font.pixelSize: mainIten.fontNormalSize
                validator: IntValidator { bottom: 0; top: 65535 }
                // The validator holds back editingFinished for an empty field,
                // which still has to become "1" when left.
                onAccepted: macroEditor.commitLoops(text)
                onActiveFocusChanged: if (!activeFocus) macroEditor.commitLoops(text)
            }
        }
    }

    Row {
        x: 430
        y: 365
        spacing: 12
        DialogButton { text: macroEditor.macroEditorLang[10]; onClicked: macroEditor.closeRequest() }
        DialogButton { text: macroEditor.macroEditorLang[11]; onClicked: macroEditor.closeRequest() }
    }

    // Context menu of the sequence
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
                    Label { x: 8; anchors.verticalCenter: parent.verticalCenter; text: modelData }
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

    // Insert dialog
    Rectangle {
        id: insertDialog
        visible: macroEditor.isInsertting
        anchors.centerIn: parent
        width: 260
        height: 140
        color: "#2a1a1a"
        border.color: "#4e3434"
        z: 11
        Image {
            anchors.fill: parent
            source: Skin.image("index", "insertKeyBg", mainIten.skin_No)
        }
        Label { x: 12; y: 8; text: macroEditor.macroEditorLang[17]; font.bold: true }
        Rectangle {
            x: 20
            y: 40
            width: 220
            height: 26
            color: "#1c1c1c"
            border.color: "#4e3434"
            Label { anchors.centerIn: parent; text: macroEditor.insertName }
        }
        Row {
            x: 32
            y: 96
            spacing: 20
            DialogButton { text: macroEditor.macroEditorLang[10]; onClicked: macroEditor.acceptInsertKeys() }
            DialogButton { text: macroEditor.macroEditorLang[11]; onClicked: macroEditor.isInsertting = false }
        }
    }

    // Confirmation when closing while recording
    Rectangle {
        id: confirmRecord
        visible: false
        anchors.centerIn: parent
        width: 260
        height: 140
        color: "#2a1a1a"
        border.color: "#4e3434"
        z: 12
        Image {
            anchors.fill: parent
            source: Skin.image("index", "cancelRecordBg", mainIten.skin_No)
        }
        Label { x: 12; y: 8; text: macroEditor.macroEditorLang[11]; font.bold: true }
        Label { x: 20; y: 48; text: macroEditor.macroEditorLang[18] }
        Row {
            x: 32
            y: 96
            spacing: 20
            DialogButton { text: macroEditor.macroEditorLang[10]; onClicked: macroEditor.discardRecord() }
            DialogButton { text: macroEditor.macroEditorLang[11]; onClicked: confirmRecord.visible = false }
        }
    }
}
