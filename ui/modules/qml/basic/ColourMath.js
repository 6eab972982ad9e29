.pragma library

// Colour conversions of the hue bar and the colour texts the panels show.

function hex2(n) {
    var s = (n & 0xff).toString(16)
    return s.length < 2 ? "0" + s : s
}

// "#rrggbb", lower case.
function colourText(r, g, b) {
    return "#" + hex2(r) + hex2(g) + hex2(b)
}

// [r, g, b] of a "#rrggbb" text; black for anything else.
function rgbOf(text) {
    var s = String(text)
    if (!/^#[0-9a-fA-F]{6}$/.test(s))
        return [0, 0, 0]
    return [parseInt(s.substr(1, 2), 16), parseInt(s.substr(3, 2), 16), parseInt(s.substr(5, 2), 16)]
}

// Colour of the hue bar at slider position x (-2..125) on a bar `width` wide.
function hueAt(x, width) {
    var w = Math.floor(width / 6)
    var k = Math.floor((x + 2) / w)
    var s = Math.floor(((x + 2) - k * w) * 255 / w)
    switch (k) {
    case 0: return [255, s, 0]
    case 1: return [255 - s, 255, 0]
    case 2: return [0, 255, s]
    case 3: return [0, 255 - s, 255]
    case 4: return [s, 0, 255]
    case 5: return [255, 0, 255 - s]
    default: return [255, 0, 0]
    }
}

// Slider position that shows `text` on the 128-pixel hue bar: the inverse of
// hueAt for the colours the bar can make, 0 for the others.
function sliderForColour(text) {
    var c = rgbOf(text)
    var R = c[0], G = c[1], B = c[2]
    var d = 128 / 6
    var p = d / 256
    var x = 0
    if (R === 255 && B === 0)
        x = p * G
    else if (R === 0 && B === 255)
        x = 3 * d + p * (255 - G)
    else if (G === 255 && B === 0)
        x = d + p * (255 - R)
    else if (G === 0 && B === 255)
        x = 4 * d + p * R
    else if (R === 0 && G === 255)
        x = 2 * d + p * B
    else if (R === 255 && G === 0)
        x = 5 * d + p * (255 - B)
    return Math.floor(x - 2)
}
