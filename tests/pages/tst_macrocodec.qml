import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/Tarn/MacroCodec.js" as Codec

// The macro encoder and the size estimate of the macro editor.
TestCase {
    name: "MacroCodec"

    KeyCodeString { id: _KeyCodeString }

    function keyCode(name) { return { "A": 0x04, "B": 0x05 }[name] }
    function mouseCode(name) { return { "MS-L": 0xF0, "MS-R": 0xF1 }[name] }

    function ev(type, info) { return { type: type, info: String(info) } }
    function press(key) { return ev(1, key) }
    function release(key) { return ev(2, key) }
    function delay(ms) { return ev(0, ms) }

    function encode(list, loops) {
        return Codec.deCode(list, loops === undefined ? 1 : loops, keyCode, mouseCode)
    }

    function test_gaps_data() {
        return [
            { tag: "126 ms short form", gap: 126, bytes: [0, 1, 1, 4, 126 + 0x80, 4, 1, 5, 0, 0] },
            { tag: "127 ms long form", gap: 127, bytes: [0, 1, 1, 4, 0xFF, 4, 0, 127, 1, 5, 0, 0] },
            { tag: "300 ms long form", gap: 300, bytes: [0, 1, 1, 4, 0xFF, 4, 1, 44, 1, 5, 0, 0] },
            { tag: "0 ms written as 1", gap: 0, bytes: [0, 1, 1, 4, 0x81, 4, 1, 5, 0, 0] },
            // Two bytes hold no more than 65535 ms.
            { tag: "100000 ms kept at the maximum", gap: 100000, bytes: [0, 1, 1, 4, 0xFF, 4, 0xFF, 0xFF, 1, 5, 0, 0] }
        ]
    }
    function test_gaps(data) {
        // Each slot carries the gap before its own action.
        compare(encode([press("A"), delay(data.gap), release("A"), delay(30), press("B")]), data.bytes)
    }

    function test_delays_add_up_and_the_last_gap_is_not_written() {
        compare(encode([press("A"), delay(60), delay(66), release("A"), delay(500), press("B")]),
                [0, 1, 1, 4, 126 + 0x80, 4, 1, 5, 0, 0])
    }

    function test_only_the_loop_count_without_a_second_action() {
        compare(encode([]), [0, 1])
        compare(encode([delay(50)]), [0, 1])
        compare(encode([delay(50), press("A")]), [0, 1])
        compare(encode([press("A"), delay(50)]), [0, 1, 1, 4, 0, 0])
    }

    function test_names_without_a_code_give_0() {
        compare(encode([press("Nope"), ev(4, "MS-X")]), [0, 1, 1, 0, 0x81, 0, 0, 0])
    }

    // The editor stops at the estimate; an encoding larger than it would not
    // fit the slot the estimate was meant to protect.
    function test_estimate_never_below_the_encoded_size() {
        var seed = 7
        function next(n) { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n }
        var gaps = [0, 10, 126, 127, 130, 1000, 70000]
        for (var round = 0; round < 300; ++round) {
            var list = []
            var length = next(40)
            for (var i = 0; i < length; ++i)
                list.push(next(3) === 0 ? delay(gaps[next(gaps.length)]) : ev(1 + next(4), "A"))
            var size = encode(list).length
            verify(Codec.recordCount(list) >= size, "estimate " + Codec.recordCount(list) + " < " + size)
        }
    }
}
