.pragma library

// Where the ten levels of an axis slider sit.

var LEVEL_COUNT = 10
var DEFAULT_LEVEL = 4

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
