import QtQuick 2.15

// "LOADING ......" pulsing while the back end settles. Cleared while device
// traffic is still on its way (a whole profile takes longer than the
// protection interval), it stays until the traffic is done. It shows too
// while the window waits for an answer of the mouse.
Item {
    id: busy
    property bool isBusy: false
    property bool waitingForDevice: false
    readonly property bool awaitingAnswer: typeof hid !== "undefined" && hid !== null && hid.awaitingAnswer
    width: label.width
    height: label.height
    visible: isBusy || awaitingAnswer

    function devicePending() {
        return typeof hid !== "undefined" && hid !== null && hid.commandsPending()
    }

    function setBusy(_isBusy) {
        waitingForDevice = !_isBusy && devicePending()
        isBusy = _isBusy || waitingForDevice
    }

    Timer {
        interval: 50
        repeat: true
        running: busy.waitingForDevice
        onTriggered: busy.setBusy(false)
    }

    Text {
        id: label
        text: "LOADING ......"
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMaxSize

        SequentialAnimation on opacity {
            running: busy.visible
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
