.pragma library

// The assignment menu: each entry names its label (an index into the menu's
// text table) and either the eight hex digits it assigns or what it opens.

var OPEN_SUBMENU = "submenu"
var OPEN_SINGLE_KEY = "singleKey"
var OPEN_MACRO = "macro"
var NO_ACTION = "none"
var DEFAULT_OF_SELECTED = "default"

var SUB_NONE = ""
var SUB_DPI = "dpi"
var SUB_MULTIMEDIA = "multimedia"
var SUB_BASIC = "basic"
var SUB_ADDITIONAL = "additional"
var SUB_GUN = "gun"

var LABEL_FORWARD = 42
var LABEL_BACK = 43
var LABEL_FIRE_KEY = 5

var english = ["Left Button", "Right Button", "Middle Button", "Auto Run", "Fire Mode", "Fire key",
               "DPI Setting +", "Multimedia Commands +", "Basic Commands +", "Additional Commands +",
               "Assign Keyboard Key", "Macro", "Gun Management", "Deactivated",
               "DPI +", "DPI -", "DPI LOOP",
               "Media Player", "Next Track", "Previous Track", "Stop", "Play/Pause", "Mute", "Volume Up", "Volume Down",
               "New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All",
               "My Computer", "Web Home", "Search Computer", "Maximize", "Minimize", "Show DeskTop", "RUN",
               "Forward", "Back", ""]

function entry(label, action, code, hidden) {
    return { label: label, action: action, code: code || "", hidden: hidden === true }
}

function coded(label, code) {
    return entry(label, "code", code)
}

var mainEntries = [
    coded(0, "0200f000"),
    coded(1, "0200f100"),
    coded(2, "0200f200"),
    coded(LABEL_FORWARD, "0200f400"),
    coded(LABEL_BACK, "0200f300"),
    entry(8, OPEN_SUBMENU, SUB_BASIC),
    entry(7, OPEN_SUBMENU, SUB_MULTIMEDIA),
    entry(9, OPEN_SUBMENU, SUB_ADDITIONAL),
    entry(6, OPEN_SUBMENU, SUB_DPI),
    coded(LABEL_FIRE_KEY, "0c01f002"),
    entry(10, OPEN_SINGLE_KEY),
    entry(11, OPEN_MACRO),
    entry(12, OPEN_SUBMENU, SUB_GUN, true),
    coded(13, "00000000")
]

var submenus = {
    dpi: [coded(14, "08010000"), coded(15, "08020000"), coded(16, "08030000")],
    multimedia: [coded(17, "04008301"), coded(18, "0400b500"), coded(19, "0400b600"), coded(20, "0400b700"),
                 coded(21, "0400cd00"), coded(22, "0400e200"), coded(23, "0400e900"), coded(24, "0400ea00")],
    basic: [coded(25, "0100e011"), coded(26, "0100e01b"), coded(27, "0100e006"), coded(28, "0100e019"),
            coded(29, "0100e016"), coded(30, "0100e013"), coded(31, "0100e009"), coded(32, "0100e01c"),
            coded(33, "0100e01d"), coded(34, "0100e004")],
    additional: [coded(35, "04009401"), coded(36, "04002302"), coded(37, "04002102"), coded(38, "01e22c1b"),
                 coded(39, "01e22c11"), coded(40, "0100e307"), coded(41, "0100e315")]
}

// The gun submenu has fixed labels of its own.
var gunEntries = [
    { text: "分配", action: NO_ACTION, code: "" },
    { text: "启动", action: "code", code: "08000100" },
    { text: "禁用", action: DEFAULT_OF_SELECTED, code: "" }
]

// What hovering an entry does to the submenus: the submenu to open, SUB_NONE
// to close them all, or undefined to leave them as they are.
function submenuOnHover(e) {
    if (e.action === OPEN_SUBMENU)
        return e.code
    if (e.label === LABEL_BACK || e.label === LABEL_FIRE_KEY)
        return SUB_NONE
    return undefined
}
