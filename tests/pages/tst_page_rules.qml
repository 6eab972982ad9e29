import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/Tarn/AxisLevels.js" as Axis
import "qrc:/modules/qml/Tarn/MacroList.js" as Macros
import "qrc:/modules/qml/Tarn/GunFields.js" as Gun
import "qrc:/modules/qml/Tarn/KeyMatrixData.js" as KeyData

// The pure rules behind the axis, macro and gun pages.
TestCase {
    name: "PageRules"

    function test_axis_level_from_pointer() {
        var edges = [[0, 0], [29, 0], [30, 1], [51, 1], [52, 2], [94, 3], [95, 4], [136, 5], [137, 6],
                     [179, 7], [180, 8], [199, 8], [200, 9], [400, 9]]
        for (var i = 0; i < edges.length; ++i)
            compare(Axis.levelForX(edges[i][0]), edges[i][1], "x " + edges[i][0])
    }

    function test_axis_level_from_a_damaged_profile() {
        compare(Axis.validLevel("7"), 7)
        compare(Axis.validLevel(12), Axis.DEFAULT_LEVEL)
        compare(Axis.validLevel("x"), Axis.DEFAULT_LEVEL)
    }

    function test_name_lists() {
        compare(Macros.dropSentinel(["Macro_0", "loadercorwel"]), ["Macro_0"])
        compare(Macros.dropSentinel(["a", "b"]), ["a", "b"])
        compare(Macros.firstFreeName("Macro_", ["Macro_0", "Macro_2"], 100), "Macro_1")
        var all = []
        for (var n = 0; n < 100; ++n)
            all.push("Gun" + n)
        compare(Macros.firstFreeName("Gun", all, 100), "")
    }

    function test_list_order_by_index() {
        // Equal indexes keep the order of the names file.
        var indexes = []
        var names = []
        var input = [["c", 2], ["a", 0], ["b", 2], ["d", 1]]
        for (var i = 0; i < input.length; ++i) {
            var at = Macros.insertPosition(indexes, input[i][1])
            indexes.splice(at, 0, input[i][1])
            names.splice(at, 0, input[i][0])
        }
        compare(names, ["a", "d", "c", "b"])
    }

    function test_names_that_cannot_be_files() {
        verify(Macros.isAcceptableName("Jump", ["Macro_0", "Jump"], 1))
        verify(!Macros.isAcceptableName("Macro_0", ["Macro_0", "Jump"], 1))
        verify(!Macros.isAcceptableName("  ", [], -1))
        verify(!Macros.isAcceptableName("../setting/p1", [], -1))
        verify(!Macros.isAcceptableName("a\\b", [], -1))
    }

    function test_stored_macro_and_fields() {
        var parsed = Macros.parseStored(["1,A", "0,130", "2,A", "3"])
        compare(parsed.events.length, 3)
        compare(parsed.events[1].type, 0)
        compare(parsed.events[1].info, "130")
        compare(parsed.loops, "3")
        compare(Macros.eventStrings(parsed.events), ["1,A", "0,130", "2,A"])
        compare(Macros.parseStored(["1"]).events.length, 0)
        compare(Macros.parseDelay("250", "50"), "250")
        compare(Macros.parseDelay("abc", "50"), "50")
        compare(Macros.parseDelay("100001", "50"), "50")
        compare(Macros.parseLoops(""), "1")
        compare(Macros.parseLoops("70000"), "65535")
    }

    function test_gun_fields_and_bytes() {
        compare(Gun.interval(""), 10)
        compare(Gun.interval("300"), 255)
        compare(Gun.deviation("-"), 0)
        compare(Gun.deviation(""), 0)
        compare(Gun.deviation("-200"), -127)
        compare(Gun.signedByte(-10), 246)
        compare(Gun.signedByte(-127), 129)
        compare(Gun.signedByte(127), 127)
        var m = Gun.gunKeyMatrix(5, 3)
        compare(m.length, 64)
        compare(m.slice(0, 4), [0x0B, 0, 10, 3])
        compare(m.slice(28, 32), [0x08, 0, 0x02, 0])
        compare(m.slice(56, 64), [0x04, 0, 1, 0, 0x04, 0, 2, 0])
        compare(Gun.gunKeyMatrix(40, 0)[2], 40)
    }

    function test_key_matrix_send_list() {
        var entries = []
        for (var i = 0; i < 16; ++i)
            entries.push(KeyData.defaultEntry(i))
        entries[2] = KeyData.shownEntry([9, 0, 3, 2])
        compare(entries[2], [9, 0, 2, 2])
        var list = KeyData.sendList(entries)
        compare(list.length, 64)
        compare(list.slice(8, 12), [9, 0, 3, 2])
        compare(KeyData.hex8(12, 1, 0xF0, 2), "0c01f002")
        verify(!KeyData.isCompleteEntry([1, 0]))
        verify(!KeyData.isCompleteEntry(["a", 0, 0, 0]))
    }
}
