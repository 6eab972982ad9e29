import QtQuick 2.15
import "qrc:/modules/qml/basic/ColourMath.js" as ColourLists

// What the performance and lighting panels' changes send through the view.
QtObject {
    readonly property int kAllStagesSignal: 18
    readonly property int kStageOnSendAll: 2
    // Colour table of the stage colours.
    readonly property int kStageColourTable: 1

    function sendDpi(stage) {
        ui_View.ui_11H_SetDPISet(stage, dpiSettingMain.dpiValueToDpiSet(), dpiSettingMain.valueForDpi(),
                                 dpiSettingMain.valueForDpiSelect())
        lightControlMain.refresh()
    }

    function sendLed(effect, mode, level) {
        lightControlMain.effect = effect
        lightControlMain.level = level
        ui_View.ui_06H_SetRGBLedEffect(effect, 0, level, [effect, mode, level, lightControlMain.colorR,
                                                          lightControlMain.colorG, lightControlMain.colorB])
    }

    function sendLedColour(r, g, b) {
        ui_View.ui_LEDColor(ColourLists.ledColourList(r, g, b))
        var n = ColourLists.ledColourMode(r, g, b)
        var effect = lightControlMain.effect
        var level = lightControlMain.level
        ui_View.ui_06H_SetRGBLedEffect(effect, n, level, [effect, n, level, r, g, b])
    }

    function sendStageColours() {
        var list = dpiSettingMain.colourList()
        ui_View.ui_10H_SetLED8StageColor(kStageColourTable, list)
        ui_View.ui_10H_SetLED8StageColor(kStageColourTable, list)
        lightControlMain.refresh()
    }
}
