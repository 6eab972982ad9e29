import QtQuick 2.15

// Scroll bar of the right column: position and length follow the visible
// part of `flickable` over a track `trackLength` long; dragging moves the
// content by the pointer's offset (the bar itself by its share of it).
Rectangle {
    id: bar
    property Flickable flickable
    property int trackLength: 563

    width: 8
    radius: 4
    y: flickable.visibleArea.yPosition * trackLength
    height: Math.min(1, flickable.visibleArea.heightRatio) * trackLength
    visible: flickable.contentHeight > flickable.height
    border.width: 1
    border.color: "#60000000"
    gradient: Gradient {
        GradientStop { position: 0; color: "#767676" }
        GradientStop { position: 1; color: "#303030" }
    }

    Rectangle {
        anchors.fill: parent
        radius: parent.radius
        color: "#20ffffff"
        visible: area.containsMouse || area.pressed
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        preventStealing: true
        property real lastY
        onPressed: lastY = mapToItem(bar.parent, mouse.x, mouse.y).y
        onPositionChanged: {
            if (!pressed)
                return
            var y = mapToItem(bar.parent, mouse.x, mouse.y).y
            var dy = y - lastY
            lastY = y
            var atEnd = bar.flickable.contentY + bar.flickable.height >= bar.flickable.contentHeight
            if (dy > 0 && atEnd)
                return
            var maxY = Math.max(0, bar.flickable.contentHeight - bar.flickable.height)
            bar.flickable.contentY = Math.max(0, Math.min(maxY, bar.flickable.contentY + dy))
        }
    }
}
