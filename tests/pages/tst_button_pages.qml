import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/Tarn"
import "qrc:/modules/qml/Tarn/KeyMenuData.js" as Menu
import "qrc:/modules/qml/Tarn/MacroCodec.js" as Codec

// The pages of the button set on their own, in a root that offers what the
// main page offers them.
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
    property var mainLang: ["Axis Sensitivity", "x-Axis", "y-Axis"]

    KeyCodeString { id: _KeyCodeString }

    // The frame folds; it stays above the other pages here so that the
    // clicks reach it.
    Frame {
        id: frame
        z: 1
        y: 20
        contentHeight: 100
    }

    TestCase {
        name: "FrameFolding"
        when: windowShown

        function test_bar_folds_and_unfolds_ignoring_clicks_while_sliding() {
            compare(frame.height, 118)
            mouseClick(frame, 50, 9)
            verify(frame.sliding)
            mouseClick(frame, 50, 9)
            tryCompare(frame, "sliding", false)
            compare(frame.height, 18)
            verify(!frame.isOpen)
            mouseClick(frame, 50, 9)
            tryCompare(frame, "sliding", false)
            compare(frame.height, 118)
        }
    }

    // The button list: the left-button guard and the text of each kind of
    // entry, against the shared key tables.
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

        function cleanup() {
            mainIten.language = 0
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
                { tag: "consumer usage", bytes: [0x04, 0x00, 0x83, 0x01], text: "Media Player" },
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

    // The assignment menu: every code it offers is one the button list can
    // name, the submenus follow the pointer, and choosing an entry emits its code.
    KeyMenu { id: keyMenuMain }
    Item { id: mouseMain; property int selectKey: 3 }

    SignalSpy { id: commands; target: keyMenuMain; signalName: "menuCmd" }

    TestCase {
        name: "KeyMenu"
        when: windowShown

        function allCodedEntries() {
            var list = Menu.mainEntries.slice()
            for (var s in Menu.submenus)
                list = list.concat(Menu.submenus[s])
            return list.filter(function (e) { return e.action === "code" })
        }

        // Menu labels and the list's names of the same code differ only in
        // case ("Show DeskTop", "RUN"), except the fire key, which the list
        // calls a double click.
        function test_every_code_is_named_by_the_list() {
            var entries = allCodedEntries()
            verify(entries.length > 0)
            for (var i = 0; i < entries.length; ++i) {
                var e = entries[i]
                var name = _KeyCodeString.mouseData2str[e.code]
                verify(name !== undefined, e.code)
                if (e.label === Menu.LABEL_FIRE_KEY)
                    compare(name, "Double Click")
                else
                    compare(name.toLowerCase(), keyMenuMain.keyMenuLang[e.label].toLowerCase())
            }
        }

        function test_hover_opens_one_submenu_and_back_closes_them() {
            keyMenuMain.showControl()
            compare(keyMenuMain.openSubmenu, Menu.SUB_NONE)
            keyMenuMain.hover(Menu.mainEntries[8])
            compare(keyMenuMain.openSubmenu, Menu.SUB_DPI)
            keyMenuMain.hover(Menu.mainEntries[6])
            compare(keyMenuMain.openSubmenu, Menu.SUB_MULTIMEDIA)
            keyMenuMain.hover(Menu.mainEntries[0])
            compare(keyMenuMain.openSubmenu, Menu.SUB_MULTIMEDIA)
            keyMenuMain.hover(Menu.mainEntries[4])
            compare(keyMenuMain.openSubmenu, Menu.SUB_NONE)
            keyMenuMain.showControl()
            compare(keyMenuMain.openSubmenu, Menu.SUB_NONE)
        }

        function test_click_on_an_entry_emits_its_code() {
            commands.clear()
            keyMenuMain.showControl()
            // Fire key is the tenth visible row.
            mouseClick(keyMenuMain, 20, 9 * keyMenuMain.entryHeight + 5)
            compare(commands.count, 1)
            compare(commands.signalArguments[0][0], "0c01f002")
        }

        function test_gun_entry_hidden_and_off_restores_the_default() {
            var gun = Menu.mainEntries[12]
            verify(gun.hidden)
            compare(keyMenuMain.height, 13 * keyMenuMain.entryHeight)
            commands.clear()
            keyMenuMain.choose(Menu.gunEntries[2])
            compare(commands.signalArguments[0][0], "0100f400")
        }
    }

    // Recording in the macro editor: what a captured key becomes, when it
    // starts, and the size limit that keeps a macro within its slot.
    MacroEditor { id: editor }

    TestCase {
        name: "MacroRecording"
        when: windowShown

        function init() {
            editor.macroListModel.clear()
            editor.macroListModel.append({ macroName: "M", no: 0, macroType: 0 })
            editor.currentMacro = 0
            editor.sequenceModel.clear()
            editor.recTime = false
        }

        // Leaves recording without the save a stop makes.
        function cleanup() {
            editor.isInputting = false
        }

        function sequence() {
            var out = []
            for (var i = 0; i < editor.sequenceModel.count; ++i)
                out.push(editor.sequenceModel.get(i).type + "," + editor.sequenceModel.get(i).info)
            return out
        }

        function test_recording_stops_growing_at_the_limit() {
            editor.startRecord()
            for (var i = 0; i < 100; ++i) {
                editor.detectKeyboard(true, 0x04)
                editor.detectKeyboard(false, 0x04)
            }
            var events = []
            for (var j = 0; j < editor.sequenceModel.count; ++j)
                events.push(editor.sequenceModel.get(j))
            verify(events.length < 200)
            verify(Codec.recordCount(events) <= editor.recordLimit + 2)
            verify(Codec.deCode(events, 1).length <= 128)
            compare(Codec.recordCount(events), editor.recordLimit)
        }

        function test_insert_mode_takes_keyboard_keys_only() {
            editor.openInsertKeys()
            verify(editor.isInsertting)
            editor.detectInput(true, 0xF0)
            compare(editor.insertName, "")
            editor.detectInput(true, 0x2C)
            compare(editor.insertName, "Space")
            editor.isInsertting = false
        }
    }
}
