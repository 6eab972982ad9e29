import QtQuick 2.15

// Confirmation of the factory reset; dragged by its title bar, never out of
// the page.
Image {
    id: sure
    width: 320
    height: 160
    source: mainIten.sourceSureBg
    visible: false

    signal accepted()
    signal rejected()

    function centre() {
        x = (parent.width - width) / 2
        y = (parent.height - height) / 2
    }

    // Keeps the dialog wholly inside its parent.
    function moveTo(nx, ny) {
        x = Math.max(0, Math.min(parent.width - width, nx))
        y = Math.max(0, Math.min(parent.height - height, ny))
    }

    Rectangle {
        id: titleBar
        width: parent.width
        height: 30
        color: "#1e1e1e"
        Text {
            x: 12
            anchors.verticalCenter: parent.verticalCenter
            text: mainIten.mainLang[26]
            font.bold: true
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
        }
        MouseArea {
            anchors.fill: parent
            property point grab
            onPressed: grab = Qt.point(mouse.x, mouse.y)
            onPositionChanged: sure.moveTo(sure.x + mouse.x - grab.x, sure.y + mouse.y - grab.y)
        }
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 62
        text: mainIten.mainLang[27]
        color: mainIten.fontColor
        font.family: mainIten.fontFamily
        font.pixelSize: mainIten.fontMiddleSize
    }
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 42
        spacing: 30
        Repeater {
            model: [28, 29]
            Rectangle {
                objectName: index === 0 ? "sureOk" : "sureCancel"
                width: 88
                height: 25
                border.color: "#4e3434"
                color: area.containsMouse ? "#761212" : "#4f1717"
                Text {
                    anchors.centerIn: parent
                    text: mainIten.mainLang[modelData]
                    color: mainIten.fontColor
                    font.family: mainIten.fontFamily
                    font.pixelSize: mainIten.fontNormalSize
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: index === 0 ? sure.accepted() : sure.rejected()
                }
            }
        }
    }
}
