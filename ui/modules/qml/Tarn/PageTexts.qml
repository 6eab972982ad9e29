import QtQuick 2.15

// The page texts of the language file, for Simplified Chinese: each page's
// built-in table is replaced by the file's group of the same number.
QtObject {
    readonly property string langCode: "lang_025044"
    // Text groups of the language file.
    readonly property int kMainTexts: 0
    readonly property int kKeyMatrixTexts: 1
    readonly property int kKeyMenuTexts: 2
    readonly property int kMacroEditorTexts: 3
    readonly property int kGunControlTexts: 4
    readonly property int kMacroKeyTexts: 5
    readonly property int kStageTexts: 6
    readonly property int kHelpMenuTexts: 7

    // A group the language file lacks keeps its built-in texts.
    function translated(type, fallback) {
        var list = ui_View.getGlobalStrings(type, langCode)
        return list.length > 0 ? list : fallback
    }

    function loadChinese() {
        askMenu.entries = [askMenu.webAddress].concat(translated(kHelpMenuTexts, askMenu.entries.slice(1)))
        mainIten.mainLang = translated(kMainTexts, mainIten.mainLang)
        keyMatrixMain.keyMatrixLang = translated(kKeyMatrixTexts, keyMatrixMain.keyMatrixLang)
        keyMenuMain.keyMenuLang = translated(kKeyMenuTexts, keyMenuMain.keyMenuLang)
        macroEditorMain.macroEditorLang = translated(kMacroEditorTexts, macroEditorMain.macroEditorLang)
        gunControlMain.gunControlLang = translated(kGunControlTexts, gunControlMain.gunControlLang)
        macroKeyMain.macroKeyLang = translated(kMacroKeyTexts, macroKeyMain.macroKeyLang)
        // Only for the stage texts of the tray notices.
        ui_View.getGlobalStrings(kStageTexts, langCode)
    }
}
