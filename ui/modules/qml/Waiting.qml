import QtQuick 2.15
import "qrc:/modules/qml/basic/Fonts.js" as Fonts

// Shown in place of the pages while no mouse is connected on a desktop
// without a tray: the window stays reachable and says what it waits for.
// The back end sets the two texts in the page's language. The page is the
// whole window and fully opaque, so it looks the same with and without a
// compositing manager; its title bar has minimise and close.
Rectangle {
    id: waiting
    objectName: "waitingPanel"
    width: 560
    height: 230
    color: "#2c2d31"
    border.color: "#646464"

    property string heading: ""
    property string hint: ""
    readonly property string fontFamily: Fonts.pick(Qt.fontFamilies())
    readonly property string skin: "qrc:/index/modules/img/skin1/index/"

    // The frameless window is moved by dragging the page.
    MouseArea {
        anchors.fill: parent
        property point pressPoint
        onPressed: pressPoint = Qt.point(mouse.x, mouse.y)
        onPositionChanged: {
            ui_Ctl.onXChanged(mouse.x - pressPoint.x)
            ui_Ctl.onYChanged(mouse.y - pressPoint.y)
        }
    }

    // The skin's title-bar images: closeBtn draws the bar of minimise,
    // minBtn the cross of close.
    Row {
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 10
        spacing: 8
        Repeater {
            model: [
                { name: "waitingMinimise", image: "closeBtn" },
                { name: "waitingClose", image: "minBtn" }
            ]
            Image {
                objectName: modelData.name
                width: 15
                height: 15
                source: waiting.skin + modelData.image + (area.containsMouse ? "H" : "") + ".png"
                MouseArea {
                    id: area
                    anchors.fill: parent
                    anchors.margins: -4
                    hoverEnabled: true
                    onClicked: index === 0 ? ui_Ctl.onMinimize() : ui_Ctl.onClose()
                }
            }
        }
    }

    Column {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 10
        width: parent.width - 60
        spacing: 18
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: waiting.heading
            color: "#ffffff"
            font.family: waiting.fontFamily
            font.pixelSize: 24
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: waiting.hint
            color: "#c8c8c8"
            font.family: waiting.fontFamily
            font.pixelSize: 14
        }
    }
}
