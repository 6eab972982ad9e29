import QtQuick 2.15

// Assigns a macro, with its play mode, to the selected button.
DialogFrame {
    id: macroKey
    width: 320
    height: 300
    background: "macroKeyBg"
    title: macroKeyLang[0]

    property var macroKeyLang: ["Macro Key", "Select Macro", "Macro runs once after \npressing button",
        "Macro loops until any \nbutton is pressed", "Macro loops until button \nis released",
        "OK", "Cancel", "Key", "Please assign a Key", "Null Macro"]
    property int playMode: 0
    property string chosenName: ""
    property int listPosition: -1
    property bool nullMacro: false

    signal closeSure()

    function showUI() {
        chosenName = ""
        nullMacro = false
        centre()
        visible = true
    }

    function macroKeyFocus() {
    }

    function close() {
        visible = false
        closeSure()
    }

    onCloseBox: close()
}
