import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/Tarn"
import "qrc:/modules/qml/Tarn/KeyMenuData.js" as Menu

// The pages of the button set on their own, in a root that offers what the main page offers them.
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

    // The frame folds; it stays above the other pages here so that the clicks reach it.
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

        function test_gun_entry_hidden() {
            verify(Menu.mainEntries[12].hidden)
            compare(keyMenuMain.height, 13 * keyMenuMain.entryHeight)
        }
    }
}
