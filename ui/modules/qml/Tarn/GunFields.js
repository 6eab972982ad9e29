.pragma library

// Field rules of the gun window and the bytes a chosen gun is sent as.

var TRIGGER_KEY = "L-Click"
var DEFAULT_INTERVAL = 10
var NEW_GUN_Y = -10
var MAX_BYTE_FIELD = 255
var MAX_DEVIATION = 127
var MIN_SENT_PERIOD = 10
var NAME_NUMBERS = 100

var GUN_DATA_TRIGGER = 0xF0
var MATRIX_BYTES = 64

function integerIn(text, low, high, fallback) {
    var t = String(text).trim()
    if (!/^-?[0-9]+$/.test(t))
        return fallback
    var n = parseInt(t, 10)
    return Math.max(low, Math.min(high, n))
}

function interval(text) {
    return integerIn(text, 0, MAX_BYTE_FIELD, DEFAULT_INTERVAL)
}

function deviation(text) {
    return integerIn(text, -MAX_DEVIATION, MAX_DEVIATION, 0)
}

function runTimes(text) {
    return integerIn(text, 0, MAX_BYTE_FIELD, 0)
}

// One byte, two's complement.
function signedByte(value) {
    return value < 0 ? 256 - Math.abs(value) : value
}

// The key matrix sent with a gun: the left button fires the gun, the other
// buttons keep fixed functions.
function gunKeyMatrix(period, counter) {
    var p = Math.max(period, MIN_SENT_PERIOD)
    var m = [0x0B, 0x00, p, counter,
             0x01, 0x00, 0xF1, 0x00,
             0x01, 0x00, 0xF2, 0x00,
             0x00, 0x00, 0x2E, 0x00,
             0x00, 0x00, 0x05, 0x00,
             0x07, 0x00, 0x01, 0x00,
             0x07, 0x00, 0x02, 0x00,
             0x08, 0x00, 0x02, 0x00]
    for (var i = 0; i < 6 * 4; ++i)
        m.push(0)
    m.push(0x04, 0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00)
    return m
}
