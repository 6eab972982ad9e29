import QtQuick 2.15
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/Tarn"

// The button, macro, gun and axis pages placed and wired as the root page
// places and wires them, so they can run against the real view on their own.
// run() lets a test act as the user or as the root page would.
Item {
    id: mainIten
    width: 1000
    height: 640

    property string fontFamily: "Sans"
    property int fontNormalSize: 12
    property int fontMaxSize: 16
    property int fontMiddleSize: 14
    property int fontMinSize: 10
    property color fontColor: "#ffffff"
    property int animation_speed: 300
    property int language: 0
    property int skin_No: 1
    property var mainLang: ["Axis Sensitivity", "x-Axis", "y-Axis", "", "", "", "", "", "", "", "", "", "", "", "", "",
                            "", "Top View", "Side View"]

    signal msg_KB(bool isDown, int usbCode)

    function run(code) {
        return eval(code)
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, vornCode, x, y) {
    }

    function initPages() {
        macroEditorMain.init()
        gunControlMain.init()
        keyMatrixMain.init(false)
        keyMenuMain.init()
        xySettingMain.init(false)
    }

    onMsg_KB: {
        if (macroEditorMain.isInputting)
            macroEditorMain.detectKeyboard(isDown, usbCode)
        if (macroEditorMain.isInsertting)
            macroEditorMain.detectInput(isDown, usbCode)
        if (singleKeyMain.visible)
            singleKeyMain.detectKeyboard(isDown, usbCode)
    }

    KeyCodeString { id: _KeyCodeString }

    Column {
        x: 18
        y: 106
        spacing: 5
        KeyMatrix {
            id: keyMatrixMain
            onClickKeyMatrix: {
                keyMenuMain.x = getx(index)
                keyMenuMain.y = gety(index)
                keyMenuMain.showControl()
            }
        }
        XySetting { id: xySettingMain }
    }

    Mouse { id: mouseMain }

    Rectangle {
        id: mainMask
        anchors.fill: parent
        color: "#90000000"
        visible: false
    }

    MacroEditor {
        id: macroEditorMain
        onDeleteMacroSignal: keyMatrixMain.deleteMacroProc(macroName)
    }
    GunControl { id: gunControlMain }
    KeyMenu {
        id: keyMenuMain
        onMenuCmd: {
            var b = [0, 1, 2, 3].map(function (i) { return parseInt(menuStr.substr(i * 2, 2), 16) })
            keyMatrixMain.modifyData(mouseMain.selectKey, b[0], b[1], b[2], b[3])
            keyMatrixMain.refreashUI()
            visible = false
            mouseMain.selectKey = -1
        }
    }
    SingleKey {
        id: singleKeyMain
        onCloseSure: {
            mainMask.visible = false
            mouseMain.selectKey = -1
        }
    }
    MacroKey {
        id: macroKeyMain
        onCloseSure: {
            mainMask.visible = false
            mouseMain.selectKey = -1
        }
    }
}
