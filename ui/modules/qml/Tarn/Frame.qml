import QtQuick 2.15

// A panel with a title bar that folds its content away and back. Panels put
// their content inside and set contentHeight; a click on the bar while the
// content slides is ignored so the two slides never overlap.
Item {
    id: frame
    width: 242
    height: barHeight + body.height

    readonly property int barHeight: 18
    property string title: ""
    property real contentHeight: 0
    property bool isOpen: true
    property real openRatio: 1
    readonly property bool sliding: slide.running
    default property alias content: slider.data

    signal openCloseMenu()
    signal clickFrame()

    onOpenCloseMenu: {
        isOpen = !isOpen
        slide.to = isOpen ? 1 : 0
        slide.restart()
    }

    NumberAnimation {
        id: slide
        target: frame
        property: "openRatio"
        duration: mainIten.animation_speed
        easing.type: Easing.OutQuint
    }

    Rectangle {
        id: bar
        width: 242
        height: frame.barHeight
        color: "#1a1a1a"

        Text {
            x: 7
            anchors.verticalCenter: parent.verticalCenter
            text: frame.title
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontNormalSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 7
            anchors.verticalCenter: parent.verticalCenter
            text: "—"
            color: "#ffffff"
            font.pixelSize: 12
        }
        MouseArea {
            anchors.fill: parent
            onClicked: {
                if (frame.sliding)
                    return
                frame.openCloseMenu()
                frame.clickFrame()
            }
        }
    }

    Item {
        id: body
        y: frame.barHeight
        width: frame.width
        height: frame.contentHeight * frame.openRatio
        clip: true

        Item {
            id: slider
            width: frame.width
            height: frame.contentHeight
            y: body.height - frame.contentHeight
        }
    }
}
