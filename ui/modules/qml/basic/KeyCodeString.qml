import QtQuick 2.15

// Key names of the pages: HID keyboard usages, the mouse's own button codes
// and the names of the 4-byte button functions of the key matrix.
QtObject {
    readonly property var keycode2str: buildKeyNames()
    readonly property var str2keycode: invert(keycode2str)
    readonly property var str2mousecode: ({ "MS-L": 0xF0, "MS-R": 0xF1, "MS-M": 0xF2, "MS-B4": 0xF3, "MS-B5": 0xF4 })
    readonly property var mousecode2str: ({ 0xF0: "MS-L", 0xF1: "MS-R", 0xF2: "MS-M", 0xF3: "MS-B4", 0xF4: "MS-B5" })

    readonly property var mouseData2str: ({
        "0200f000": "Left Button", "0200f100": "Right Button", "0200f200": "Middle Button",
        "0200f400": "Forward", "0200f300": "Back", "0f002e00": "Auto Run", "0f000500": "Fire Mode",
        "0c01f002": "Double Click", "08010000": "DPI +", "08020000": "DPI -", "08030000": "DPI LOOP",
        "04008301": "Media Player", "0400b500": "Next Track", "0400b600": "Previous Track",
        "0400b700": "Stop", "0400cd00": "Play/Pause", "0400e200": "Mute", "0400e900": "Volume Up",
        "0400ea00": "Volume Down", "0100e011": "New", "0100e01b": "Cut", "0100e006": "Copy",
        "0100e019": "Paste", "0100e016": "Save", "0100e013": "Print", "0100e009": "Find",
        "0100e01c": "Redo", "0100e01d": "Undo", "0100e004": "Select All", "04009401": "My Computer",
        "04002302": "Web Home", "04002102": "Search Computer", "01e22c1b": "Maximize",
        "01e22c11": "Minimize", "0100e307": "Show Desktop", "0100e315": "Run",
        "08000200": "Gun Management", "00000000": "Deactivated"
    })
    readonly property var mouseData2str1: ({
        "0200f000": "左键", "0200f100": "右键", "0200f200": "中键", "0200f400": "前进",
        "0200f300": "后退", "0f002e00": "自动奔跑", "0f000500": "开火模式", "0c01f002": "双击",
        "08010000": "DPI +", "08020000": "DPI -", "08030000": "DPI LOOP", "04008301": "多媒体播放键",
        "0400b500": "下一首", "0400b600": "上一首", "0400b700": "停止", "0400cd00": "播放/暂停",
        "0400e200": "静音", "0400e900": "音量+", "0400ea00": "音量-", "0100e011": "新建",
        "0100e01b": "剪切", "0100e006": "复制", "0100e019": "粘贴", "0100e016": "保存",
        "0100e013": "打印", "0100e009": "查找", "0100e01c": "重复", "0100e01d": "撤销",
        "0100e004": "全选", "04009401": "我的电脑", "04002302": "浏览器-主页", "04002102": "搜索",
        "01e22c1b": "最大化", "01e22c11": "最小化", "0100e307": "显示桌面", "0100e315": "运行",
        "08000101": "枪键开关", "00000000": "按键关闭"
    })

    function buildKeyNames() {
        var t = {}
        var i
        for (i = 0; i < 26; ++i)
            t[0x04 + i] = String.fromCharCode(65 + i)
        for (i = 0; i < 9; ++i)
            t[0x1E + i] = String(i + 1)
        t[0x27] = "0"
        var named = ["Enter", "Esc", "Back", "Tab", "Space", "- _", "= +", "[ {", "] }", "\\ |", "\\ |",
                     "; :", "' \"", "` ~", ", <", ". >", "/ ?", "Caps"]
        for (i = 0; i < named.length; ++i)
            t[0x28 + i] = named[i]
        for (i = 0; i < 12; ++i)
            t[0x3A + i] = "F" + (i + 1)
        var nav = ["Prt", "Scr", "Pau", "Ins", "Hom", "PgU", "Del", "End", "PgD",
                   "\u25BA", "\u25C4", "\u25BC", "\u25B2", "Num", "KP /", "KP *", "KP -", "KP +", "KP Enter"]
        for (i = 0; i < nav.length; ++i)
            t[0x46 + i] = nav[i]
        for (i = 0; i < 9; ++i)
            t[0x59 + i] = "KP " + (i + 1)
        t[0x62] = "KP 0"
        t[0x63] = "KP ."
        t[0x64] = "Eur 2"
        t[0x65] = "App"
        t[0x66] = "Power"
        t[0x67] = "KP ="
        for (i = 0; i < 12; ++i)
            t[0x68 + i] = "F" + (13 + i)
        t[0x85] = "Keypad"
        t[0x87] = "Int'l 1"
        t[0x88] = "Intl'2"
        t[0x89] = "Int'l 2"
        t[0x8A] = "Int'l 4"
        t[0x8B] = "Int'l 5"
        t[0x90] = "Lang 1"
        t[0x91] = "Lang 2"
        var mods = ["L Ctrl", "L Shift", "L Alt", "L Win", "R Ctrl", "R Shift", "R Alt", "R Win"]
        for (i = 0; i < mods.length; ++i)
            t[0xE0 + i] = mods[i]
        return t
    }

    // Later codes win, so the backslash name leads to 0x32.
    function invert(table) {
        var out = {}
        var codes = Object.keys(table).map(Number).sort(function (a, b) { return a - b })
        for (var i = 0; i < codes.length; ++i)
            out[table[codes[i]]] = codes[i]
        return out
    }

    function strTokeycode(str) {
        return str2keycode[str]
    }

    function keycodeTostr(keycode) {
        if (keycode < 0 || keycode2str[keycode] === undefined)
            return ""
        return keycode2str[keycode]
    }

    function strTomousecode(str) {
        return str2mousecode[str]
    }

    function mousecodeTostr(mousecode) {
        return mousecode2str[mousecode]
    }

    // 1 + the number of the lowest set bit among bits 0..7; 0 when none is.
    function logByte(intByte) {
        var v = intByte >>> 0
        for (var bit = 0; bit < 8; ++bit)
            if (v & (1 << bit))
                return bit + 1
        return 0
    }
}
