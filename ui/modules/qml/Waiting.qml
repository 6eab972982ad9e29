import QtQuick 2.15
import "qrc:/modules/qml/basic/Fonts.js" as Fonts

// Shown in place of the pages while no mouse is connected on a desktop
// without a tray: the window stays reachable and says what it waits for.
// The back end sets the two texts in the page's language.
Item {
    id: waiting
    width: 1000
    height: 640

    property string heading: ""
    property string hint: ""
    readonly property string fontFamily: Fonts.pick(Qt.fontFamilies())

    Rectangle {
        id: panel
        objectName: "waitingPanel"
        anchors.centerIn: parent
        width: 560
        height: 200
        radius: 8
        color: "#2c2d31"
        border.color: "#646464"

        // The frameless window is moved by dragging the panel.
        MouseArea {
            anchors.fill: parent
            property point pressPoint
            onPressed: pressPoint = Qt.point(mouse.x, mouse.y)
            onPositionChanged: {
                ui_Ctl.onXChanged(mouse.x - pressPoint.x)
                ui_Ctl.onYChanged(mouse.y - pressPoint.y)
            }
        }

        Column {
            anchors.centerIn: parent
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
}
