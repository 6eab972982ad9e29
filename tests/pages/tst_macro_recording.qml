import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/Tarn"
import "qrc:/modules/qml/Tarn/MacroCodec.js" as Codec

// Recording in the macro editor: what a captured key becomes, when it
// starts, and the size limit that keeps a macro within its slot.
Item {
    id: mainIten
    width: 1000
    height: 640

    property string fontFamily: "Sans"
    property int fontNormalSize: 12
    property int fontMaxSize: 16
    property int fontMiddleSize: 14
    property color fontColor: "#ffffff"
    property int skin_No: 1

    KeyCodeString { id: _KeyCodeString }
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

        function test_keys_and_buttons_without_gaps() {
            editor.startRecord()
            verify(editor.isInputting)
            editor.detectKeyboard(true, 0x04)
            wait(30)
            editor.detectKeyboard(false, 0x04)
            editor.detectKeyboard(true, 0xF1)
            editor.detectKeyboard(false, 0xF1)
            // A usage without a name would be stored as code 0: not taken.
            editor.detectKeyboard(true, 0x80)
            compare(sequence(), ["1,A", "2,A", "3,MS-R", "4,MS-R"])
        }

        function test_start_clears_and_needs_a_macro() {
            editor.sequenceModel.append({ type: 1, info: "A" })
            editor.currentMacro = -1
            editor.startRecord()
            verify(!editor.isInputting)
            compare(editor.sequenceModel.count, 1)
            editor.currentMacro = 0
            editor.startRecord()
            compare(editor.sequenceModel.count, 0)
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
