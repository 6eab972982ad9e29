import QtQuick 2.15
import "Skin.js" as Skin

// Background, title and close box shared by the dialogs; the title bar drags
// the dialog, which never leaves the page.
Item {
    id: dialog
    visible: false

    property string title: ""
    property string background: ""
    property string backgroundGroup: "index"
    default property alias content: body.data

    signal closeBox()

    function centre() {
        if (!parent)
            return
        x = Math.round((parent.width - width) / 2)
        y = Math.round((parent.height - height) / 2)
    }

    function clampInside() {
        if (!parent)
            return
        x = Math.max(0, Math.min(x, parent.width - width))
        y = Math.max(0, Math.min(y, parent.height - height))
    }

    Rectangle {
        anchors.fill: parent
        color: "#2a1a1a"
        border.color: "#4e3434"
    }
    Image {
        anchors.fill: parent
        source: dialog.background === "" ? "" : Skin.image(dialog.backgroundGroup, dialog.background, mainIten.skin_No)
    }
    Rectangle {
        id: titleBar
        width: parent.width
        height: 30
        color: "#1e1e1e"
        Text {
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: dialog.title
            color: mainIten.fontColor
            font.family: mainIten.fontFamily
            font.pixelSize: mainIten.fontMiddleSize
            font.bold: true
        }
        MouseArea {
            property point pressAt
            anchors.fill: parent
            onPressed: pressAt = Qt.point(mouse.x, mouse.y)
            onPositionChanged: {
                dialog.x += mouse.x - pressAt.x
                dialog.y += mouse.y - pressAt.y
                dialog.clampInside()
            }
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: "×"
            color: mainIten.fontColor
            font.pixelSize: mainIten.fontMaxSize
            MouseArea {
                anchors.fill: parent
                anchors.margins: -4
                onClicked: dialog.closeBox()
            }
        }
    }
    Item {
        id: body
        y: titleBar.height
        width: parent.width
        height: parent.height - titleBar.height
    }
}
