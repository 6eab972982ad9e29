import QtQuick 2.15
import "../common"

// Double-click speed of the system, kept per profile.
Frame {
    id: doubleRatePanel
    title: mainIten.mainLang[11]
    contentHeight: 128

    property alias doubleRateValue: dial.value

    signal doubleRateChange()

    function init() {
        doubleRateValue = ui_View.getDoubleClickSpeed()
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
        onReleased: doubleRatePanel.doubleRateChange()
    }
}
