import QtQuick 2.15
import "../common"

// Pointer speed of the system, kept per profile.
Frame {
    id: mouseRatePanel
    title: mainIten.mainLang[10]
    contentHeight: 128

    property alias mouseRateValue: dial.value

    signal mouseRateChange()

    function init() {
        mouseRateValue = ui_View.getCursorSpeed()
    }

    Rectangle {
        width: 242
        height: parent.height
        color: "#b31a1a1a"
    }

    HalfDial {
        id: dial
        objectName: "dial"
        x: 8
        y: 6
        onReleased: mouseRatePanel.mouseRateChange()
    }
}
