.pragma library

// Pure helpers of the macro editor: name lists, list order, event strings.

var SENTINEL = "loadercorwel"
var MAX_MACROS = 100
var NAME_NUMBERS = 100

var TYPE_DELAY = 0
var TYPE_KEY_PRESS = 1
var TYPE_KEY_RELEASE = 2
var TYPE_MOUSE_PRESS = 3
var TYPE_MOUSE_RELEASE = 4

var MOUSE_CODE_FIRST = 0xF0
var MACRO_KIND = 0x0A
var BUTTONS = 16
var MAX_DELAY_MS = 100000
var MAX_LOOPS = 65535
var DEFAULT_LOOPS = "1"

// A stored one-name list carries the sentinel as its second entry.
function dropSentinel(list) {
    var names = []
    for (var i = 0; i < list.length; ++i)
        names.push(String(list[i]))
    if (names.length === 2 && names[1] === SENTINEL)
        names.pop()
    return names
}

// Where an entry with `index` goes in a list ordered by index: before the
// first larger one; equal indexes keep their arrival order.
function insertPosition(indexes, index) {
    for (var i = 0; i < indexes.length; ++i) {
        if (indexes[i] > index)
            return i
    }
    return indexes.length
}

// prefix + the first number below `limit` that no name uses; "" when all are.
function firstFreeName(prefix, names, limit) {
    for (var n = 0; n < limit; ++n) {
        if (names.indexOf(prefix + n) < 0)
            return prefix + n
    }
    return ""
}

// A name becomes a file name: it must not be empty, reach out of the macro
// folder, or be another entry's name.
function isAcceptableName(name, names, ownPosition) {
    if (name.trim() === "" || name.indexOf("/") >= 0 || name.indexOf("\\") >= 0)
        return false
    for (var i = 0; i < names.length; ++i) {
        if (i !== ownPosition && names[i] === name)
            return false
    }
    return true
}

// The stored list: event strings ("<type>,<info>") and the loop count last.
function parseStored(list) {
    var events = []
    for (var i = 0; i + 1 < list.length; ++i) {
        var s = String(list[i])
        events.push({ type: parseInt(s.charAt(0), 10), info: s.substr(2) })
    }
    return { events: events, loops: list.length > 0 ? String(list[list.length - 1]) : DEFAULT_LOOPS }
}

function eventStrings(events) {
    var out = []
    for (var i = 0; i < events.length; ++i)
        out.push(events[i].type + "," + events[i].info)
    return out
}

function recordedType(isDown, code) {
    if (code >= MOUSE_CODE_FIRST)
        return isDown ? TYPE_MOUSE_PRESS : TYPE_MOUSE_RELEASE
    return isDown ? TYPE_KEY_PRESS : TYPE_KEY_RELEASE
}

// A typed delay: an integer 0..100000, otherwise the old value stays.
function parseDelay(text, old) {
    var t = String(text).trim()
    if (!/^[0-9]+$/.test(t))
        return old
    var n = parseInt(t, 10)
    return n > MAX_DELAY_MS ? old : String(n)
}

// The loop-count field: integers 0..65535; an empty field means one pass.
function parseLoops(text) {
    var t = String(text).trim()
    if (!/^[0-9]+$/.test(t))
        return DEFAULT_LOOPS
    return String(Math.min(parseInt(t, 10), MAX_LOOPS))
}

// The buttons whose definition in the current profile plays `name`; a button
// plays from the slot of its own number. `view` is the page's back end.
function slotsPlaying(name, view) {
    var slots = []
    for (var b = 0; b < BUTTONS; ++b) {
        var def = view.getKeydefine(b)
        if (def.length >= 4 && Number(def[0]) === MACRO_KIND && String(view.getMacroKey(Number(def[3]))) === name)
            slots.push(b)
    }
    return slots
}
