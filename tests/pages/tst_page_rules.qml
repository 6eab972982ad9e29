import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/Tarn/MacroList.js" as Macros
import "qrc:/modules/qml/Tarn/GunFields.js" as Gun

// The pure rules behind the macro and gun pages.
TestCase {
    name: "PageRules"

    function test_names_that_cannot_be_files() {
        verify(Macros.isAcceptableName("Jump", ["Macro_0", "Jump"], 1))
        verify(!Macros.isAcceptableName("  ", [], -1))
        verify(!Macros.isAcceptableName("a\\b", [], -1))
    }

    function test_typed_delay_and_loop_count() {
        compare(Macros.parseStored(["1"]).events.length, 0)
        compare(Macros.parseDelay("250", "50"), "250")
        compare(Macros.parseDelay("abc", "50"), "50")
        compare(Macros.parseDelay("100001", "50"), "50")
        compare(Macros.parseLoops(""), "1")
        compare(Macros.parseLoops("70000"), "65535")
    }

    function test_gun_fields() {
        compare(Gun.interval(""), 10)
        compare(Gun.interval("300"), 255)
        compare(Gun.deviation("-"), 0)
        compare(Gun.deviation(""), 0)
        compare(Gun.deviation("-200"), -127)
    }
}
