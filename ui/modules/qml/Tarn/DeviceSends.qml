import QtQuick 2.15

// What the performance and lighting panels' changes send through the view.
QtObject {
    readonly property int kAllStagesSignal: 18
    readonly property int kStageOnSendAll: 2

    function sendDpi(stage) {
        ui_View.ui_11H_SetDPISet(stage, [], dpiSettingMain.valueForDpi(), dpiSettingMain.valueForDpiSelect())
        lightControlMain.refresh()
    }

    function sendLed(effect, mode, level) {
        lightControlMain.effect = effect
        lightControlMain.level = level
        ui_View.ui_06H_SetRGBLedEffect(effect, 0, level, [effect, mode, level, lightControlMain.colorR,
                                                          lightControlMain.colorG, lightControlMain.colorB])
    }

    function sendLedColour(r, g, b) {
        ui_View.sendLightingColour(lightControlMain.effect, lightControlMain.level, r, g, b)
    }

    function sendStageColours() {
        ui_View.setStageColours(dpiSettingMain.colours)
        ui_View.setStageColours(dpiSettingMain.colours)
        lightControlMain.refresh()
    }
}
