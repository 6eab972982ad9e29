import QtQuick 2.15

// Assigns one keyboard key to the selected button: the user presses the key
// while the dialog is open.
DialogFrame {
    id: singleKey
    width: 300
    height: 170
    background: "singleKeyBg"
    title: lang[7]

    readonly property var englishLang: ["Macro Key", "Select Macro", "", "", "", "OK", "Cancel", "Key", "Please assign a Key", "Null Macro"]
    readonly property var lang: typeof macroKeyMain !== "undefined" ? macroKeyMain.macroKeyLang : englishLang
    readonly property int keyboardLimit: 0xF0
    property int keyCode: -1
    property string keyName: ""

    signal closeSure()

    function showUI() {
        keyCode = -1
        keyName = ""
        centre()
        visible = true
    }

    function detectKeyboard(isDown, usbCode) {
        if (!visible || usbCode < 0 || usbCode >= keyboardLimit)
            return
        keyCode = usbCode
        keyName = typeof _KeyCodeString !== "undefined" ? _KeyCodeString.keycodeTostr(usbCode) : ""
    }

    function close() {
        visible = false
        closeSure()
    }

    function accept() {
        if (keyName === "")
            return
        var key = typeof mouseMain !== "undefined" ? mouseMain.selectKey : -1
        if (typeof keyMatrixMain !== "undefined" && keyMatrixMain.modifyData(key, 1, 0, keyCode, 0))
            keyMatrixMain.refreashUI()
        close()
    }

    onCloseBox: close()

    Text {
        x: 20
        y: 18
        text: singleKey.lang[8]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontNormalSize
    }
    Rectangle {
        x: 20
        y: 44
        width: 260
        height: 26
        color: "#1c1c1c"
        border.color: "#4e3434"
        Text {
            anchors.centerIn: parent
            text: singleKey.keyName
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
        }
    }
    Row {
        x: 52
        y: 95
        spacing: 20
        DialogButton { text: singleKey.lang[5]; onClicked: singleKey.accept() }
        DialogButton { text: singleKey.lang[6]; onClicked: singleKey.close() }
    }
}
