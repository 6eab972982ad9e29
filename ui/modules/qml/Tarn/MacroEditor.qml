import QtQuick 2.15
import "MacroList.js" as Macros

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
    readonly property int macroBudget: 128  // slot bytes the mouse plays in full
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
        return ui_View.macroSizeEstimate(Macros.eventStrings(events()))
    }

    function encodedSize(list, loops) {
        return ui_View.macroSize(Macros.eventStrings(list), loops)
    }

    // A recording in progress is saved only when it stops: until then the
    // stored macro, and the mouse's slots, stay as they were.
    function autoSave() {
        var name = currentName()
        if (name === "" || isInputting)
            return
        var list = events()
        var loops = Number(loopCount)
        ui_View.saveMacroIni(name, Macros.eventStrings(list), [], loops)
        var slots = Macros.slotsPlaying(name, ui_View)
        for (var i = 0; i < slots.length; ++i)
            sendMacro(slots[i], name)
    }

    // Runs `change` on the sequence and saves the result; a change that would
    // take the macro past what the mouse holds is undone instead. A file
    // edited past it by hand may still shrink.
    function edit(change) {
        var before = events()
        var selected = currentEvent
        var loops = Number(loopCount)
        var sizeBefore = encodedSize(before, loops)
        change()
        var sizeAfter = encodedSize(events(), loops)
        if (sizeAfter <= macroBudget || sizeAfter <= sizeBefore) {
            autoSave()
            return true
        }
        sequenceModel.clear()
        for (var i = 0; i < before.length; ++i)
            sequenceModel.append(before[i])
        currentEvent = selected
        return false
    }

    // Sends the stored macro to a slot; the view cuts one edited past the
    // budget and says so.
    function sendMacro(index, macroName) {
        if (macroName === currentName()) {
            var list = ui_View.loadMacroIni(macroName)
            if (list.length > 0)
                loopCount = Macros.parseStored(list).loops
        }
        ui_View.sendMacro(index, macroName)
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
        sequencePanel.positionViewAtEnd()
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

    // Macro list
    MacroLabel { x: 15; y: 10; text: macroEditor.macroEditorLang[1] }
    MacroListPanel {
        x: 15
        y: 30
    }
    Row {
        x: 15
        y: 305
        spacing: 4
        DialogButton { width: 78; text: macroEditor.macroEditorLang[8]; onClicked: macroEditor.newMacro() }
        DialogButton { width: 78; text: macroEditor.macroEditorLang[9]; onClicked: macroEditor.deleteMacro() }
    }

    // Sequence
    MacroLabel { x: 190; y: 10; text: macroEditor.macroEditorLang[2] }
    MacroSequencePanel {
        id: sequencePanel
        x: 190
        y: 30
    }
    DialogButton {
        x: 190
        y: 322
        width: 250
        text: macroEditor.isInputting ? macroEditor.macroEditorLang[5] : macroEditor.macroEditorLang[4]
        onClicked: macroEditor.isInputting ? macroEditor.stopRecord() : macroEditor.startRecord()
    }

    // Options
    MacroLabel { x: 460; y: 10; text: macroEditor.macroEditorLang[3] }
    Column {
        x: 460
        y: 34
        spacing: 10
        MacroCheckOption {
            text: macroEditor.macroEditorLang[6]
            checked: macroEditor.recTime
            onToggled: macroEditor.recTime = !macroEditor.recTime
        }
        MacroCheckOption {
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
    MacroContextMenu {
        id: contextMenu
    }

    MacroQuestion {
        id: insertDialog
        visible: macroEditor.isInsertting
        z: 11
        title: macroEditor.macroEditorLang[17]
        background: "insertKeyBg"
        onAccepted: macroEditor.acceptInsertKeys()
        onRejected: macroEditor.isInsertting = false
        Rectangle {
            x: 20
            y: 40
            width: 220
            height: 26
            color: "#1c1c1c"
            border.color: "#4e3434"
            MacroLabel { anchors.centerIn: parent; text: macroEditor.insertName }
        }
    }

    // Asked when the window closes while recording.
    MacroQuestion {
        id: confirmRecord
        visible: false
        z: 12
        title: macroEditor.macroEditorLang[11]
        background: "cancelRecordBg"
        onAccepted: macroEditor.discardRecord()
        onRejected: visible = false
        MacroLabel { x: 20; y: 48; text: macroEditor.macroEditorLang[18] }
    }
}
