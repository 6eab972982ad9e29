.pragma library

// Conversions behind the performance panels: pointer positions to values and
// values to positions. Kept free of any item so they can be tested alone.

var kDpiTrackTop = 8
var kDpiTrackLength = 154
var kDpiMin = 200
var kDpiMax = 8000
var kDpiStep = 100

function clamp(v, lo, hi) {
    return Math.max(lo, Math.min(hi, v))
}

// Filled height of a stage track (0..154) -> DPI in steps of 100. The small
// allowance keeps a height computed from a value (1900 -> 33.56...) from
// rounding down to the step below.
var kRoundingAllowance = 1e-9

function dpiForHeight(h) {
    return Math.floor((7800 * h / kDpiTrackLength + kDpiMin) / kDpiStep + kRoundingAllowance) * kDpiStep
}

// A click at track coordinate y fills the track from the bottom up to it.
function heightForClick(y) {
    return clamp(kDpiTrackLength - (y - kDpiTrackTop), 0, kDpiTrackLength)
}

function heightForDpi(v) {
    return clamp((v - kDpiMin) * kDpiTrackLength / 7800, 0, kDpiTrackLength)
}

// Half dial: value 0..11 for a press at (x, y) on an image `width` wide whose
// centre is at (width / 2, 70).
var kDialCentreY = 70

function dialAngle(x, y, width) {
    var cx = width / 2
    var dx = Math.abs(x - cx)
    var dy = Math.max(0, kDialCentreY - y)
    var deg = 180 / Math.PI
    if (x < cx) {
        if (dy === 0)
            return 0
        if (dx === 0)
            return 90
        return Math.floor(Math.atan(dy / dx) * deg)
    }
    if (dy === 0)
        return 180
    if (dx === 0)
        return 90
    return 90 + Math.floor(Math.atan(dx / dy) * deg)
}

function dialValue(x, y, width) {
    var angle = dialAngle(x, y, width)
    return angle === 0 ? 0 : Math.floor(angle / 18) + 1
}

// Images 0..9 show their own value; one image serves every higher value.
function dialImage(value) {
    return clamp(Math.floor(value), 0, 10)
}

// Lighting level slider: stops at x 4, 34, 63, 93, 122.
var kLevelStops = [4, 34, 63, 93, 122]
var kLevelBounds = [34, 63, 93, 122]

function levelForX(x) {
    for (var i = 0; i < kLevelBounds.length; ++i)
        if (x < kLevelBounds[i])
            return i
    return kLevelBounds.length
}

function xForLevel(level) {
    return kLevelStops[clamp(Math.floor(level), 0, 4)]
}

// Report rate quadrants: top-right 1 (1000 Hz), bottom-right 2, bottom-left
// 4, top-left 8 (125 Hz).
function reportRateAt(x, y, width, height) {
    var right = x >= width / 2
    var top = y < height / 2
    if (top)
        return right ? 1 : 8
    return right ? 2 : 4
}

function reportRateImage(v) {
    switch (Number(v)) {
    case 1: return 0
    case 2: return 1
    case 4: return 2
    default: return 3
    }
}

// Scroll lines typed into the field: 1..100; empty, zero or junk gives 1.
var kScrollMin = 1
var kScrollMax = 100
var kScrollOneScreen = 1000

function scrollLines(text) {
    var n = parseInt(text, 10)
    if (isNaN(n) || n < kScrollMin)
        return kScrollMin
    return Math.min(n, kScrollMax)
}
