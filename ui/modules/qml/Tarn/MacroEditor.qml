import QtQuick 2.15

// The "Macro Manager" window: macro list, event sequence, recording and
// options.
DialogFrame {
    id: macroEditor
    width: 640
    height: 420
    background: "macroBg"
    backgroundGroup: "macros"
    title: macroEditorLang[0]

    property var macroEditorLang: ["Macro Manager", "Macro", "Sequence", "Options", "Start Record", "Stop Record",
        "Rec Time", "Loops Timer", "New", "Delete", "OK", "Cancel", "Delete", "Insert Left Button",
        "Insert Middle Button", "Insert Right Button", "Insert Delay", "Insert Keys", "Cancel the record ?", ""]
    property alias macroListModel: macroListModel
    property bool isInputting: false
    property bool isInsertting: false

    signal deleteMacroSignal(string macroName)

    ListModel { id: macroListModel }

    function init() {
    }

    function sendMacro(index, macroName) {
    }

    function detectKeyboard(isDown, usbCode) {
    }

    function detectInput(isDown, usbCode) {
    }

    function macroEditorFocus() {
    }

    function showUI() {
        centre()
        visible = true
    }
}
