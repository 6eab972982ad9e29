import QtQuick 2.15

// Text in the macro pages' font.
Text {
    color: mainIten.fontColor
    font.family: mainIten.fontFamily
    font.pixelSize: mainIten.fontNormalSize
}
