import QtQuick 2.15

// The page background.
Item {
    width: 1000
    height: 640

    Image {
        anchors.fill: parent
        source: mainIten.sourceBackground
    }
}
