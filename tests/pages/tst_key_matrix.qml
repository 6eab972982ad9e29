import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/Tarn"

// The button list without the back end: the left-button guard and the text
// of each kind of entry, against the shared key tables.
Item {
    id: mainIten
    width: 1000
    height: 640

    property string fontFamily: "Sans"
    property int fontNormalSize: 12
    property int fontMaxSize: 16
    property int fontMiddleSize: 14
    property color fontColor: "#ffffff"
    property int animation_speed: 300
    property int language: 0
    property int skin_No: 1
    property var mainLang: []

    KeyCodeString { id: _KeyCodeString }
    KeyMatrix { id: keyMatrixMain }

    TestCase {
        name: "KeyMatrix"

        function init() {
            mainIten.language = 0
            for (var i = 0; i < 16; ++i) {
                var d = keyMatrixMain.defalutValue[i]
                for (var b = 0; b < 4; ++b)
                    keyMatrixMain.modKeys.setProperty(i, "keyCode" + b, parseInt(d.substr(b * 2, 2), 16))
            }
        }

        function entry(i) {
            var m = keyMatrixMain.modKeys.get(i)
            return [m.keyCode0, m.keyCode1, m.keyCode2, m.keyCode3]
        }

        function test_defaults_leave_every_button_free() {
            // The defaults use kind 1 for the mouse buttons, which the guard
            // does not count.
            verify(keyMatrixMain.modifyData(0, 0x02, 0, 0xF1, 0))
            compare(entry(0), [0x02, 0, 0xF1, 0])
        }

        function test_last_left_button_stays() {
            verify(keyMatrixMain.modifyData(0, 0x02, 0, 0xF0, 0))
            verify(keyMatrixMain.modifyData(3, 0x02, 0, 0xF0, 0))
            verify(keyMatrixMain.modifyData(3, 0x08, 0x01, 0, 0))
            verify(!keyMatrixMain.modifyData(0, 0x00, 0, 0, 0))
            compare(entry(0), [0x02, 0, 0xF0, 0])
            // Reassigning it as a left button again is no loss.
            verify(!keyMatrixMain.modifyData(0, 0x02, 0, 0xF0, 0))
        }

        function test_out_of_range_index_changes_nothing() {
            verify(!keyMatrixMain.modifyData(-1, 0, 0, 0, 0))
            verify(!keyMatrixMain.modifyData(16, 0, 0, 0, 0))
        }

        function test_entry_texts_data() {
            return [
                { tag: "fire key menu code", bytes: [0x0C, 0x01, 0xF0, 0x02], text: "Double Click" },
                { tag: "fire key", bytes: [12, 240, 0, 0], text: "Fire Key" },
                { tag: "off", bytes: [0, 0, 0, 0], text: "Deactivated" },
                { tag: "unknown code", bytes: [0x03, 0x00, 0xAA, 0x00], text: "" },
                { tag: "menu mouse button", bytes: [0x02, 0, 0xF4, 0], text: "Forward" },
                { tag: "consumer usage", bytes: [0x04, 0x00, 0x83, 0x01], text: "Media Player" },
                { tag: "key combination", bytes: [0x01, 0x00, 0xE0, 0x06], text: "Copy" },
                { tag: "single key", bytes: [0x01, 0, 0x04, 0], text: "Keyboard Key-A" },
                { tag: "default mouse code", bytes: [0x01, 0, 0xF0, 0], text: "Button Assignment" },
                { tag: "chinese", bytes: [0x0C, 0x01, 0xF0, 0x02], text: "双击", language: 1 }
            ]
        }

        function test_entry_texts(data) {
            mainIten.language = data.language === undefined ? 0 : data.language
            var b = data.bytes
            compare(keyMatrixMain.keyCodetoText(b[0], b[1], b[2], b[3]), data.text)
        }
    }
}
