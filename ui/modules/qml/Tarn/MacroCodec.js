// Macro events and the bytes a macro slot of the mouse takes.
//
// An event is { type, info }: type 0 delay (info: milliseconds), 1 key press,
// 2 key release (info: key name), 3 mouse button press, 4 mouse button
// release (info: "MS-L", "MS-R", ...). A sequence is an array of events or a
// ListModel holding them.
//
// Slot bytes: loop count high, low; then per action a delay byte and the
// action's code. The delay byte holds the gap before the action in
// milliseconds, 1 .. 126 (0 goes out as 1), with 0x80 added for a release;
// a gap of 127 ms or more is the marker 0x7F (0xFF for a release), the code,
// and the gap as two bytes, high first. The last action carries 1 and is
// followed by 0x00 0x00. A macro whose only action is its last event is the
// loop count alone.

var TYPE_DELAY = 0
var TYPE_KEY_PRESS = 1
var TYPE_KEY_RELEASE = 2
var TYPE_MOUSE_PRESS = 3
var TYPE_MOUSE_RELEASE = 4

var RELEASE_BIT = 0x80
var LONG_GAP_MARK = 0x7F
var LONG_GAP_MS = 127
var MIN_GAP = 1
var MAX_GAP_MS = 0xFFFF
var LOOP_BYTES = 2
var SLOT_BYTES = 2
var LONG_SLOT_BYTES = 4
var END_BYTES = 2

function count(sequence) {
    return sequence.count !== undefined ? sequence.count : sequence.length
}

function entry(sequence, i) {
    return sequence.get !== undefined ? sequence.get(i) : sequence[i]
}

function typeOf(event) {
    return Number(event.type)
}

function isRelease(type) {
    return type === TYPE_KEY_RELEASE || type === TYPE_MOUSE_RELEASE
}

function delayMs(event) {
    var ms = parseInt(event.info, 10)
    return isNaN(ms) || ms < 0 ? 0 : ms
}

// The code of an action; a name missing from the tables gives 0.
function codeOf(event, keyCodeOf, mouseCodeOf) {
    var type = typeOf(event)
    var code = type === TYPE_KEY_PRESS || type === TYPE_KEY_RELEASE ? keyCodeOf(event.info) : mouseCodeOf(event.info)
    code = Number(code)
    return isNaN(code) ? 0 : code
}

// Without lookups of their own, the codec uses the pages' shared key tables
// (the KeyCodeString instance of the page that imports this file); a name
// they do not hold gives the code 0.
function sharedKeyCode(name) {
    return typeof _KeyCodeString !== "undefined" ? _KeyCodeString.strTokeycode(name) : 0
}

function sharedMouseCode(name) {
    return typeof _KeyCodeString !== "undefined" ? _KeyCodeString.strTomousecode(name) : 0
}

// Index of the first action, or -1 when there is none.
function firstAction(sequence) {
    for (var i = 0; i < count(sequence); ++i) {
        if (typeOf(entry(sequence, i)) !== TYPE_DELAY)
            return i
    }
    return -1
}

// The slot bytes of `sequence` with loop count `loops`. keyCodeOf and
// mouseCodeOf, when given, turn a key or button name into its code.
function deCode(sequence, loops, keyCodeOf, mouseCodeOf) {
    keyCodeOf = keyCodeOf || sharedKeyCode
    mouseCodeOf = mouseCodeOf || sharedMouseCode
    var n = count(sequence)
    var data = [Math.floor(loops / 256), loops % 256]
    var first = firstAction(sequence)
    if (first < 0 || first === n - 1)
        return data

    var p = LOOP_BYTES
    var previousType = typeOf(entry(sequence, first))
    data[p + 1] = codeOf(entry(sequence, first), keyCodeOf, mouseCodeOf)
    var gap = 0
    var pending = 0
    for (var i = first + 1; i < n; ++i) {
        var event = entry(sequence, i)
        var type = typeOf(event)
        if (type === TYPE_DELAY) {
            gap += delayMs(event)
            continue
        }
        var release = isRelease(previousType) ? RELEASE_BIT : 0
        if (pending < LONG_GAP_MS) {
            data[p] = Math.max(pending, MIN_GAP) + release
            p += SLOT_BYTES
        } else {
            // Two bytes cannot hold more; a longer gap is kept at the maximum.
            var ms = Math.min(pending, MAX_GAP_MS)
            data[p] = LONG_GAP_MARK + release
            p += SLOT_BYTES
            data[p] = Math.floor(ms / 256)
            data[p + 1] = ms % 256
            p += LONG_SLOT_BYTES - SLOT_BYTES
        }
        pending = gap
        gap = 0
        previousType = type
        data[p + 1] = codeOf(event, keyCodeOf, mouseCodeOf)
    }
    data[p] = MIN_GAP + (isRelease(previousType) ? RELEASE_BIT : 0)
    p += SLOT_BYTES
    data[p] = 0
    data[p + 1] = 0
    return data
}

// Bytes the encoded sequence takes at most: the editor stops adding events
// before this reaches its limit. Gaps are counted in milliseconds, as the
// encoder places them, so the estimate never falls below the encoded size.
function recordCount(sequence) {
    var n = count(sequence)
    var size = LOOP_BYTES
    var first = firstAction(sequence)
    if (first < 0 || first === n - 1)
        return size
    var gap = 0
    for (var i = first + 1; i < n; ++i) {
        var event = entry(sequence, i)
        if (typeOf(event) === TYPE_DELAY) {
            gap += delayMs(event)
        } else {
            size += gap < LONG_GAP_MS ? SLOT_BYTES : LONG_SLOT_BYTES
            gap = 0
        }
    }
    return size + SLOT_BYTES + END_BYTES
}

// The bytes of a macro the mouse plays in full, end marker included; the
// slot is larger, but what passes this loses its end when the slot fills.
var BUDGET_BYTES = 128

function fits(sequence, loops) {
    return deCode(sequence, loops).length <= BUDGET_BYTES
}

// How many leading events of `events` (an array) encode within the budget.
function fittingCount(events, loops) {
    var n = events.length
    while (n > 0 && !fits(events.slice(0, n), loops))
        --n
    return n
}
