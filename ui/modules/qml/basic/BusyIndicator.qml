import QtQuick 2.15

// "LOADING ......" pulsing while the back end settles.
Item {
    id: busy
    property bool isBusy: false
    width: label.width
    height: label.height
    visible: isBusy

    function setBusy(_isBusy) {
        isBusy = _isBusy
    }

    Text {
        id: label
        text: "LOADING ......"
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMaxSize

        SequentialAnimation on opacity {
            running: busy.isBusy
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
