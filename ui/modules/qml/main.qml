import QtQuick 2.15

// The root page. The back end calls initUI when a mouse connects, run after
// it, setProtectUI to hold input off while the mouse settles, and forwards
// keys and buttons captured anywhere on the desktop.
Item {
    id: mainIten
    width: 1000
    height: 640
    visible: false

    property bool isPowerOn: false
    property bool is4090: true
    property int language: 1

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int vornCode, int x, int y)

    function initUI(sensorIndex) {
        is4090 = sensorIndex
        if (isPowerOn)
            return
        setProtectUI(1000)
        visible = true
        language = String(ui_View.getLang()) === "ChineseSimplified" ? 1 : 0
        isPowerOn = true
    }

    function run() {
    }

    function setProtectUI(interval) {
        ui_View.setEnabled(false)
        protectTimer.interval = interval
        protectTimer.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, vornCode, x, y) {
        msg_MS(isDown, vornCode, x, y)
    }

    Timer {
        id: protectTimer
        interval: 1000
        onTriggered: ui_View.setEnabled(true)
    }

    Rectangle {
        anchors.fill: parent
        color: "#1a1a1a"
        radius: 6
    }
}
