.pragma library

// The sixteen 4-byte button definitions of the key matrix, as the button
// list keeps them: byte 0 is the kind of function.

var ENTRY_COUNT = 16
var ENTRY_BYTES = 4
var SHOWN_ROWS = 9

var KIND_OFF = 0x00
var KIND_KEYBOARD = 0x01
var KIND_MOUSE = 0x02
var KIND_MACRO_POSITION = 0x09   // byte 2 is stored one higher than shown
var KIND_MACRO = 0x0A
var KIND_DOUBLE_CLICK = 0x0C
var MOUSE_LEFT = 0xF0
var FIRE_KEY_BYTE1 = 240

// Texts of the button list's own table used here.
var TEXT_MACRO = 0
var TEXT_DEACTIVATED = 1
var TEXT_KEYBOARD_KEY = 2
var TEXT_BUTTON_ASSIGNMENT = 3
var TEXT_FIRE_KEY = 5

var defaults = ["0100f000", "0100f100", "0100f200", "0100f400", "0100f300", "07000100", "07000200", "00000000",
                "00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "04000100", "04000200"]

function hexByte(value) {
    var s = (value & 0xFF).toString(16)
    return s.length < 2 ? "0" + s : s
}

// Eight lower-case hex digits of the four bytes.
function hex8(b0, b1, b2, b3) {
    return hexByte(b0) + hexByte(b1) + hexByte(b2) + hexByte(b3)
}

// Four bytes from eight hex digits (digits 1-2, 3-4, 5-6, 7-8).
function splitHex(str) {
    var bytes = []
    for (var i = 0; i < ENTRY_BYTES; ++i)
        bytes.push(parseInt(String(str).substr(i * 2, 2), 16) & 0xFF)
    return bytes
}

function defaultEntry(position) {
    return splitHex(defaults[position])
}

// The entry as the list shows it: a stored macro position is one higher.
function shownEntry(stored) {
    var e = [Number(stored[0]), Number(stored[1]), Number(stored[2]), Number(stored[3])]
    if (e[0] === KIND_MACRO_POSITION)
        e[2] -= 1
    return e
}

// Four numbers read from a profile, or nothing usable.
function isCompleteEntry(stored) {
    if (!stored || stored.length < ENTRY_BYTES)
        return false
    for (var i = 0; i < ENTRY_BYTES; ++i) {
        if (isNaN(Number(stored[i])))
            return false
    }
    return true
}

// The text of one entry. `names` supplies the lookups:
//   lang: the list's text table; macroName(slot); keyName(usage);
//   dataName(eightHexDigits) (undefined when the table has none).
function entryText(b0, b1, b2, b3, names) {
    if (b0 === KIND_MACRO)
        return names.lang[TEXT_MACRO] + names.macroName(b3)
    if (b0 === 0 && b1 === 0 && b2 === 0 && b3 === 0)
        return names.lang[TEXT_DEACTIVATED]
    if (b0 === KIND_KEYBOARD && b1 === 0 && b3 === 0) {
        var key = names.keyName(b2) || ""
        return key === "" ? names.lang[TEXT_BUTTON_ASSIGNMENT] : names.lang[TEXT_KEYBOARD_KEY] + key
    }
    if (b0 === KIND_DOUBLE_CLICK && b1 === FIRE_KEY_BYTE1)
        return names.lang[TEXT_FIRE_KEY]
    var named = names.dataName(hex8(b0, b1, b2, b3))
    return named === undefined || named === null ? "" : String(named)
}

function isLeftButton(e) {
    return e[0] === KIND_MOUSE && e[2] === MOUSE_LEFT
}

// The last "Left Button" cannot be given away, or the mouse would lose its
// primary click.
function canModify(entries, index) {
    if (index < 0 || index >= entries.length)
        return false
    if (!isLeftButton(entries[index]))
        return true
    var count = 0
    for (var i = 0; i < entries.length; ++i) {
        if (isLeftButton(entries[i]))
            ++count
    }
    return count >= 2
}

// The 64 numbers that store and send the matrix.
function sendList(entries) {
    var list = []
    for (var i = 0; i < entries.length; ++i) {
        var e = entries[i]
        list.push(e[0], e[1], e[0] === KIND_MACRO_POSITION ? e[2] + 1 : e[2], e[3])
    }
    return list
}
