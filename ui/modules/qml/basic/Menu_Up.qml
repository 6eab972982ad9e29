import QtQuick 2.15

// Title-bar buttons: help, minimise, close. The images keep their historical
// names: closeBtn draws the bar of minimise, minBtn the cross of close.
Row {
    id: menuUp
    spacing: 5

    readonly property int kMinimise: 0
    readonly property int kClose: 1
    readonly property int kHelp: 2

    signal btnClicked(int btnIndex)

    Repeater {
        model: [
            { index: 2, normal: mainIten.sourceAsk, hover: mainIten.sourceAskH },
            { index: 0, normal: mainIten.sourceCloseBtn, hover: mainIten.sourceCloseBtnH },
            { index: 1, normal: mainIten.sourceMinBtn, hover: mainIten.sourceMinBtnH }
        ]
        Image {
            objectName: "titleButton" + modelData.index
            width: 15
            height: 15
            source: area.containsMouse ? modelData.hover : modelData.normal
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: menuUp.btnClicked(modelData.index)
            }
        }
    }
}
