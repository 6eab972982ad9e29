.pragma library

// The ten levels of an axis slider and what the mouse receives for them.

var LEVEL_COUNT = 10
var DEFAULT_LEVEL = 4
var SEND_STEP = 20

// Centre of the knob for each level; init puts the last one at 199.
var knobCentres = [10, 30, 52, 74, 95, 116, 137, 159, 180, 200]
var INIT_LAST_CENTRE = 199

// Left edges of levels 1 to 9 on the slider.
var levelEdges = [30, 52, 74, 95, 116, 137, 159, 180, 200]

function levelForX(x) {
    for (var i = 0; i < levelEdges.length; ++i) {
        if (x < levelEdges[i])
            return i
    }
    return LEVEL_COUNT - 1
}

function knobCentre(level, fromInit) {
    if (fromInit && level === LEVEL_COUNT - 1)
        return INIT_LAST_CENTRE
    return knobCentres[level]
}

// A stored level outside 0..9 (a damaged profile) falls back to the default.
function validLevel(value) {
    var n = Number(value)
    if (isNaN(n) || n < 0 || n >= LEVEL_COUNT || Math.floor(n) !== n)
        return DEFAULT_LEVEL
    return n
}

function sendValue(level) {
    return (level + 1) * SEND_STEP
}
