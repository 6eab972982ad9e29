import QtQuick 2.15

// A label of the rules dialog.
Text {
    color: mainIten.fontColor
    font.family: mainIten.fontFamily
    font.pixelSize: mainIten.fontNormalSize
}
