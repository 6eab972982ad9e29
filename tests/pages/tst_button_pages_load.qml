import QtQuick 2.15
import QtTest 1.2
import "qrc:/modules/qml/Tarn"

// The frame of the button, macro, gun and axis pages folds, and the mouse
// picture switches views, in a root like the main page's.
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

    Frame {
        id: frame
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

    Mouse {
        id: mousePage
    }

    TestCase {
        name: "MouseViews"
        when: windowShown

        function test_view_buttons_switch_between_top_and_side() {
            verify(!mousePage.isSide)
            // The two buttons sit in a row under the picture: Top View, then Side View.
            mouseClick(mousePage, mousePage.pictureX + 90 + 96 + 20 + 48, 560 + 13)
            verify(mousePage.isSide)
            mouseClick(mousePage, mousePage.pictureX + 90 + 48, 560 + 13)
            verify(!mousePage.isSide)
        }
    }
}
