.pragma library

// Field rules of the gun window.

var TRIGGER_KEY = "L-Click"
var DEFAULT_INTERVAL = 10
var NEW_GUN_Y = -10
var MAX_BYTE_FIELD = 255
var MAX_DEVIATION = 127
var NAME_NUMBERS = 100

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
