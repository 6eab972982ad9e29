.pragma library

// The stored profile list: entries "<name><index digit>", with a sentinel
// second entry when only one name is stored.
var kSentinel = "loadercorwel"
var kMaxProfiles = 6
var kMaxSuffix = 12

// [{ name, pIndex }] of the valid entries: an index 0..5 not already taken.
function parse(list) {
    var entries = list ? Array.prototype.slice.call(list).map(String) : []
    if (entries.length === 2 && entries[1] === kSentinel)
        entries = [entries[0]]
    var out = []
    var taken = {}
    for (var i = 0; i < entries.length; ++i) {
        var e = entries[i]
        if (e.length < 1 || e === kSentinel)
            continue
        var digit = e.charAt(e.length - 1)
        if (!/[0-9]/.test(digit))
            continue
        var index = Number(digit)
        if (index >= kMaxProfiles || taken[index])
            continue
        taken[index] = true
        out.push({ name: e.substr(0, e.length - 1), pIndex: index })
    }
    return out
}

function serialise(entries) {
    return entries.map(function (e) { return e.name + e.pIndex })
}

function nameUsed(entries, name, exceptRow) {
    for (var i = 0; i < entries.length; ++i)
        if (i !== exceptRow && entries[i].name === name)
            return true
    return false
}

// "<base><k><end>" with the lowest k 0..11 not used; "" when all are.
function freeName(entries, base, end) {
    for (var k = 0; k < kMaxSuffix; ++k) {
        var n = base + k + end
        if (!nameUsed(entries, n, -1))
            return n
    }
    return ""
}

// Lowest profile index 0..5 no entry uses; -1 when all are taken.
function freeIndex(entries) {
    for (var i = 0; i < kMaxProfiles; ++i) {
        var used = false
        for (var j = 0; j < entries.length; ++j)
            used = used || entries[j].pIndex === i
        if (!used)
            return i
    }
    return -1
}

// A new name is acceptable when it is not empty, has no line break and is
// not another entry's name.
function acceptableName(entries, name, row) {
    var n = String(name)
    return n.trim().length > 0 && !/[\r\n]/.test(n) && !nameUsed(entries, n, row)
}
